#include "navigation/noon.h"

#include <cmath>

#include "app/date_box.h"
#include "core/angle_text.h"
#include "core/numbers.h"
#include "navigation/body_place.h"
#include "navigation/sights_file.h"
#include "navigation/watch_texts.h"

namespace orrelin::navigation {

namespace {

constexpr double kSecond = 1.0 / 86400.0;  // days
constexpr int kMostSteps = 30;

// The body's hour angle at the ship, less the transit's (0 or 180), into -180..180.
struct HourAngleNow {
  HourAngleAndDeclination place;
  GeoPosition position;
  double offMeridian = 0.0;  // degrees
};

std::optional<HourAngleNow> HourAngleFromMeridian(const std::string& body, const ShipTrack& track, double jd,
                                                  double target, std::string& why) {
  const auto place = HourAngleAt(body, jd, why);
  if (!place) return std::nullopt;
  const GeoPosition at = ShipPositionAt(track, jd);
  return HourAngleNow{*place, at, std::remainder(place->gha + at.longitude - target, 360.0)};
}

// The hour angle grows about 360° a day (the Moon's about 347°), more or less the
// ship's own run in longitude.
bool PlausibleRate(double degreesADay) { return degreesADay > 300.0 && degreesADay < 420.0; }

std::string SecondsApart(double days) {
  const long long seconds = std::llround(std::fabs(days) / kSecond);
  if (seconds == 0) return "at the passage";
  const std::string amount = seconds >= 60 ? WholeText(seconds / 60) + " min " + WholeText(seconds % 60) + " s"
                                           : WholeText(seconds) + " s";
  return amount + (days < 0 ? " before" : " after") + " the passage";
}

}  // namespace

std::optional<MeridianPassage> MeridianPassageOf(const std::string& body, const ShipTrack& track,
                                                 double dayJulianDayUt, Transit transit, std::string& why) {
  const double target = transit == Transit::kUpper ? 0.0 : 180.0;
  const double localNoon = dayJulianDayUt + 0.5 - ShipPositionAt(track, dayJulianDayUt + 0.5).longitude / 360.0;
  double t = transit == Transit::kUpper ? localNoon : localNoon - 0.5;
  auto now = HourAngleFromMeridian(body, track, t, target, why);
  if (!now) return std::nullopt;
  double rate = 360.0 + LongitudeRate(track, now->position.latitude) * 24.0;
  for (int step = 0; step < kMostSteps; ++step) {
    const double dt = -now->offMeridian / rate;
    const double before = now->offMeridian;
    t += dt;
    now = HourAngleFromMeridian(body, track, t, target, why);
    if (!now) return std::nullopt;
    if (std::fabs(dt) < 0.5 * kSecond) break;
    const double secant = (now->offMeridian - before) / dt;
    if (PlausibleRate(secant)) rate = secant;
  }
  MeridianPassage p;
  p.julianDayUt = t;
  p.position = now->position;
  p.gha = now->place.gha;
  p.declination = now->place.declination;
  p.altitude = ComputedAltitude(p.position, p.gha, p.declination).altitude;
  return p;
}

std::optional<GreatestAltitude> GreatestAltitudeNear(const std::string& body, const ShipTrack& track,
                                                     const MeridianPassage& passage, std::string& why) {
  bool failed = false;
  auto altitudeAt = [&](double jd) {
    const auto place = HourAngleAt(body, jd, why);
    if (!place) {
      failed = true;
      return 0.0;
    }
    return ComputedAltitude(ShipPositionAt(track, jd), place->gha, place->declination).altitude;
  };
  // Golden-section search over an hour either side: the altitude has one greatest
  // value there for any ship's speed.
  const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
  double a = passage.julianDayUt - 1.0 / 24.0, b = passage.julianDayUt + 1.0 / 24.0;
  double c = b - ratio * (b - a), d = a + ratio * (b - a);
  double fc = altitudeAt(c), fd = altitudeAt(d);
  while (b - a > 0.5 * kSecond && !failed) {
    if (fc > fd) {
      b = d;
      d = c;
      fd = fc;
      c = b - ratio * (b - a);
      fc = altitudeAt(c);
    } else {
      a = c;
      c = d;
      fc = fd;
      d = a + ratio * (b - a);
      fd = altitudeAt(d);
    }
  }
  if (failed) return std::nullopt;
  const double t = (a + b) / 2.0;
  const double altitude = altitudeAt(t);
  if (failed) return std::nullopt;
  return GreatestAltitude{t, altitude};
}

std::optional<Noon> MeridianTransit(const std::string& body, const ShipTrack& track, double dayJulianDayUt,
                                    Transit transit, std::string& why) {
  Noon noon;
  const auto passage = MeridianPassageOf(body, track, dayJulianDayUt, transit, why);
  if (!passage) return std::nullopt;
  noon.passage = *passage;
  if (transit == Transit::kUpper) {
    noon.greatest = GreatestAltitudeNear(body, track, *passage, why);
    if (!noon.greatest) return std::nullopt;
  }
  const auto named = SightBodyNamed(body);
  const std::string name = named ? named->name : body;
  const bool localNoon = name == "Sun" && transit == Transit::kUpper;
  ExplanationLines* lines = &noon.lines;
  if (track.speed > 0) {
    ReportLine(lines, "DR:", PositionText(track.dr) + ", " + UtcMomentText(track.drJulianDayUt) + " UT");
    ReportLine(lines, "Course and speed:", FixedText(track.course, 1) + kDegreeSign + " T, " +
                                               FixedText(track.speed, 1) + " kn");
  }
  ReportLine(lines, localNoon ? "Local apparent noon (passage):"
                              : transit == Transit::kUpper ? "Meridian passage (upper transit):"
                                                           : "Meridian passage (lower transit):",
             UtcMomentText(passage->julianDayUt) + " UT");
  ReportLine(lines, "Ship's position then:", PositionText(passage->position));
  ReportLine(lines, "GHA:", DegMinText(passage->gha));
  ReportLine(lines, "Declination:", NamedAngleText(passage->declination, "N", "S"));
  ReportLine(lines, "Hc on the meridian:", AltitudeText(passage->altitude));
  if (noon.greatest) {
    ReportLine(lines, "Greatest altitude:", UtcMomentText(noon.greatest->julianDayUt) + " UT, " +
                                                                  AltitudeText(noon.greatest->altitude));
    ReportLine(lines, "Greatest altitude comes:", SecondsApart(noon.greatest->julianDayUt - passage->julianDayUt));
  }
  return noon;
}

std::optional<Noon> LocalApparentNoon(const ShipTrack& track, double dayJulianDayUt, std::string& why) {
  return MeridianTransit("Sun", track, dayJulianDayUt, Transit::kUpper, why);
}

std::optional<MeridianLatitude> LatitudeByMeridianAltitude(const Sight& sight, const MeridianPassage& passage,
                                                           Transit transit, std::string& why) {
  MeridianLatitude m;
  Sight atPassage = sight;
  atPassage.julianDayUt = passage.julianDayUt;
  ExplanationLines* lines = &m.lines;
  ReportLine(lines, "Meridian passage:", UtcMomentText(passage.julianDayUt) + " UT" +
                                          (transit == Transit::kLower ? " (lower transit)" : ""));
  const auto ho = ObservedAltitudeOf(atPassage, passage.position.latitude, lines, why);
  if (!ho) return std::nullopt;
  m.observedAltitude = ho->observed;
  if (std::fabs(ho->observed - passage.altitude) > kLargestMeridianDifference) {
    why = "Ho " + AltitudeText(ho->observed) + " is more than 2" + kDegreeSign +
          " from the meridian altitude at the DR, " + AltitudeText(passage.altitude) +
          ": it cannot be a meridian altitude there";
    return std::nullopt;
  }
  const double dec = passage.declination;
  ReportLine(lines, "Declination:", NamedAngleText(dec, "N", "S"));
  if (transit == Transit::kUpper) {
    const double zenithDistance = 90.0 - ho->observed;
    // The body bears south when the ship is north of it: the zenith lies north of the
    // body by the zenith distance.
    const bool bearsSouth = passage.position.latitude > dec;
    ReportLine(lines, "Zenith distance (90 - Ho):", DegMinText(zenithDistance));
    ReportLine(lines, "The body bears:", bearsSouth ? "south: latitude = declination + zenith distance"
                                                    : "north: latitude = declination - zenith distance");
    m.latitude = bearsSouth ? dec + zenithDistance : dec - zenithDistance;
  } else {
    // Below the elevated pole: the pole stands above the horizon by Ho and the polar
    // distance, and the latitude takes the declination's name.
    const double polarDistance = 90.0 - std::fabs(dec);
    ReportLine(lines, "Polar distance (90 - Dec):", DegMinText(polarDistance));
    ReportLine(lines, "Lower transit:", "latitude = Ho + polar distance, named as the declination");
    m.latitude = std::copysign(ho->observed + polarDistance, dec);
  }
  ReportLine(lines, "Latitude:", NamedAngleText(m.latitude, "N", "S"));
  return m;
}

}  // namespace orrelin::navigation
