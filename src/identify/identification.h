#pragma once
// Identification of a body from a sextant altitude and a compass azimuth: the
// altitude corrected for dip and refraction, turned with the azimuth into the
// declination and local hour angle the body must have, and the three planets and
// catalogue stars nearest to them. What the user types is the sight; what the window and
// the command line show is the result, as texts.
#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/messages.h"
#include "report/main_window_record.h"
#include "core/message_texts.h"

namespace orrelin {

inline constexpr std::array<const char*, 9> kMagnitudeChoices{"6.0", "5.0", "4.0", "3.0", "2.0",
                                                               "1.0", "-0.0", "-1.0", "-2.0"};
inline constexpr const char* kInitialMagnitudeLimit = "2.0";
// Farther than this from the sight, no body is taken for the one sighted.
inline constexpr double kNearestWorthNaming = 5.0;  // degrees

// One of the three result panels: pnlSearch1..3.
struct CandidatePanel {
  bool visible = false;
  std::string name;         // lblName
  std::string declination;  // edtDec
  std::string lha;          // edtLHA
  std::string altitude;     // edtHei
  std::string azimuth;      // edtAzi
  std::string magnitude;    // edMag
  std::string separation;   // edSep: the angle between the sight and the body, "0.8°"
};

// The sight as typed: the sextant altitude, the compass azimuth and the faintest magnitude.
struct IdentifySight {
  std::string hmDeg;                                    // edtHmDeg, whole degrees of Hs
  std::string hmMin;                                    // edtHmMin
  std::string azimuth;                                  // edtAzim
  std::string magnitudeLimit = kInitialMagnitudeLimit;  // cbMg
};

// What an identification shows: the observed panel, the candidates' panels, the notice,
// and what the main window's boxes show after it.
struct IdentifyResult {
  bool identified = false;  // false when a message stopped it (what was found so far shows)
  // pnlObsHeight.
  bool observedVisible = false;
  std::string apparentAltitude;  // edtAppHeight
  std::string observedDeg;       // edtObsDeg, "-0" for a small negative Ho
  std::string observedMin;       // edtObsMin
  std::string declination;       // edtDeclination
  std::string lha;               // edtLHA
  std::string observedAltitude;  // edHei2
  std::string observedAzimuth;   // edAzi2
  std::array<CandidatePanel, 3> panels;
  std::string notice;  // lblNotice: kMessageNothingNear, or empty
  // What the main window's boxes show once the place was read ("0.0" in an empty
  // minutes box); nothing when the sight was refused before the place was read.
  MainWindowCorrections mainWindow;
};

// One body of the search, as the slots keep it.
struct Candidate {
  double distance = 1000.0;
  std::string name;       // up to 15 characters
  std::string magnitude;  // up to 4 characters
  double declination = 0.0, lha = 0.0, altitude = 0.0, azimuth = 0.0;  // degrees
  double separation = 0.0;  // degrees from the sight on the sky
};
using IdentifyCandidates = std::array<Candidate, 3>;

// Keeps the three nearest, best first: moves carry the whole slot, and a body at the
// distance of a kept one goes behind it.
void KeepNearest(IdentifyCandidates& slots, const Candidate& body);

// The declination and local hour angle (0..360) of a body at observed altitude Ho
// and azimuth Zn, seen from latitude phi (degrees).
struct ObservedPlace {
  double declination = 0.0;
  double lha = 0.0;
};
ObservedPlace PlaceOfSight(double latitude, double observedAltitude, double azimuth);

// Distance of a body from the observed place: |dDec| + |dLHA|, the hour angles taken
// the short way round the circle.
double IdentifyDistance(const ObservedPlace& observed, double declination, double lha);

// The angle on the sky between the sight (observed altitude and azimuth) and a body
// (its computed altitude and azimuth), degrees.
double SightSeparation(double observedAltitude, double observedAzimuth, double altitude, double azimuth);

// "0.8°": a separation as the window and the command line show it.
std::string SeparationText(double degrees);

// The OK button: checks, the altitude corrections, the calculation and the search,
// reading the place and moment from the main window and the catalogue once.
IdentifyResult IdentifyOk(const IdentifySight& sight, const MainWindowRecord& main,
                          const std::filesystem::path& starFile, MessageSink& sink);

}  // namespace orrelin
