#include "earth/rise_set.h"

#include <cmath>

#include "core/angle_text.h"
#include "core/angles.h"
#include "earth/nutation.h"

namespace orrelin {

namespace {

constexpr double kConvergence = 0.0002;  // days
constexpr int kMostRefinements = 50;      // the corrections shrink, so a few steps do

enum class Event { kTransit, kRising, kSetting };

double Interpolate(double middle, double a, double b, double c, double n) {
  return middle + n / 2.0 * (a + b + n * c);
}

// Steps the event's time m until the correction is small or stops shrinking.
double RefineEvent(const RiseTransitSetWork& w, Event event, double m) {
  const RiseTransitSetInput& in = w.input;
  double previous = 1.0;
  for (int step = 0; step < kMostRefinements; ++step) {
    const double theta = ReduceAngle(w.siderealAtZero + 360.985647 * m);
    const double n = m + in.deltaT / 86400.0;
    const double alpha = Interpolate(in.rightAscension[1], w.aAlpha, w.bAlpha, w.cAlpha, n);
    double h = ReduceAngle(theta - in.longitude - alpha);
    if (h > 180.0) {
      h -= 360.0;
    } else if (h < -180.0) {
      h += 360.0;
    }
    double dm = 0.0;
    if (event == Event::kTransit) {
      dm = -h / 360.0;
    } else {
      const double delta = Interpolate(in.declination[1], w.aDelta, w.bDelta, w.cDelta, n);
      const double altitude = ArcSinDeg(SinDeg(in.latitude) * SinDeg(delta) +
                                        CosDeg(in.latitude) * CosDeg(delta) * CosDeg(h));
      dm = (altitude - in.standardAltitude) / (360.0 * CosDeg(delta) * CosDeg(in.latitude) * SinDeg(h));
    }
    const bool shrinking = std::fabs(dm) < std::fabs(previous);
    if (shrinking) m += dm;
    if (std::fabs(dm) < kConvergence || !shrinking) return m;
    previous = dm;
  }
  return m;
}

// Moves an event to the previous UT day when its local time falls after local midnight
// of the next day, so that the event is the one of the local date.
double OnLocalDate(double m, double utcMinusLocal) {
  const int localHours = LocalHourMinOf(m * 24.0, utcMinusLocal).hours;
  return localHours + utcMinusLocal < 0 ? m - 1.0 : m;
}

double IntoOneDay(double m) {
  if (m < 0) return m + 1.0;
  if (m > 1) return m - 1.0;
  return m;
}

}  // namespace

RiseTransitSetWork StartRiseTransitSet(const RiseTransitSetInput& input) {
  RiseTransitSetWork w;
  w.input = input;
  auto& alpha = w.input.rightAscension;
  alpha[0] = alpha[1] + SignedAngle(alpha[0] - alpha[1]);  // continuous across 0h
  alpha[2] = alpha[1] + SignedAngle(alpha[2] - alpha[1]);
  const auto& delta = w.input.declination;

  w.siderealAtZero = ReduceAngle(15.0 * SiderealTime(0.0, input.jd0).apparent);
  const double cosH0 = (SinDeg(input.standardAltitude) - SinDeg(input.latitude) * SinDeg(delta[1])) /
                       (CosDeg(input.latitude) * CosDeg(delta[1]));
  // Into 0 <= m0 < 1 by the fractional part: no loop of whole days, whatever the input.
  double m0 = (alpha[1] + input.longitude - w.siderealAtZero) / 360.0;
  m0 -= std::floor(m0);
  if (!(m0 >= 0.0 && m0 < 1.0)) m0 = 0.0;  // a non-finite estimate, or -1e-17 rounding to 1
  w.transit = m0;

  if (cosH0 > 1) {
    w.status = kStatusNever;
    w.rising = w.setting = m0;
  } else if (cosH0 < -1) {
    w.status = kStatusAlways;
    w.rising = m0 - 0.5;
    w.setting = m0 + 0.5;
  } else {
    const double h0 = ArcCosDeg(cosH0);
    w.rising = m0 - h0 / 360.0;
    w.setting = m0 + h0 / 360.0;
    w.aAlpha = alpha[1] - alpha[0];
    w.bAlpha = alpha[2] - alpha[1];
    w.cAlpha = w.bAlpha - w.aAlpha;
    w.aDelta = delta[1] - delta[0];
    w.bDelta = delta[2] - delta[1];
    w.cDelta = w.bDelta - w.aDelta;
  }
  if (w.rising < 0) w.rising += 1.0;
  if (w.setting > 1) w.setting -= 1.0;
  return w;
}

void RefineRiseTransitSet(RiseTransitSetWork& work) {
  work.transit = RefineEvent(work, Event::kTransit, work.transit);
  work.rising = RefineEvent(work, Event::kRising, work.rising);
  work.setting = RefineEvent(work, Event::kSetting, work.setting);
}

RiseTransitSetResult RiseTransitSet(const RiseTransitSetInput& input) {
  RiseTransitSetWork w = StartRiseTransitSet(input);
  if (w.status.empty()) {
    w.rising = OnLocalDate(w.rising, input.utcMinusLocal);
    w.setting = OnLocalDate(w.setting, input.utcMinusLocal);
    RefineRiseTransitSet(w);
  }
  RiseTransitSetResult r;
  r.transit = IntoOneDay(w.transit);
  r.rising = IntoOneDay(w.rising);
  r.setting = IntoOneDay(w.setting);
  r.status = w.status;
  if (!r.status.empty()) r.rising = 0.0;
  return r;
}

}  // namespace orrelin
