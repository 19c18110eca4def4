#pragma once
// The apparent place of a catalogue star: proper motion, precession from J2000.0,
// nutation and annual aberration. Meeus, Astronomical Algorithms, ch. 20 and 22.
#include <optional>
#include <string>

#include "core/explanation.h"
#include "earth/nutation.h"
#include "earth/observer.h"

namespace orrelin {

// A star's catalogue values as numbers.
struct StarValues {
  std::string name;             // at most 15 characters
  double rightAscension = 0.0;  // J2000.0, hours
  double declination = 0.0;     // J2000.0, degrees
  double properMotionRa = 0.0;  // seconds of time a year
  double properMotionDec = 0.0; // seconds of arc a year
};

// From the texts of a record or of the star window's boxes. The right ascension is
// h:m:s within 0..24 h, the declination d:m:s within -90..+90 and takes its sign from
// the text ("-0:17:57" is south); missing minutes or seconds read as 0, and empty
// proper motions as 0. None when a text does not read or lies outside what a star's
// place can be (a damaged record, or a typed "abc").
std::optional<StarValues> ReadStarValues(const std::string& name, const std::string& rightAscension,
                                         const std::string& declination, const std::string& properMotionRa,
                                         const std::string& properMotionDec);

struct StarCorrection {
  double rightAscension = 0.0;  // arc seconds
  double declination = 0.0;     // arc seconds
};
// Nutation and aberration of a mean place of date (degrees) at t centuries from J2000.0.
StarCorrection StarNutationAberration(double declination, double rightAscension, double t, ExplanationLines* lines);
// The same with the nutation of the moment already computed (the same for every star).
StarCorrection StarNutationAberration(double declination, double rightAscension, double t,
                                      const NutationResult& nutation, ExplanationLines* lines);

// The apparent place in degrees (right ascension 0..360).
EquatorialPlace StarApparentPlace(const StarValues& star, double t, ExplanationLines* lines);
// The same without explanation, many stars of one moment sharing its nutation.
EquatorialPlace StarApparentPlace(const StarValues& star, double t, const NutationResult& nutation);

}  // namespace orrelin
