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

TEST(StarFile, AReadErrorEndsTheReadingWithTheSystemsErrorNumber) {
  // Reading /proc/self/mem from its start fails with EIO: the program must not abort.
  const StarFileContents c = LoadStarFile("/proc/self/mem");
  EXPECT_FALSE(c.read);
  EXPECT_EQ(c.message.rfind("Read error 5 (", 0), 0u) << c.message;
  EXPECT_NE(c.message.find("/proc/self/mem"), std::string::npos);
}

TEST(StarFile, DamagedRecordsAreLeftOutAndNamedOnce) {
  TempFolder folder;
  const auto path = folder.Path() / "Mstars.dat";
  StarRecord badRa = Sirius(), badDec = Sirius(), badMagnitude = Sirius(), control = Sirius();
  badRa.fields[0] = "Bad";
  badRa.fields[1] = "99:99:99";
  badDec.fields[0] = "South";
  badDec.fields[2] = "-91:61:61";
  badMagnitude.fields[0] = "Dim";
  badMagnitude.fields[6] = "abc";
  control.fields[0] = "Ve\x1b[2Jga";
  WriteBytes(path, EncodeStarRecord(Sirius()) + EncodeStarRecord(badRa) + EncodeStarRecord(StarRecord{}) +
                       EncodeStarRecord(badDec) + EncodeStarRecord(badMagnitude) + EncodeStarRecord(control));
  StarCatalogue c = LoadStarCatalogue(path);
  EXPECT_TRUE(c.read);
  ASSERT_EQ(c.records.size(), 3u);  // Sirius, the unnamed row and the star with control characters
  EXPECT_EQ(c.records[1].Name(), "");
  EXPECT_EQ(c.records[2].Name(), "Ve\xEF\xBF\xBD[2Jga");  // no escape reaches a terminal
  EXPECT_EQ(c.message, "The star catalogue " + path.string() +
                           " is damaged; these records were skipped: 2 (Bad), 4 (South), 5 (Dim)");
  // Length bytes of 255 everywhere: nothing reads, and the user is told where.
  WriteBytes(path, std::string(kStarRecordSize * 58, '\xff'));
  c = LoadStarCatalogue(path);
  EXPECT_TRUE(c.records.empty());
  EXPECT_EQ(c.message, "The star catalogue " + path.string() + " is damaged: none of its records can be read");
}

TEST(StarFile, ShippedCatalogueHoldsTheNavigationalStars) {
  const StarCatalogue c = LoadStarCatalogue(ORRELIN_SHIPPED_STAR_FILE);
  ASSERT_TRUE(c.read);
  EXPECT_EQ(c.message, "");  // every shipped record reads
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
