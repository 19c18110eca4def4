#pragma once
// The plan of a twilight's star sights: when (between civil and nautical twilight, at
// the ship's position of that moment), and every body above the horizon bright enough
// with its Hc, Zn, magnitude and the altitude to preset on the sextant; the triad and the
// pair recommended among them, marked, never filtering them.
#include <optional>
#include <string>
#include <vector>

#include "navigation/moving_ship.h"
#include "navigation/plan_recommendation.h"
#include "navigation/sight_reduction.h"
#include "navigation/twilight_times.h"

namespace orrelin::navigation {

// A star of the catalogue and its magnitude.
struct CatalogueStar {
  std::string name;
  double magnitude = 0.0;
};

// The planets of the almanacs' pages, and the Moon and the Sun, planned with the stars.
std::vector<std::string> PlannedSolarSystemBodies();

inline constexpr double kDefaultMagnitudeLimit = 3.0;

struct PlanInput {
  ShipTrack track;
  double dayJulianDayUt = 0.0;  // the ship's local date, its 0h UT
  Twilight twilight = Twilight::kEvening;
  std::optional<double> plannedJulianDayUt;  // else the sight window's middle
  // The sextant and the weather: index error, height of eye, pressure, temperature, and
  // the limb of the Sun and the Moon (lower or upper); its body, moment and Hs unused.
  Sight sextant;
  double magnitudeLimit = kDefaultMagnitudeLimit;
  AltitudeBand band;
  std::vector<CatalogueStar> stars;
};

struct PlanBody {
  PlannedBody body;            // name, Hc, Zn, magnitude
  double presetAltitude = 0.0;  // Hs, degrees
  bool recommended = false;    // one of the triad
  bool pair = false;           // one of the best pair
};

struct TwilightPlan {
  TwilightTimes times;
  std::optional<double> plannedJulianDayUt;  // none: no sight window and no moment given
  GeoPosition position;                      // the ship's at the planned moment
  std::vector<PlanBody> bodies;              // by azimuth
  Recommendation recommendation;
  std::vector<std::string> messages;
};

// None, with the reason, when the ephemeris has no place for a body at that moment.
std::optional<TwilightPlan> PlanTwilight(const PlanInput& input, std::string& why);

// Every body above the horizon (Hc > 0) within the magnitude limit at the moment and
// position, by azimuth, with the preset sextant altitude (no recommendation marked).
std::optional<std::vector<PlanBody>> BodiesAt(const PlanInput& input, double julianDayUt,
                                              const GeoPosition& position, std::string& why);

}  // namespace orrelin::navigation
