#pragma once
// The one step of the report that differs by body: its apparent place at an instant.
#include <string>

#include "core/body.h"
#include "core/explanation.h"
#include "core/moment.h"
#include "earth/sun.h"
#include "stars/star_place.h"

namespace orrelin {

// What one call gives besides the place.
struct BodyPlaceResult {
  ApparentPlace place;
  double moonDistanceKm = 0.0;  // the Moon only
  std::string moonPhase;        // the Moon only: illuminated percentage, "42.5%"
  std::string moonElongation;   // the Moon only: whole degrees from the Sun
  std::string magnitude;        // planets only (none for Saturn)
};

// The book's T of a body at a moment, in UT and in dynamical time: Julian centuries
// from 1900 January 0.5 for the planets, from J2000.0 for the Sun, the Moon and stars.
double BodyCenturiesUt(Body body, const Moment& moment);
double BodyCenturiesTt(Body body, const Moment& moment);

// t: the body's T as above. A star's catalogue values come from `star`; its parallax is always 0.
BodyPlaceResult BodyPlace(Body body, double t, double jd, ExplanationLines* lines, const StarValues* star = nullptr);

}  // namespace orrelin
