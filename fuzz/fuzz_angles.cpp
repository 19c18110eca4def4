// The boxes of the main window that read angles, offsets, Delta T and the date, and
// the angle texts every report line writes: readers give a number or nothing, never
// one that is not a number, and every text reads back to its value within its rounding.
#include <cstring>

#include "app/date_box.h"
#include "core/angle_text.h"
#include "core/degmin.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "fuzz_support.h"
#include "report/observer_reading.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

constexpr double kArcMinute = 1.0 / 60;

// Distance of two angles on the circle, degrees.
double DegreesApart(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 360.0);
  return std::min(d, 360.0 - d);
}

void CheckReaders(const std::vector<std::string>& p) {
  const std::string seen = p[0] + " | " + p[1];
  const double degMin = DegMinTextToDegrees(p[0], p[1]);
  RequireFinite(degMin, "DegMinTextToDegrees", seen);
  RequireFinite(DeclinationTextToDegrees(p[2]), "DeclinationTextToDegrees", p[2]);
  for (int limit : {90, 180}) {
    if (const auto angle = ReadPlaceAngle(p[0], p[1], limit)) {
      Require(*angle >= 0 && *angle <= limit, "a place angle lies within its limit", seen);
    }
  }
  if (const auto height = ReadBoundedDecimal(p[3], 0, kMaxHeightOfEye)) {
    Require(*height >= 0 && *height <= kMaxHeightOfEye, "a bounded decimal lies within its bounds", p[3]);
  }
  if (const auto offset = ReadOffsetBox(p[3])) {
    Require(std::fabs(*offset) <= kMaxOffsetHours, "an offset lies within 14 hours", p[3]);
  }
  const DeltaBoxRead delta = ReadDeltaBox(p[3]);
  if (delta.status != DeltaBoxStatus::kRefused) {
    Require(std::isfinite(delta.value) && std::fabs(delta.value) <= kMaxDeltaT, "Delta T lies within its bounds",
            p[3]);
  }
  for (bool beforeChrist : {false, true}) {
    const DateRead read = ReadDateText(p[4], beforeChrist);
    if (!read.date) {
      Require(!read.message.empty(), "a refused date says why", p[4]);
      continue;
    }
    const CivilDate& d = *read.date;
    Require(d.year >= kFirstDateBoxYear && d.year <= kLastDateBoxYear, "a date's year lies within 1..9999", p[4]);
    const int astronomical = beforeChrist ? 1 - d.year : d.year;
    Require(IsCalendarDate(astronomical, d.month, d.day), "a read date exists", p[4]);
    const DateRead again = ReadDateText(DateBoxText(d), beforeChrist);
    Require(again.date && again.date->year == d.year && again.date->month == d.month && again.date->day == d.day,
            "a date box text reads back to its date", p[4]);
  }
}

// "D° MM.M'" or "D° MM' SS.SS''" back to unsigned degrees.
double ReadAngleText(const std::string& text, const std::string& seen) {
  const std::size_t sign = text.find(kDegreeSign);
  Require(sign != std::string::npos, "an angle text has a degree sign", text + " from " + seen);
  const NumberRead degrees = ReadWholeNumber(text.substr(0, sign));
  std::string rest = text.substr(sign + std::strlen(kDegreeSign));
  const std::size_t minuteMark = rest.find('\'');
  const NumberRead minutes = ReadDecimal(rest.substr(0, minuteMark));
  double seconds = 0;
  if (rest.size() > minuteMark + 1 && rest.find("''", minuteMark + 1) != std::string::npos) {
    const std::string s = rest.substr(minuteMark + 1, rest.find("''", minuteMark + 1) - minuteMark - 1);
    const NumberRead read = ReadDecimal(s);
    Require(read.ok, "the seconds of an angle text read", text);
    seconds = read.value;
  }
  Require(degrees.ok && minutes.ok, "an angle text reads", text + " from " + seen);
  Require(minutes.value < 60 && seconds < 60, "an angle text carries 60 minutes or seconds", text);
  return std::fabs(degrees.value) + minutes.value / 60 + seconds / 3600;
}

void CheckAngleTexts(double x) {
  const std::string seen = ShortestText(x);
  const double magnitude = std::fabs(x);
  Require(DegreesApart(ReadAngleText(DegMinText(x), seen), magnitude) <= 0.05 * kArcMinute + magnitude * 1e-15 + 1e-9,
          "DegMinText reads back within 0.05'", DegMinText(x) + " from " + seen);
  const std::string dms = DegMinSecText(x);
  Require(DegreesApart(ReadAngleText(dms, seen), magnitude) <= 0.005 / 3600 + magnitude * 1e-15 + 1e-9,
          "DegMinSecText reads back within 0.005''", dms + " from " + seen);
  Require((dms.front() == '-') == (x < 0 && ReadAngleText(dms, seen) > 0),
          "DegMinSecText shows the sign of a value that does not show as zero", dms + " from " + seen);
  if (magnitude < 360) {
    const DegMinFieldTexts fields = DegMinFields(x);
    const auto place = ReadPlaceAngle(fields.degrees, fields.minutes, 360);
    Require(place && DegreesApart(*place, magnitude) <= 0.05 * kArcMinute + 1e-9,
            "DegMinFields read back as a place angle within 0.05'", fields.degrees + " " + fields.minutes);
  }
  const std::string hms = HourMinSecText(x);
  const std::vector<std::string> w = SplitAtBlanks(hms);
  Require(w.size() == 6 && w[1] == "h" && w[3] == "m" && w[5] == "s", "HourMinSecText is H h MM m SS s", hms);
  const double h = ReadWholeNumber(w[0]).value, m = ReadWholeNumber(w[2]).value, sec = ReadWholeNumber(w[4]).value;
  Require(h < 24 && m < 60 && sec < 60, "HourMinSecText carries 24 h, 60 m and 60 s", hms);
  const double back = h + m / 60 + sec / 3600;
  const double apart = std::fmod(std::fabs(back - std::fmod(x, 24.0)) + 48.0, 24.0);
  Require(std::min(apart, 24.0 - apart) <= 0.5 / 3600 + std::fabs(x) * 1e-15 + 1e-9,
          "HourMinSecText reads back within half a second", hms + " from " + seen);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double x = 0;
  if (size >= 8) {
    std::memcpy(&x, data, 8);
    if (std::isfinite(x) && std::fabs(x) < 1e9) CheckAngleTexts(x);
  }
  CheckReaders(Parts(TextOf(data, size), '\n', 5));
  return 0;
}
