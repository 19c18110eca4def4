#pragma once
// The altitude graph of a date: the altitudes of chosen bodies over the 24 hours of
// local time centred on the night's local midnight, the Sun's bands behind them, and
// each body's rising, transit and setting within those hours.
#include <optional>
#include <string>
#include <vector>

#include "earth/observer.h"
#include "sky/local_time.h"
#include "sky/sky_body.h"
#include "sky/sun_bands.h"

namespace orrelin::sky {

inline constexpr double kDefaultStepMinutes = 10.0;

struct GraphInput {
  Observer observer;
  double dayJulianDayUt = 0.0;  // the evening's local date, its 0h UT
  std::vector<SkyBody> bodies;
  double stepMinutes = kDefaultStepMinutes;
  UtcMinusLocalAt utcMinusLocal;  // none: the observer's fixed offset
  bool precise = false;           // the Sun's bands from the precise chain too
};

struct GraphSample {
  double julianDayUt = 0.0;
  std::vector<double> altitudes;  // degrees, in the order of the bodies
};

enum class EventKind { kRise, kTransit, kSet };
const char* EventKindName(EventKind kind);  // "rise", "transit", "set"

struct GraphEvent {
  std::string body;
  EventKind kind = EventKind::kRise;
  double julianDayUt = 0.0;
};

struct AltitudeGraph {
  double fromJulianDayUt = 0.0, toJulianDayUt = 0.0;  // local noon to local noon
  double midnightJulianDayUt = 0.0;                   // local midnight between them
  std::vector<std::string> names;                     // the bodies, in the order given
  std::vector<GraphSample> samples;
  std::vector<SunBand> sunBands;
  std::vector<GraphEvent> events;                     // by time
};

// The local midnight of the evening's date whose 0h UT is dayJulianDayUt: the midnight
// that ends it.
double NightMidnightUt(const GraphInput& input);

// None, with the reason, when the precise chain has no place for a body or the step is
// not between 1 and 60 minutes.
std::optional<AltitudeGraph> DrawAltitudeGraph(const GraphInput& input, std::string& why);

}  // namespace orrelin::sky
