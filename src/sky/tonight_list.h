#pragma once
// Tonight's list: between the end of the evening's nautical (or astronomical) twilight
// and its beginning in the morning, every planet, the Moon and every catalogue star of
// the magnitude limit that stands above the minimum altitude at some time of it; when
// it does (from, to), its transit and the altitude there, and its best time (highest
// while dark). Sorted by the best time.
#include <optional>
#include <string>
#include <vector>

#include "earth/observer.h"
#include "sky/local_time.h"
#include "sky/sky_body.h"

namespace orrelin::sky {

enum class Darkness { kNautical, kAstronomical };

inline constexpr double kDefaultMinimumAltitude = 15.0;
inline constexpr double kDefaultTonightMagnitude = 3.0;

struct TonightInput {
  Observer observer;
  double dayJulianDayUt = 0.0;  // the evening's local date, its 0h UT
  Darkness darkness = Darkness::kNautical;
  double minimumAltitude = kDefaultMinimumAltitude;  // degrees
  double magnitudeLimit = kDefaultTonightMagnitude;
  std::vector<SkyBody> stars;     // the catalogue's stars to look at (the limit applied here)
  UtcMinusLocalAt utcMinusLocal;  // none: the observer's fixed offset
};

struct TonightBody {
  std::string name;
  std::optional<double> magnitude;    // a star's catalogue magnitude, a planet's as the report gives it
  std::optional<double> illuminated;  // the Moon: its illuminated part, percent
  double aboveFromJulianDayUt = 0.0, aboveToJulianDayUt = 0.0;  // within the dark hours
  std::optional<double> transitJulianDayUt;  // the transit nearest the night's middle
  double transitAltitude = 0.0;              // degrees
  double bestJulianDayUt = 0.0;              // highest while dark
  double bestAltitude = 0.0;                 // degrees
  enum class Stays { kRisesAndSets, kNeverSets } stays = Stays::kRisesAndSets;
};

struct TonightList {
  std::optional<double> darkFromJulianDayUt, darkToJulianDayUt;  // none: no darkness tonight
  std::vector<TonightBody> bodies;                                 // by best time
  std::vector<std::string> messages;  // no darkness, bodies that never set or never rise
};

// None, with the reason, when a place cannot be computed.
std::optional<TonightList> ListTonight(const TonightInput& input, std::string& why);

}  // namespace orrelin::sky
