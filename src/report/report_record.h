#pragma once
// What the report window shows: the title, the result boxes, the two columns of
// explanation lines and which of its parts are visible.
#include <string>

#include "core/body.h"
#include "core/explanation.h"

namespace orrelin {

struct ReportWindowRecord {
  bool shown = false;
  std::string title;                 // Label12
  std::string julianDays;            // Edit1 "Julian Days"
  std::string deltaTime;             // Edit3 "DeltaTime TD-UT"
  std::string rightAscension;        // Edit5
  std::string declination;           // Edit7
  std::string greenwichHourAngle;    // Edit9
  std::string localHourAngle;        // Edit10
  std::string altitude;              // Edit11
  std::string azimuth;               // Edit12
  bool refractionVisible = false;    // Panel2
  std::string refractedAltitude;     // Edit2
  bool magnitudeVisible = false;     // lbMagn, edMagn
  std::string magnitude;             // edMagn
  std::string rising, transit, setting;             // Edit4, Edit6, Edit8
  bool twilightVisible = false;                     // pnlTwilight
  std::string civilBegins, civilEnds;               // Edit14, Edit15
  std::string nauticalBegins, nauticalEnds;         // Edit16, Edit17
  std::string astronomicalBegins, astronomicalEnds; // Edit18, Edit19
  bool phaseVisible = false;         // PaintBox1, Label22, lblPhase
  std::string phase;                 // lblPhase, e.g. "42.5%"
  std::string elongation;            // lbFas, whole degrees
  bool satellitesVisible = false;    // btnSatellit
  bool spareVisible = false;         // Edit20
  std::string spare;                 // Edit20
  ExplanationLines lines;            // Memo1, Memo2
};

// Empties the result boxes every report starts from.
void ClearReport(ReportWindowRecord& report);

// Shows for the body only its own parts of the window.
void ShowPartsOfBody(Body body, ReportWindowRecord& report);

}  // namespace orrelin
