#include "identify/identification.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/angle_text.h"
#include "core/angles.h"
#include "core/calendar.h"
#include "core/clock.h"
#include "core/degmin.h"
#include "core/encoding.h"
#include "core/moment.h"
#include "core/numbers.h"
#include "earth/nutation.h"
#include "earth/observer.h"
#include "planets/apparent_place.h"
#include "report/body_report.h"
#include "report/observer_reading.h"
#include "report/report_start.h"
#include "stars/star_file.h"
#include "stars/star_place.h"

namespace orrelin {

namespace {

// The planets in the order of the search.
constexpr std::array<Body, 7> kSearchedPlanets{Body::kJupiter, Body::kMars,    Body::kMercury, Body::kSaturn,
                                              Body::kVenus,   Body::kNeptune, Body::kUranus};

std::string DeclinationPanelText(double declination) {
  return DegMinText(declination) + (declination > 0 ? "  N" : "  S");
}

// The OK button's checks and the altitude corrections (steps 1 to 8). The main
// window's weather is checked with its place before it corrects anything, so that
// no observed altitude is shown from values no place can have.
struct SextantReading {
  double magnitudeLimit = 0.0;
  Observer observer;
};
std::optional<SextantReading> CheckAndCorrect(const IdentifySight& sight, const MainWindowRecord& main,
                                             IdentifyResult& form, MessageSink& sink) {
  form.observedVisible = true;
  bool valid = true;
  // Whole degrees 0..90 and minutes below 60: what a sextant can read.
  const auto hs = ReadPlaceAngle(sight.hmDeg, sight.hmMin, 90);
  if (sight.hmDeg.empty() || !hs) valid = false;
  if (!valid) sink.ShowMessage(kMessageHeightInDegreesAndMinutes);
  const NumberRead limit = ReadDecimal(sight.magnitudeLimit);
  if (!limit.ok) valid = false;
  if (limit.ok && (limit.value < -4.0 || limit.value > 8.0)) sink.ShowMessage(kMessageMagnitudeRange);
  const NumberRead azimuth = ReadDecimal(sight.azimuth);
  if (sight.azimuth.empty() || !azimuth.ok || azimuth.value < 0 || azimuth.value > 360) {
    valid = false;
    sink.ShowMessage(kMessageAzimuthRange);
  }
  if (!valid) return std::nullopt;
  // Reading the place has the window show "0.0" in an empty minutes box.
  form.mainWindow = PlaceBoxCorrections(main);
  const auto observer = ReadObserverInWholeMetres(main);
  if (!observer) {
    sink.ShowMessage(kMessageBadLocation);
    sink.BringMainWindowForward();
    return std::nullopt;
  }

  const SextantCorrection c = SextantCorrections(observer->height, observer->temperature, observer->pressure);
  const double apparent = *hs + c.dip;
  form.apparentAltitude = AltitudeText(apparent);
  const double observed = apparent - ObservedRefraction(apparent, c.refractionFactor);
  // A negative observed altitude keeps its sign: "-0" and its minutes.
  const DegMinFieldTexts fields = DegMinFields(observed);
  const bool negative = AltitudeText(observed).rfind('-', 0) == 0;
  form.observedDeg = (negative ? "-" : "") + fields.degrees;
  form.observedMin = fields.minutes;
  return SextantReading{limit.value, *observer};
}

// The observed altitude as the two boxes show it, with its sign.
std::optional<double> ObservedAltitudeOfBoxes(const IdentifyResult& form) {
  const NumberRead degrees = ReadWholeNumber(form.observedDeg);
  const NumberRead minutes = ReadDecimal(form.observedMin);
  if (!degrees.ok || !minutes.ok) return std::nullopt;
  const double magnitude = std::fabs(degrees.value) + minutes.value / 60.0;
  return form.observedDeg.rfind('-', 0) == 0 ? -magnitude : magnitude;
}

// What every body of one search shares: the moment and the observer, and what
// follows from them alone (computed once, not for each of 65 bodies).
struct SearchMoment {
  Observer observer;
  Moment moment;  // with the report's Delta T for this moment
  double magnitudeLimit = 0.0;
  ObservedPlace observed;
  double observedAltitude = 0.0, observedAzimuth = 0.0;  // the sight, degrees
  double siderealHours = 0.0;  // apparent, at the moment
  GeocentricPosition geocentric;
};

// From the apparent place of a body to its distance from the sight (steps 5 to 7).
Candidate Evaluate(const SearchMoment& m, const std::string& name, const std::string& magnitude,
                   const ApparentPlace& place) {
  const Observer& o = m.observer;
  const EquatorialPlace topocentric = TopocentricCorrection({place.rightAscension, place.declination},
                                                            place.parallax, o.longitude, m.geocentric,
                                                            m.siderealHours);
  const double gha = HourAngle(topocentric.rightAscension, m.siderealHours);
  const HorizontalResult h =
      HorizontalCoordinates(o.latitude, o.longitude, o.temperature, o.pressure, topocentric.declination, gha);
  Candidate c;
  c.name = CutToCharacters(name, 15);
  c.magnitude = CutToCharacters(magnitude, 4);
  c.declination = topocentric.declination;
  c.lha = h.localHourAngle;
  c.altitude = h.altitude;
  c.azimuth = h.azimuth;
  c.distance = IdentifyDistance(m.observed, c.declination, c.lha);
  c.separation = SightSeparation(m.observedAltitude, m.observedAzimuth, c.altitude, c.azimuth);
  return c;
}

// The three nearest, and how near the nearest of all bodies came on the sky.
struct SearchResult {
  IdentifyCandidates slots;
  double nearest = 360.0;  // degrees
  void Keep(const Candidate& c) {
    nearest = std::min(nearest, c.separation);
    KeepNearest(slots, c);
  }
};

void SearchPlanets(const SearchMoment& m, SearchResult& slots) {
  const double t1900 = CenturiesFrom1900Tt(m.moment);  // the places at TT, as the report's
  for (const Body planet : kSearchedPlanets) {
    const PlanetPlace p = PlanetApparentPlace(*PlanetOf(planet), t1900, JulianDayAtZero(m.moment), nullptr);
    // Saturn's magnitude is not computed: "?", counted as 0.
    const std::string magnitude = planet == Body::kSaturn ? "?" : p.magnitude;
    const double value = planet == Body::kSaturn ? 0.0 : ReadDecimal(p.magnitude).value;
    if (value > m.magnitudeLimit) continue;
    slots.Keep(Evaluate(m, std::string(BodyCode(planet)), magnitude, p.place));
  }
}

void SearchStars(const SearchMoment& m, const std::filesystem::path& starFile, SearchResult& slots,
                 MessageSink& sink) {
  const StarCatalogue catalogue = LoadStarCatalogue(starFile);
  if (!catalogue.message.empty()) sink.ShowMessage(catalogue.message);
  const double t = CenturiesFromJ2000Tt(m.moment);  // the places at TT, as the report's
  const NutationResult nutation = Nutation(t, nullptr);
  for (std::size_t i = 0; i < catalogue.records.size(); ++i) {
    const auto& star = catalogue.values[i];
    if (!star || catalogue.magnitudes[i] > m.magnitudeLimit) continue;  // unnamed, or too faint
    const EquatorialPlace p = StarApparentPlace(*star, t, nutation);
    slots.Keep(Evaluate(m, catalogue.records[i].Name(), catalogue.records[i].fields[6],
                        {p.rightAscension, p.declination, 0.0}));
  }
}

void ShowPanel(const Candidate& c, CandidatePanel& panel) {
  panel.visible = true;
  panel.name = c.name;
  panel.declination = DeclinationPanelText(c.declination);
  panel.lha = DegMinText(c.lha);
  panel.altitude = AltitudeText(c.altitude);
  panel.azimuth = FixedText(c.azimuth, 1) + kDegreeSign;
  panel.magnitude = c.magnitude;
  panel.separation = c.name.empty() ? "" : SeparationText(c.separation);  // an empty slot is no body
}

}  // namespace

void KeepNearest(IdentifyCandidates& s, const Candidate& body) {
  const double d = body.distance;
  if (d < s[0].distance) {
    if (s[0].distance < s[1].distance) {
      if (s[1].distance < s[2].distance) s[2] = s[1];
      s[1] = s[0];
    }
    s[0] = body;
  } else if (d < s[1].distance) {
    if (s[1].distance < s[2].distance) s[2] = s[1];
    s[1] = body;
  } else if (d < s[2].distance) {
    s[2] = body;
  }
}

double SightSeparation(double observedAltitude, double observedAzimuth, double altitude, double azimuth) {
  // The haversine form, exact for the small angles that matter here.
  const double dAltitude = SinDeg((altitude - observedAltitude) / 2.0);
  const double dAzimuth = SinDeg((azimuth - observedAzimuth) / 2.0);
  const double h = dAltitude * dAltitude + CosDeg(observedAltitude) * CosDeg(altitude) * dAzimuth * dAzimuth;
  return 2.0 * ArcSinDeg(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

std::string SeparationText(double degrees) { return FixedText(degrees, 1) + kDegreeSign; }

ObservedPlace PlaceOfSight(double latitude, double observedAltitude, double azimuth) {
  ObservedPlace p;
  p.declination = ArcSinDeg(SinDeg(latitude) * SinDeg(observedAltitude) +
                            CosDeg(latitude) * CosDeg(observedAltitude) * CosDeg(azimuth));
  p.lha = ArcCosDeg((SinDeg(observedAltitude) - SinDeg(latitude) * SinDeg(p.declination)) /
                    (CosDeg(latitude) * CosDeg(p.declination)));
  if (azimuth < 180) p.lha = 360.0 - p.lha;
  return p;
}

double IdentifyDistance(const ObservedPlace& observed, double declination, double lha) {
  const double hourAngles = std::fabs(lha - observed.lha);
  return std::fabs(declination - observed.declination) + std::min(hourAngles, 360.0 - hourAngles);
}

IdentifyResult IdentifyOk(const IdentifySight& sight, const MainWindowRecord& main,
                          const std::filesystem::path& starFile, MessageSink& sink) {
  IdentifyResult form;
  const auto reading = CheckAndCorrect(sight, main, form, sink);
  if (!reading) return form;

  // The calculation: the place and moment of the main window, read now.
  SearchMoment m;
  m.magnitudeLimit = reading->magnitudeLimit;
  m.observer = reading->observer;
  bool valid = true;
  const TCalendarDate date = DateToRecord(main.date, valid);
  ParseClockTime(main.time, valid);
  if (!valid) {
    sink.ShowMessage(kMessageBadTime);
    return form;
  }
  const double hours = HmsToHours(main.time);
  // Every body is taken at the same instant: the date at 0h and the hours of the day.
  m.moment = WithDeltaT(MomentOfDate(date, hours, main.beforeChrist), ReportDeltaT(main, date, hours));
  m.siderealHours = SiderealTime(m.moment.hours, JulianDayAtZero(m.moment)).apparent;
  m.geocentric = ObserverGeocentric(m.observer.latitude, m.observer.height);
  const NumberRead azimuth = ReadDecimal(sight.azimuth);
  const auto observed = ObservedAltitudeOfBoxes(form);
  if (sight.azimuth.empty() || !azimuth.ok || !observed) {
    sink.ShowMessage(kMessageHeightInDegreesAndMinutes);
    return form;
  }
  m.observed = PlaceOfSight(m.observer.latitude, *observed, azimuth.value);
  m.observedAltitude = *observed;
  m.observedAzimuth = azimuth.value;
  form.declination = DeclinationPanelText(m.observed.declination);
  form.lha = DegMinText(m.observed.lha);
  form.observedAzimuth = sight.azimuth + kDegreeSign;
  form.observedAltitude = AltitudeText(*observed);

  SearchResult found;
  SearchPlanets(m, found);
  SearchStars(m, starFile, found, sink);
  const IdentifyCandidates& slots = found.slots;
  if (found.nearest > kNearestWorthNaming) form.notice = kMessageNothingNear;
  ShowPanel(slots[0], form.panels[0]);
  if (slots[1].name != slots[0].name) ShowPanel(slots[1], form.panels[1]);
  if (slots[2].name != slots[0].name && slots[2].name != slots[1].name) ShowPanel(slots[2], form.panels[2]);
  form.identified = true;
  return form;
}

}  // namespace orrelin
