// The time box: ParseClockTime, HmsToHours and ShiftClockText over any text.
#include <cmath>

#include "core/clock.h"
#include "fuzz_support.h"

using namespace orrelin;
using namespace orrelin::fuzz;

namespace {

// Distance of two hour values on the 24-hour circle.
double HoursApart(double a, double b) {
  const double d = std::fmod(std::fabs(a - b), 24.0);
  return std::min(d, 24.0 - d);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks an offset from -14 to +14 hours in quarters; the rest is typed.
  const double offset = (static_cast<int>(data[0] % 113) - 56) / 4.0;
  const std::string text = TextOf(data + 1, size - 1);
  bool valid = true;
  const TClockTime time = ParseClockTime(text, valid);
  Require(time.timeText.size() <= 10, "the time text keeps at most 10 characters", text);
  const std::string shifted = ShiftClockText(text, offset);
  if (!valid) return 0;

  Require(time.hours >= 0 && time.hours <= 24 && time.minutes >= 0 && time.minutes <= 60,
          "an accepted time has hours 0..24 and minutes 0..60", text);
  Require(time.seconds >= 0 && time.seconds <= 60, "an accepted time has seconds 0..60", text);
  const double hours = HmsToHours(text);
  RequireFinite(hours, "the hours of an accepted time", text);
  // The shifted text is itself a time the box accepts, the offset away to the minute
  // (the seconds are carried as typed).
  Require(IsClockTime(shifted), "a shifted accepted time is accepted", text + " -> " + shifted);
  const double wanted = time.hours + time.minutes / 60.0 + time.seconds / 3600.0 - offset;
  const double got = HmsToHours(shifted);
  RequireFinite(got, "the hours of a shifted time", shifted);
  Require(HoursApart(got, wanted) <= 0.5 / 60 + 1e-9, "a shifted time is the offset away",
          text + " -> " + shifted);
  return 0;
}
