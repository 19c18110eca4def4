#pragma once
// The clock on the wall at a place: UTC minus local time at each instant. Either one
// fixed offset (at sea, where the zone description rules, or a place without a zone) or
// the rules of a time zone, given by a function the zones library makes from the
// system's time-zone database. A value: copied freely, no state of its own.
#include <functional>
#include <string>
#include <utility>

namespace orrelin {

// The wall clock's reading rule at one instant.
struct ZoneOffset {
  double utcMinusLocalHours = 0.0;  // local time = UTC - this
  std::string abbreviation;         // "EET", "EEST", "LMT"; "+03" where the database has no letters
  bool repeated = false;            // this local time also occurs at another instant (a clock set back)
};

class LocalClock {
 public:
  using Rule = std::function<ZoneOffset(double julianDayUt)>;

  LocalClock() = default;
  // A fixed offset, UTC minus local in hours.
  static LocalClock Fixed(double utcMinusLocalHours) {
    LocalClock c;
    c.fixed_ = utcMinusLocalHours;
    return c;
  }
  // A zone's rule under its name ("Europe/Helsinki"). Inline, like the rest of the
  // class, so that the zones module makes clocks without linking the program's code.
  static LocalClock Zone(std::string name, Rule rule) {
    LocalClock c;
    c.name_ = std::move(name);
    c.rule_ = std::move(rule);
    return c;
  }

  bool IsZone() const { return static_cast<bool>(rule_); }
  const std::string& ZoneName() const { return name_; }
  // The fixed offset; for a zone, the one given when none is asked at an instant.
  double FixedOffsetHours() const { return fixed_; }

  ZoneOffset OffsetAt(double julianDayUt) const {
    if (!rule_) return {fixed_, "", false};
    return rule_(julianDayUt);
  }
  double UtcMinusLocalAt(double julianDayUt) const { return OffsetAt(julianDayUt).utcMinusLocalHours; }
  // The UT Julian day of a local civil Julian day (the later reading where a clock set
  // back repeats it, the reading after the gap where a clock set forward skips it).
  double UtOfLocal(double localJulianDay) const;

 private:
  double fixed_ = 0.0;
  std::string name_;
  Rule rule_;
};

// "+03", "-05", "+05:30", "+01:39:49": local minus UTC as the clock shows it, for a time
// that needs its offset beside it to be read unambiguously.
std::string UtcOffsetSuffix(double utcMinusLocalHours);

}  // namespace orrelin
