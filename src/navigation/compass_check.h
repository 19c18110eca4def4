#pragma once
// The compass checked against a body's true bearing: by azimuth at any altitude, and
// by amplitude at rising or setting. The error is true bearing less compass bearing,
// named E when the compass reads less than the true bearing ("compass least, error
// east"), W otherwise; the deviation is the error less the variation (east positive),
// named the same way.
#include <optional>
#include <string>

#include "core/explanation.h"
#include "navigation/body_crossing.h"
#include "navigation/sight_reduction.h"

namespace orrelin::navigation {

// True bearing less compass bearing, into -180..180 (east positive).
double CompassErrorOf(double trueBearing, double compassBearing);
// "4.5 E", "3 W", "3W", "0": a variation, east positive; none when it does not read
// or passes 180°.
std::optional<double> ReadVariation(const std::string& text);

struct ErrorAndDeviation {
  double error = 0.0;               // degrees, east positive
  std::optional<double> deviation;  // with the variation
};
// The compass error of a bearing, the deviation with it where the variation is known,
// and their working lines.
ErrorAndDeviation ErrorsOfBearing(double trueBearing, double compassBearing, std::optional<double> variation,
                                  std::optional<double> heading, ExplanationLines* lines);

struct AzimuthCheckInput {
  std::string body;
  double julianDayUt = 0.0;
  GeoPosition dr;
  double bearing = 0.0;               // by compass (or gyro), degrees
  std::optional<double> variation;    // degrees, east positive
  std::optional<double> heading;      // the ship's heading by the same compass, degrees
};

struct AzimuthCheck {
  double azimuth = 0.0;   // Zn, degrees true: the same Zn as the sight's reduction
  double altitude = 0.0;  // Hc, degrees
  ErrorAndDeviation errors;
  ExplanationLines lines;
};
std::optional<AzimuthCheck> CheckByAzimuth(const AzimuthCheckInput& input, std::string& why);

struct AmplitudeCheckInput {
  std::string body;
  double dayJulianDayUt = 0.0;  // 0h UT of the date at the ship
  GeoPosition dr;
  HorizonCrossing crossing = HorizonCrossing::kRising;
  double heightOfEye = 0.0, pressure = 1010.0, temperature = 10.0;  // metres, millibars, °C
  std::optional<double> bearing;    // the centre's bearing by compass on the visible horizon
  std::optional<double> variation;
};

struct AmplitudeCheck {
  double julianDayUt = 0.0;  // the centre on the celestial horizon
  double declination = 0.0;
  double amplitude = 0.0;    // degrees from the prime vertical, north positive
  double azimuth = 0.0;      // Zn there
  double visibleJulianDayUt = 0.0;  // the centre on the visible horizon
  double visibleAzimuth = 0.0;      // Zn there
  double visibleCorrection = 0.0;   // amplitude on the celestial horizon less the visible one, north positive
  std::optional<ErrorAndDeviation> errors;
  ExplanationLines lines;
};
// None, with the message, when the body does not rise (or set) on that day there.
std::optional<AmplitudeCheck> CheckByAmplitude(const AmplitudeCheckInput& input, std::string& why);

// "E 21.3° S": E at rising, W at setting, the amplitude, its name toward the body.
std::string AmplitudeText(double amplitude, HorizonCrossing crossing);

}  // namespace orrelin::navigation
