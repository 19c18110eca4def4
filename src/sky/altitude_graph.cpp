#include "sky/altitude_graph.h"

#include <algorithm>
#include <cmath>

namespace orrelin::sky {

namespace {

constexpr double kMinute = 1.0 / 1440.0;  // days

UtcMinusLocalAt OffsetOf(const GraphInput& input) {
  return input.utcMinusLocal ? input.utcMinusLocal : FixedUtcMinusLocal(input.observer.utcMinusLocal);
}

// The body's rising, transit and setting of the dates around the night, those within
// the graph's hours (an event of two dates' reckoning kept once).
bool AddEvents(const SkyBody& body, const GraphInput& input, AltitudeGraph& graph, std::string& why) {
  std::vector<GraphEvent> found;
  Observer observer = input.observer;
  for (int d = -1; d <= 1; ++d) {
    const double day = input.dayJulianDayUt + d;
    observer.utcMinusLocal = OffsetOf(input)(day + 0.5);
    const auto events = RisingTransitSettingOf(body, observer, day, why);
    if (!events) return false;
    std::vector<std::pair<EventKind, double>> of{{EventKind::kTransit, events->transit}};
    if (events->status.empty()) {
      of.emplace_back(EventKind::kRise, events->rising);
      of.emplace_back(EventKind::kSet, events->setting);
    }
    for (const auto& event : of) {
      const EventKind kind = event.first;  // a name of its own: a lambda may not capture a structured binding
      const double jd = day + event.second;
      if (jd < graph.fromJulianDayUt || jd > graph.toJulianDayUt) continue;
      const bool again = std::any_of(found.begin(), found.end(), [&](const GraphEvent& e) {
        return e.kind == kind && std::fabs(e.julianDayUt - jd) < 60 * kMinute;
      });
      if (!again) found.push_back({body.name, kind, jd});
    }
  }
  graph.events.insert(graph.events.end(), found.begin(), found.end());
  return true;
}

}  // namespace

const char* EventKindName(EventKind kind) {
  switch (kind) {
    case EventKind::kRise: return "rise";
    case EventKind::kTransit: return "transit";
    case EventKind::kSet: return "set";
  }
  return "";
}

double NightMidnightUt(const GraphInput& input) { return LocalMidnightUt(OffsetOf(input), input.dayJulianDayUt + 1.0); }

std::optional<AltitudeGraph> DrawAltitudeGraph(const GraphInput& input, std::string& why) {
  if (!(input.stepMinutes >= 1.0 && input.stepMinutes <= 60.0)) {
    why = "The step is 1 to 60 minutes";
    return std::nullopt;
  }
  AltitudeGraph graph;
  graph.midnightJulianDayUt = NightMidnightUt(input);
  graph.fromJulianDayUt = graph.midnightJulianDayUt - 0.5;
  graph.toJulianDayUt = graph.midnightJulianDayUt + 0.5;
  for (const SkyBody& b : input.bodies) graph.names.push_back(b.name);

  const SkyBody sun = SolarSystemBodies(input.precise).front();
  const AltitudeFunction sunAltitude = [&](double jd) { return AltitudeAt(sun, input.observer, jd, why); };
  const int steps = static_cast<int>(std::ceil(1440.0 / input.stepMinutes - 1e-9));
  std::vector<double> moments, sunAltitudes;
  for (int i = 0; i <= steps; ++i) {
    const double jd = std::min(graph.fromJulianDayUt + i * input.stepMinutes * kMinute, graph.toJulianDayUt);
    GraphSample sample{jd, {}};
    for (const SkyBody& b : input.bodies) {
      const auto h = AltitudeAt(b, input.observer, jd, why);
      if (!h) return std::nullopt;
      sample.altitudes.push_back(*h);
    }
    const auto s = sunAltitude(jd);
    if (!s) return std::nullopt;
    moments.push_back(jd);
    sunAltitudes.push_back(*s);
    graph.samples.push_back(std::move(sample));
  }
  const auto bands = SunBands(sunAltitude, moments, sunAltitudes);
  if (!bands) return std::nullopt;
  graph.sunBands = *bands;
  for (const SkyBody& b : input.bodies) {
    if (!AddEvents(b, input, graph, why)) return std::nullopt;
  }
  std::stable_sort(graph.events.begin(), graph.events.end(),
                   [](const GraphEvent& a, const GraphEvent& b) { return a.julianDayUt < b.julianDayUt; });
  return graph;
}

}  // namespace orrelin::sky
