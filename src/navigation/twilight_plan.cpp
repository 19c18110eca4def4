#include "navigation/twilight_plan.h"

#include <algorithm>

#include "core/moment.h"
#include "navigation/preset_altitude.h"
#include "precise/ephemeris.h"
#include "precise/nautical.h"

namespace orrelin::navigation {

namespace {

// The body's magnitude: the catalogue's for a star, the ephemeris's for the others.
std::optional<double> MagnitudeOf(const precise::NauticalBody& body, const precise::NauticalPlace& place,
                                  const Moment& moment, std::string& why) {
  if (place.magnitude) return place.magnitude;
  const auto phenomena = precise::BodyPhenomena(body.body, moment, why);
  if (!phenomena) return std::nullopt;
  return phenomena->magnitude;
}

// One body at the moment and position: none when it is below the horizon or too faint.
struct BodyAtMoment {
  std::optional<PlanBody> planned;
  bool failed = false;
};

BodyAtMoment PlanOneBody(const PlanInput& in, const std::string& name, std::optional<double> catalogueMagnitude,
                         const Moment& moment, double jd, const GeoPosition& position, std::string& why) {
  BodyAtMoment out;
  const auto body = SightBodyNamed(name);
  if (!body) return out;  // a catalogue star that is no navigational star: no sight reduces it
  const auto place = precise::NauticalPlaceOf(*body, moment, std::nullopt, why);
  if (!place) {
    out.failed = true;
    return out;
  }
  const ComputedPlace c = ComputedAltitude(position, place->gha, place->declination);
  if (c.altitude <= 0.0) return out;
  const auto magnitude = catalogueMagnitude ? catalogueMagnitude : MagnitudeOf(*body, *place, moment, why);
  if (!magnitude) {
    out.failed = true;
    return out;
  }
  if (*magnitude > in.magnitudeLimit) return out;
  Sight sight = in.sextant;
  sight.body = body->name;
  sight.julianDayUt = jd;
  sight.limb = HasLimbs(*body) ? (in.sextant.limb == Limb::kUpper ? Limb::kUpper : Limb::kLower) : Limb::kCentre;
  PlanBody p;
  p.body = PlannedBody{body->name, c.altitude, c.azimuth, *magnitude};
  p.presetAltitude = PresetSextantAltitude(sight, *body, *place, position.latitude, c.altitude);
  out.planned = p;
  return out;
}

}  // namespace

std::vector<std::string> PlannedSolarSystemBodies() { return {"Venus", "Mars", "Jupiter", "Saturn", "Moon", "Sun"}; }

std::optional<std::vector<PlanBody>> BodiesAt(const PlanInput& in, double jd, const GeoPosition& position,
                                              std::string& why) {
  const Moment moment = MomentOfJulianDayUt(jd);
  std::vector<PlanBody> bodies;
  auto add = [&](const std::string& name, std::optional<double> magnitude) {
    const BodyAtMoment one = PlanOneBody(in, name, magnitude, moment, jd, position, why);
    if (one.planned) bodies.push_back(*one.planned);
    return !one.failed;
  };
  for (const CatalogueStar& star : in.stars) {
    if (!add(star.name, star.magnitude)) return std::nullopt;
  }
  for (const std::string& name : PlannedSolarSystemBodies()) {
    if (!add(name, std::nullopt)) return std::nullopt;
  }
  std::stable_sort(bodies.begin(), bodies.end(),
                   [](const PlanBody& a, const PlanBody& b) { return a.body.zn < b.body.zn; });
  return bodies;
}

std::optional<TwilightPlan> PlanTwilight(const PlanInput& in, std::string& why) {
  TwilightPlan plan;
  const auto times = TwilightTimesAt(in.track, in.dayJulianDayUt, in.twilight, why);
  if (!times) return std::nullopt;
  plan.times = *times;
  plan.messages = times->messages;
  plan.plannedJulianDayUt = in.plannedJulianDayUt ? in.plannedJulianDayUt : SightWindowMiddle(*times);
  if (!plan.plannedJulianDayUt) {
    plan.messages.push_back("No sight window between civil and nautical twilight: give the moment to plan");
    plan.recommendation = RecommendBodies({}, in.band);
    return plan;
  }
  plan.position = ShipPositionAt(in.track, *plan.plannedJulianDayUt);
  auto bodies = BodiesAt(in, *plan.plannedJulianDayUt, plan.position, why);
  if (!bodies) return std::nullopt;
  plan.bodies = std::move(*bodies);
  std::vector<PlannedBody> listed;
  for (const PlanBody& b : plan.bodies) listed.push_back(b.body);
  plan.recommendation = RecommendBodies(listed, in.band);
  for (std::size_t i : plan.recommendation.triad) plan.bodies[i].recommended = true;
  if (plan.recommendation.pair) {
    plan.bodies[plan.recommendation.pair->first].pair = true;
    plan.bodies[plan.recommendation.pair->second].pair = true;
  }
  return plan;
}

}  // namespace orrelin::navigation
