#pragma once
// The daily pages of a nautical almanac for three days, from the precise ephemeris:
// hourly GHA and declination of Aries, Venus, Mars, Jupiter, Saturn, the Sun and the
// Moon (with v, d and HP), the navigational stars' SHA and declination, the planets'
// magnitudes and meridian passages, sunrise, sunset, twilights, moonrise and moonset
// at the standard latitudes, the equation of time, and the Moon's age and phase.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar.h"

namespace orrelin::daily {

inline constexpr int kDays = 3;
inline constexpr int kHours = 24 * kDays;

struct HourPlace {
  double gha = 0.0;          // degrees
  double declination = 0.0;  // degrees
};

struct Planet {
  std::string name;                       // "Venus"
  std::array<HourPlace, kHours> hours{};
  double v = 0.0, d = 0.0;                // the middle day's mean hourly v and d, arc minutes
  double magnitude = 0.0;                 // at 12h of the middle day
  double meridianPassage = 0.0;           // hours UT, the middle day
};

struct MoonHour {
  HourPlace place;
  double v = 0.0, d = 0.0;  // arc minutes to the next hour
  double hp = 0.0;          // arc minutes
};

struct Star {
  std::string name;
  double sha = 0.0, declination = 0.0;  // degrees, at 0h of the middle day
};

// A time of day in hours UT (local mean time at Greenwich), or what the sky does all day.
struct Phenomenon {
  enum class Kind { kTime, kAlwaysAbove, kAlwaysBelow, kTwilightAllNight } kind = Kind::kTime;
  double hours = 0.0;
};

// The standard latitudes of the almanacs' tables, 72 N to 60 S.
const std::vector<double>& StandardLatitudes();

struct LatitudeRow {
  double latitude = 0.0;
  // The middle day's morning (nautical, civil, sunrise) and evening (sunset, civil, nautical).
  Phenomenon nauticalMorning, civilMorning, sunrise, sunset, civilEvening, nauticalEvening;
  std::array<Phenomenon, kDays> moonrise{}, moonset{};
};

struct DayFacts {
  CivilDate date;
  std::string weekday;                   // "Tuesday"
  double equationOfTime0h = 0.0;         // minutes of time: GHA Sun - 180 deg, 00h
  double equationOfTime12h = 0.0;
  double sunMeridianPassage = 0.0;       // hours UT
  double sunSemidiameter = 0.0;          // arc minutes
  std::optional<double> moonUpperPassage, moonLowerPassage;  // hours UT
  double moonAge = 0.0;                  // days since the new moon, at 12h
  double moonIlluminated = 0.0;          // percent, at 12h
  double moonSemidiameter = 0.0;         // arc minutes, at 12h
};

struct DailyPages {
  std::array<DayFacts, kDays> days{};
  std::array<double, kHours> aries{};    // GHA Aries, degrees
  double ariesMeridianPassage = 0.0;     // hours UT, the middle day
  std::array<Planet, 4> planets{};       // Venus, Mars, Jupiter, Saturn
  std::array<HourPlace, kHours> sun{};
  double sunD = 0.0;                     // the middle day's mean hourly d, arc minutes
  std::array<MoonHour, kHours> moon{};
  std::vector<Star> stars;               // in the almanacs' alphabetical order
  std::vector<LatitudeRow> latitudes;
};

// The pages of the three days from `first` (Gregorian, 1800..2399); none with the
// reason when the ephemeris has no places for them.
std::optional<DailyPages> ComputeDailyPages(const CivilDate& first, std::string& why);

}  // namespace orrelin::daily
