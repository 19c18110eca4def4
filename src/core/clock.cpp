#include "core/clock.h"

#include <algorithm>
#include <cmath>

#include "core/angles.h"
#include "core/fields.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

std::string ClockText(long long secondsOfDay) {
  const long long h = secondsOfDay / 3600;
  const long long m = (secondsOfDay / 60) % 60;
  const long long s = secondsOfDay % 60;
  return TwoDigitText(h) + ":" + TwoDigitText(m) + ":" + TwoDigitText(s);
}

long long SecondsOfDay(long long instant) {
  const long long s = instant % 86400;
  return s < 0 ? s + 86400 : s;
}

// A whole number read into an int that saturates: the range check sees its real size.
int SaturatedInt(double value) {
  if (!(value > -1e9)) return -1000000000;
  if (value > 1e9) return 1000000000;
  return static_cast<int>(Trunc(value));
}

}  // namespace

TClockTime ParseClockTime(const std::string& text, bool& valid) {
  std::string h = ExtractField(text, ":", 0);
  std::string m = ExtractField(text, ":", 1);
  std::string s = ExtractField(text, ":", 2);
  if (m.empty()) m = "00";
  if (s.empty()) s = "00";
  const NumberRead hours = ReadWholeNumber(h);
  const NumberRead minutes = ReadWholeNumber(m);
  const NumberRead seconds = ReadDecimal(s);
  if (!hours.ok || !minutes.ok || !seconds.ok) valid = false;
  // hh:mm:ss and nothing after it.
  if (std::count(text.begin(), text.end(), ':') > 2) valid = false;

  TClockTime record;
  record.hours = SaturatedInt(hours.value);
  record.minutes = SaturatedInt(minutes.value);
  record.seconds = seconds.value;
  record.timeText = text.substr(0, 10);
  if (hours.value < 0 || hours.value > 24) valid = false;
  if (minutes.value < 0 || minutes.value > 60) valid = false;
  if (!(record.seconds >= 0) || record.seconds > 60) valid = false;
  return record;
}

bool IsClockTime(const std::string& text) {
  bool valid = true;
  ParseClockTime(text, valid);
  return valid;
}

double HmsToHours(const std::string& text) {
  const double d = ReadDecimal(ExtractField(text, ":", 0)).value;
  const double m = ReadDecimal(ExtractField(text, ":", 1)).value;
  const double s = ReadDecimal(ExtractField(text, ":", 2)).value;
  return d + (m > 0 ? m / 60.0 : 0.0) + (s > 0 ? s / 3600.0 : 0.0);
}

std::string ShiftClockText(const std::string& text, double offsetHours) {
  const double h = ReadWholeNumber(ExtractFields(text, ":", 0, 0)).value;
  const double m = ReadWholeNumber(ExtractFields(text, ":", 1, 0)).value;
  std::string seconds = ExtractFields(text, ":", 2, 0);
  double v = h + m / 60.0 - offsetHours;
  // Texts that were never checked (and absurd offsets) wrap into one day first, so
  // that the hours always print as two digits.
  if (!std::isfinite(v)) v = 0.0;
  if (std::fabs(v) >= 48.0) v = std::fmod(v, 24.0);
  if (v > 24.0) {
    v -= 24.0;
  } else if (v < 0.0) {
    v += 24.0;
  }
  long long hours = Trunc(v);
  long long minutes = static_cast<long long>(std::nearbyint((v - static_cast<double>(hours)) * 60.0));
  if (minutes >= 60) {  // a fraction of an hour just below 1 rounds to the next hour
    minutes -= 60;
    hours += 1;
  }
  // The seconds as typed, made two characters ("5" -> "05"; a missing field is "00").
  while (seconds.size() < 2) seconds = "0" + seconds;
  return TwoDigitText(hours) + ":" + TwoDigitText(minutes) + ":" + seconds;
}

std::string OffsetText(double utcMinusLocalHours) {
  const double rounded = RoundToDecimals(utcMinusLocalHours, 2);
  const std::string text = ShortestText(rounded);
  return rounded > 0 ? "+" + text : text;
}

PcClock ClockTextsAt(std::time_t instant, long secondsEastOfUtc) {
  const auto utc = static_cast<long long>(instant);
  PcClock clock;
  clock.utcTime = ClockText(SecondsOfDay(utc));
  clock.localTime = ClockText(SecondsOfDay(utc + secondsEastOfUtc));
  clock.offset = OffsetText(-static_cast<double>(secondsEastOfUtc) / 3600.0);
  return clock;
}

long ComputerZoneOffset(std::time_t instant) {
  std::tm local{};
  localtime_r(&instant, &local);
  return local.tm_gmtoff;
}

PcClock ReadPcClock() {
  const std::time_t now = std::time(nullptr);
  return ClockTextsAt(now, ComputerZoneOffset(now));
}

CivilDate DateOfInstant(std::time_t instant, long secondsEastOfUtc) {
  // Days since 1970-01-01 to the proleptic Gregorian date (H. Hinnant's algorithm).
  long long days = (static_cast<long long>(instant) + secondsEastOfUtc) / 86400;
  if ((static_cast<long long>(instant) + secondsEastOfUtc) % 86400 < 0) --days;
  days += 719468;
  const long long era = (days >= 0 ? days : days - 146096) / 146097;
  const long long doe = days - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const long long day = doy - (153 * mp + 2) / 5 + 1;
  const long long month = mp < 10 ? mp + 3 : mp - 9;
  const long long year = yoe + era * 400 + (month <= 2 ? 1 : 0);
  return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
}

}  // namespace orrelin
