#include "precise/ephemeris.h"

#include <swephexp.h>

#include <array>
#include <clocale>
#include <cmath>
#include <cstring>
#include <mutex>

#include "precise/swiss_library.h"

namespace orrelin::precise {

namespace {

// The library keeps its settings (files, observer, Delta T) in its own globals: every
// use goes through this lock, and sets what it needs each time.
std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}

// The library reads its text files (the star file among them) with the C library's
// number reading, which follows the locale: under a comma-decimal locale "55.23907"
// read as 55 and put stars up to 15" off. This thread reads numbers the C way while
// it uses the library.
class CNumbersWhileInUse {
 public:
  CNumbersWhileInUse() : c_(newlocale(LC_NUMERIC_MASK, "C", duplocale(LC_GLOBAL_LOCALE))) {
    if (c_ != nullptr) previous_ = uselocale(c_);
  }
  ~CNumbersWhileInUse() {
    if (c_ == nullptr) return;
    uselocale(previous_);
    freelocale(c_);
  }
  CNumbersWhileInUse(const CNumbersWhileInUse&) = delete;
  CNumbersWhileInUse& operator=(const CNumbersWhileInUse&) = delete;

 private:
  locale_t c_ = nullptr;
  locale_t previous_ = nullptr;
};

// The lock and the C numbers, for one use of the library.
struct InUse {
  std::lock_guard<std::mutex> hold{LibraryLock()};
  CNumbersWhileInUse numbers;
};

// The library set on the program's own ephemeris folder (never the current folder) and
// the moment's Delta T; none, with the reason, when it cannot be opened.
const SwissLibrary* Prepare(const Moment& moment, std::string& why) {
  const SwissLibrary* swe = OpenSwissLibrary(why);
  if (swe == nullptr) return nullptr;
  static const bool onTheFolder = [swe] {
    swe->setEphePath(ORRELIN_EPHEMERIS_PATH);
    return true;
  }();
  (void)onTheFolder;
  swe->setDeltaTUserdef(moment.deltaT / 86400.0);
  return swe;
}

int32 LibraryBody(Body body) {
  static constexpr std::array<int32, 9> kCodes{SE_SUN,     SE_MOON,    SE_MERCURY, SE_VENUS, SE_MARS,
                                               SE_JUPITER, SE_SATURN,  SE_URANUS,  SE_NEPTUNE};
  return kCodes[static_cast<std::size_t>(body)];
}

// A star has no place of its own among the bodies: its name is needed (StarPlace).
bool IsSolarSystemBody(Body body, std::string& why) {
  if (body != Body::kStar) return true;
  why = "a star's place is found by its name";
  return false;
}

int32 FrameFlags(Frame frame) {
  const int32 flags = SEFLG_SWIEPH | SEFLG_EQUATORIAL | SEFLG_SPEED;
  return frame == Frame::kApparent ? flags : flags | SEFLG_J2000 | SEFLG_ICRS | SEFLG_ASTROMETRIC;
}

// The library falls back to a less precise theory when its files are missing: that
// is no precise place.
bool FromTheFiles(int32 returned, const char* error, std::string& why) {
  if (returned < 0) {
    why = error;
    return false;
  }
  if ((returned & SEFLG_SWIEPH) == 0) {
    why = std::string("precise places are given for the years 1800 to 2399 (the ephemeris files in ") +
          ORRELIN_EPHEMERIS_PATH + ")";
    return false;
  }
  return true;
}

PrecisePlace PlaceOf(const double* x) {
  PrecisePlace p;
  p.rightAscension = x[0];
  p.declination = x[1];
  p.distance = x[2];
  p.rightAscensionRate = x[3];
  p.declinationRate = x[4];
  return p;
}

// The star file's own name of a navigational star where the two differ, or its
// designation where the file gives the name to two stars ("Menkar": alpha and lambda Ceti).
std::string LibraryStarName(const std::string& name) {
  if (name == "Al Na'ir") return "Alnair";
  if (name == "Menkar") return ",alCet";
  return name;
}

}  // namespace

std::optional<PrecisePlace> BodyPlace(Body body, const Moment& moment, Frame frame,
                                      const std::optional<GeoPlace>& topocentric, std::string& why) {
  if (!IsSolarSystemBody(body, why)) return std::nullopt;
  const InUse inUse;
  const SwissLibrary* swe = Prepare(moment, why);
  if (swe == nullptr) return std::nullopt;
  int32 flags = FrameFlags(frame);
  if (topocentric) {
    swe->setTopo(topocentric->eastLongitude, topocentric->latitude, topocentric->height);
    flags |= SEFLG_TOPOCTR;
  }
  double x[6] = {};
  char error[AS_MAXCH] = {};
  const int32 returned = swe->calcUt(JulianDayUt(moment), LibraryBody(body), flags, x, error);
  if (!FromTheFiles(returned, error, why)) return std::nullopt;
  return PlaceOf(x);
}

std::optional<Phenomena> BodyPhenomena(Body body, const Moment& moment, std::string& why) {
  if (!IsSolarSystemBody(body, why)) return std::nullopt;
  const InUse inUse;
  const SwissLibrary* swe = Prepare(moment, why);
  if (swe == nullptr) return std::nullopt;
  double attr[20] = {};
  char error[AS_MAXCH] = {};
  const int32 returned = swe->phenoUt(JulianDayUt(moment), LibraryBody(body), SEFLG_SWIEPH, attr, error);
  if (!FromTheFiles(returned, error, why)) return std::nullopt;
  Phenomena p;
  p.phaseAngle = attr[0];
  p.illuminated = attr[1];
  p.elongation = attr[2];
  p.semidiameter = attr[3] / 2.0;
  p.magnitude = attr[4];
  return p;
}

std::optional<PrecisePlace> StarPlace(const std::string& name, const Moment& moment, Frame frame, std::string& why) {
  const InUse inUse;
  const SwissLibrary* swe = Prepare(moment, why);
  if (swe == nullptr) return std::nullopt;
  // The library writes the star's full name back into the buffer.
  char star[AS_MAXCH] = {};
  std::strncpy(star, LibraryStarName(name).c_str(), sizeof star - 1);
  double x[6] = {};
  char error[AS_MAXCH] = {};
  const int32 returned = swe->fixstar2Ut(star, JulianDayUt(moment), FrameFlags(frame), x, error);
  if (!FromTheFiles(returned, error, why)) return std::nullopt;
  PrecisePlace p = PlaceOf(x);
  p.distance = 0.0;
  return p;
}

double GreenwichApparentSiderealTime(const Moment& moment) {
  // IAU 2006/2000 (IERS Conventions 2010, eq. 5.15 and 5.32): the Earth rotation angle
  // of UT1, the accumulated precession in right ascension in TT, and the equation of the
  // equinoxes from the library's nutation and true obliquity of date.
  const double du = JulianDayUt(moment) - 2451545.0;
  const double era = 360.0 * (0.7790572732640 + 0.00273781191135448 * du + std::fmod(du, 1.0));
  const double t = (du + moment.deltaT / 86400.0) / 36525.0;
  const double precession =
      (0.014506 + t * (4612.156534 + t * (1.3915817 + t * (-0.00000044 + t * (-0.000029956 - t * 0.0000000368))))) /
      3600.0;
  // Without the library (whose places the callers have had first) the equation of the
  // equinoxes is left out.
  double nutation[6] = {};
  {
    const InUse inUse;
    std::string why;
    if (const SwissLibrary* swe = Prepare(moment, why)) {
      char error[AS_MAXCH] = {};
      swe->calcUt(JulianDayUt(moment), SE_ECL_NUT, SEFLG_SWIEPH, nutation, error);
    }
  }
  const double trueObliquity = nutation[0] * M_PI / 180.0;
  const double equinoxes = nutation[2] * std::cos(trueObliquity);
  const double gast = std::fmod(era + precession + equinoxes, 360.0);
  return gast < 0 ? gast + 360.0 : gast;
}

std::string LibraryName() {
  std::string why;
  const SwissLibrary* swe = OpenSwissLibrary(why);
  if (swe == nullptr) return why;
  char version[AS_MAXCH] = {};
  swe->version(version);
  return std::string("Swiss Ephemeris ") + version + " (JPL DE431)";
}

}  // namespace orrelin::precise
