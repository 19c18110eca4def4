#include "navigation/compass_check.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "app/date_box.h"
#include "core/angle_text.h"
#include "core/angles.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "navigation/body_crossing.h"
#include "navigation/body_place.h"
#include "navigation/sights_file.h"
#include "navigation/watch_texts.h"
#include "report/observer_reading.h"

namespace orrelin::navigation {

namespace {

std::string BearingText(double degrees) { return FixedText(degrees, 1) + kDegreeSign; }

// The moment the body's computed altitude at the DR passes h0 upward (rising) or
// downward (setting) within a day from the start, to a second.
std::optional<double> CrossingTime(const std::string& body, const GeoPosition& at, double start, double h0,
                                   HorizonCrossing crossing, std::string& why) {
  const auto times = CrossingTimes(body, ShipTrack{at, start, 0.0, 0.0}, start, {h0}, crossing, why);
  if (!times) return std::nullopt;
  if (!times->front()) {
    const auto named = SightBodyNamed(body);
    why = (named ? named->name : body) + (crossing == HorizonCrossing::kRising ? " does not rise" : " does not set") + " at " +
          PositionText(at) + " on that day";
  }
  return times->front();
}

double AmplitudeOfAzimuth(double azimuth, HorizonCrossing crossing) {
  return crossing == HorizonCrossing::kRising ? std::remainder(90.0 - azimuth, 360.0)
                                              : std::remainder(azimuth - 270.0, 360.0);
}

}  // namespace

double CompassErrorOf(double trueBearing, double compassBearing) {
  return std::remainder(trueBearing - compassBearing, 360.0);
}

std::optional<double> ReadVariation(const std::string& text) {
  std::string number = text;
  while (!number.empty() && std::isspace(static_cast<unsigned char>(number.back()))) number.pop_back();
  double sign = 1.0;
  bool named = false;
  if (!number.empty()) {
    const char name = static_cast<char>(std::toupper(static_cast<unsigned char>(number.back())));
    if (name == 'E' || name == 'W') {
      sign = name == 'W' ? -1.0 : 1.0;
      named = true;
      number.pop_back();
    }
  }
  const std::vector<std::string> words = SplitAtBlanks(number);
  if (words.size() != 1) return std::nullopt;
  const auto value = ReadBoundedDecimal(words[0], named ? 0.0 : -180.0, 180.0);
  if (!value) return std::nullopt;
  return sign * *value;
}

ErrorAndDeviation ErrorsOfBearing(double trueBearing, double compassBearing, std::optional<double> variation,
                                  std::optional<double> heading, ExplanationLines* lines) {
  ErrorAndDeviation e;
  e.error = CompassErrorOf(trueBearing, compassBearing);
  ReportLine(lines, "Compass bearing:", BearingText(compassBearing));
  ReportLine(lines, "Compass error (true - compass):", ErrorText(e.error));
  if (heading) ReportLine(lines, "Ship's heading by compass:", BearingText(*heading));
  if (variation) {
    e.deviation = std::remainder(e.error - *variation, 360.0);
    ReportLine(lines, "Variation:", ErrorText(*variation));
    ReportLine(lines, "Deviation (error - variation):",
               ErrorText(*e.deviation) + (heading ? " on heading " + BearingText(*heading) : ""));
  }
  return e;
}

std::optional<AzimuthCheck> CheckByAzimuth(const AzimuthCheckInput& in, std::string& why) {
  const auto place = HourAngleAt(in.body, in.julianDayUt, why);
  if (!place) return std::nullopt;
  AzimuthCheck check;
  const ComputedPlace c = ComputedAltitude(in.dr, place->gha, place->declination);
  check.azimuth = c.azimuth;
  check.altitude = c.altitude;
  ExplanationLines* lines = &check.lines;
  ReportLine(lines, "Time:", UtcMomentText(in.julianDayUt) + " UT");
  ReportLine(lines, "DR:", PositionText(in.dr));
  ReportLine(lines, "GHA:", DegMinText(place->gha));
  ReportLine(lines, "Declination:", NamedAngleText(place->declination, "N", "S"));
  ReportLine(lines, "LHA:", DegMinText(NormalizeAngle(place->gha + in.dr.longitude)));
  ReportLine(lines, "Computed altitude Hc:", AltitudeText(c.altitude));
  ReportLine(lines, "True azimuth Zn:", BearingText(c.azimuth));
  check.errors = ErrorsOfBearing(c.azimuth, in.bearing, in.variation, in.heading, lines);
  return check;
}

std::string AmplitudeText(double amplitude, HorizonCrossing crossing) {
  const std::string angle = FixedText(std::fabs(amplitude), 1);
  return std::string(crossing == HorizonCrossing::kRising ? "E " : "W ") + angle + kDegreeSign +
         (angle == "0.0" ? "" : amplitude > 0 ? " N" : " S");
}

std::optional<AmplitudeCheck> CheckByAmplitude(const AmplitudeCheckInput& in, std::string& why) {
  const double localMidnight = in.dayJulianDayUt - in.dr.longitude / 360.0;
  AmplitudeCheck check;
  const auto t = CrossingTime(in.body, in.dr, localMidnight, 0.0, in.crossing, why);
  if (!t) return std::nullopt;
  const auto place = HourAngleAt(in.body, *t, why);
  if (!place) return std::nullopt;
  check.julianDayUt = *t;
  check.declination = place->declination;
  check.azimuth = ComputedAltitude(in.dr, place->gha, place->declination).azimuth;
  check.amplitude = AmplitudeOfAzimuth(check.azimuth, in.crossing);
  // The centre on the visible horizon: the observed altitude of a sextant reading of 0,
  // with the dip, the refraction and the parallax (the Moon's) of that height of eye.
  Sight onHorizon;
  onHorizon.body = in.body;
  onHorizon.julianDayUt = *t;
  onHorizon.heightOfEye = in.heightOfEye;
  onHorizon.pressure = in.pressure;
  onHorizon.temperature = in.temperature;
  const auto h0 = ObservedAltitudeOf(onHorizon, in.dr.latitude, nullptr, why);
  if (!h0) return std::nullopt;
  const auto visible = CrossingTime(in.body, in.dr, *t - 0.125, h0->observed, in.crossing, why);
  if (!visible) return std::nullopt;
  const auto seen = ComputedPlaceAt(in.body, *visible, in.dr, why);
  if (!seen) return std::nullopt;
  check.visibleJulianDayUt = *visible;
  check.visibleAzimuth = seen->azimuth;
  check.visibleCorrection = check.amplitude - AmplitudeOfAzimuth(seen->azimuth, in.crossing);
  ExplanationLines* lines = &check.lines;
  const char* event = in.crossing == HorizonCrossing::kRising ? "rising" : "setting";
  ReportLine(lines, "DR:", PositionText(in.dr));
  ReportLine(lines, std::string("Centre ") + event + " (celestial horizon):", UtcMomentText(*t) + " UT");
  ReportLine(lines, "Declination:", NamedAngleText(check.declination, "N", "S"));
  ReportLine(lines, "Amplitude (sin A = sin Dec / cos Lat):", AmplitudeText(check.amplitude, in.crossing));
  ReportLine(lines, "True azimuth Zn:", BearingText(check.azimuth));
  ReportLine(lines, "Centre on the visible horizon:", UtcMomentText(*visible) + " UT, altitude " +
                                                         AltitudeText(h0->observed));
  ReportLine(lines, "Correction for the visible horizon:",
             FixedText(std::fabs(check.visibleCorrection), 1) + kDegreeSign +
                 (check.visibleCorrection >= 0 ? " toward N" : " toward S"));
  ReportLine(lines, "Zn on the visible horizon:", BearingText(check.visibleAzimuth));
  if (in.bearing) check.errors = ErrorsOfBearing(check.visibleAzimuth, *in.bearing, in.variation, std::nullopt, lines);
  return check;
}

}  // namespace orrelin::navigation
