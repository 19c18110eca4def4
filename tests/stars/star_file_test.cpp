#include "stars/star_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "temp_folder.h"

namespace orrelin {
namespace {

using orrelin::testing::TempFolder;

StarRecord Sirius() {
  return {{"Sirius", "6:45:08.92", "-16:42:58.0", "-0.0379", "-1.223", "151881", "-1.46"}};
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(StarFile, RecordsRoundTripInSeventyThreeBytes) {
  const std::string bytes = EncodeStarRecord(Sirius());
  ASSERT_EQ(bytes.size(), kStarRecordSize);
  EXPECT_EQ(bytes[0], 6);           // the name's length byte
  EXPECT_EQ(bytes.substr(1, 6), "Sirius");
  EXPECT_EQ(bytes[16], 10);         // the right ascension starts at byte 16
  EXPECT_EQ(bytes[67], 5);          // the magnitude at byte 67
  EXPECT_EQ(DecodeStarRecord(bytes).fields, Sirius().fields);
}

TEST(StarFile, NamesAreSingleByteWindows1252) {
  StarRecord r = Sirius();
  r.fields[0] = "Acherñar";
  const std::string bytes = EncodeStarRecord(r);
  EXPECT_EQ(bytes[0], 8);
  EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0xF1);
  EXPECT_EQ(DecodeStarRecord(bytes).Name(), "Acherñar");
}

TEST(StarFile, DamagedFilesAreReadAsFarAsTheyMakeSense) {
  TempFolder folder;
  const auto path = folder.Path() / "Mstars.dat";
  // A 0-byte file holds no records.
  WriteBytes(path, "");
  StarFileContents c = LoadStarFile(path);
  EXPECT_TRUE(c.read);
  EXPECT_TRUE(c.records.empty());
  // Two records and a partial third: the partial one is ignored.
  std::string bytes = EncodeStarRecord(Sirius()) + EncodeStarRecord(Sirius()) + "\x05Veg";
  // A length byte beyond its field's capacity is cut to the capacity.
  bytes[0] = static_cast<char>(200);
  bytes[kStarRecordSize + 67] = static_cast<char>(255);
  WriteBytes(path, bytes);
  c = LoadStarFile(path);
  ASSERT_EQ(c.records.size(), 2u);
  EXPECT_EQ(c.records[0].Name().size(), 15u);
  EXPECT_EQ(c.records[0].Name().substr(0, 6), "Sirius");
  EXPECT_EQ(c.records[1].fields[6], "-1.46");  // five characters, the rest of the field is blank
  // An empty name is a record all the same (the identification skips it).
  StarRecord empty;
  WriteBytes(path, EncodeStarRecord(empty));
  c = LoadStarFile(path);
  ASSERT_EQ(c.records.size(), 1u);
  EXPECT_EQ(c.records[0].Name(), "");
}

TEST(StarFile, MissingFileSaysSoWithItsPath) {
  TempFolder folder;
  const auto path = folder.Path() / "Mstars.dat";
  const StarFileContents c = LoadStarFile(path);
  EXPECT_FALSE(c.read);
  EXPECT_EQ(c.message, " File missing or cannot be opened " + path.string());
  EXPECT_FALSE(LoadStarFile(folder.Path()).read);  // a folder is not a file
}

TEST(StarFile, ShippedCatalogueHoldsTheNavigationalStars) {
  const StarFileContents c = LoadStarFile(ORRELIN_SHIPPED_STAR_FILE);
  ASSERT_TRUE(c.read);
  ASSERT_EQ(c.records.size(), 58u);
  EXPECT_EQ(c.records.front().Name(), "Alpheratz");
  bool sirius = false, polaris = false;
  for (const auto& r : c.records) {
    EXPECT_FALSE(r.Name().empty());
    sirius = sirius || (r.Name() == "Sirius" && r.fields[2] == "-16:42:58.0");
    polaris = polaris || r.Name() == "Polaris";
  }
  EXPECT_TRUE(sirius);
  EXPECT_TRUE(polaris);
}

}  // namespace
}  // namespace orrelin
