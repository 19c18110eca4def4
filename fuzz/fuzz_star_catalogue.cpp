// The star catalogue: any bytes load without harm, the stars kept have numbers a
// computation can use, and every record written back reads as itself.
#include "core/encoding.h"
#include "earth/nutation.h"
#include "fuzz_support.h"
#include "stars/star_file.h"
#include "stars/star_place.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

bool HoldsReplacement(const StarRecord& r) {
  for (const auto& f : r.fields) {
    if (f.find("\xEF\xBF\xBD") != std::string::npos) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = TextOf(data, size);
  const StarCatalogue catalogue = LoadStarCatalogue(PutFile(SharedScratchFolder(), "Mstars.dat", bytes));
  Require(catalogue.read, "a small catalogue file reads", bytes);
  Require(catalogue.records.size() == catalogue.values.size() && catalogue.values.size() == catalogue.magnitudes.size(),
          "every kept record has its values and magnitude", bytes);
  const std::size_t whole = size / kStarRecordSize;
  Require(catalogue.records.size() <= whole, "no more records than whole records", bytes);
  Require(catalogue.records.size() == whole || !catalogue.message.empty(), "records left out are told", bytes);
  const double t = 0.268;  // 2026-10-05 in centuries from J2000.0
  const NutationResult nutation = Nutation(t, nullptr);
  for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
    const StarRecord& r = catalogue.records[i];
    for (const auto& f : r.fields) Require(IsValidUtf8(f), "a field is UTF-8", bytes);
    Require(!IsDamagedStarRecord(r), "a kept record is not damaged", bytes);
    Require(catalogue.magnitudes[i] > -30 && catalogue.magnitudes[i] < 30, "a magnitude lies within -30..30", bytes);
    if (const auto& v = catalogue.values[i]) {
      const EquatorialPlace place = StarApparentPlace(*v, t, nutation);
      RequireFinite(place.rightAscension, "a star's apparent right ascension", r.Name());
      RequireFinite(place.declination, "a star's apparent declination", r.Name());
    }
    if (!HoldsReplacement(r)) {
      const StarRecord back = DecodeStarRecord(EncodeStarRecord(r));
      Require(back.fields == r.fields, "a record written back reads as itself", r.Name());
    }
  }
  return 0;
}
