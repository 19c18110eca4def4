#include "report/report_record.h"

#include "report/body_place.h"

namespace orrelin {

void ClearReport(ReportWindowRecord& report) {
  // Every result box, so that a run stopped by bad input never leaves the numbers of
  // the previous body under the new title.
  for (std::string* box : {&report.julianDays, &report.deltaTime, &report.rightAscension, &report.declination,
                           &report.greenwichHourAngle, &report.localHourAngle, &report.altitude, &report.azimuth,
                           &report.refractedAltitude, &report.phase, &report.elongation,
                           &report.rising, &report.transit, &report.setting, &report.magnitude,
                           &report.civilBegins, &report.civilEnds, &report.nauticalBegins, &report.nauticalEnds,
                           &report.astronomicalBegins, &report.astronomicalEnds, &report.spare}) {
    box->clear();
  }
}

void ShowPartsOfBody(const std::string& bodyCode, ReportWindowRecord& report) {
  report.phaseVisible = bodyCode == kMoon;
  report.twilightVisible = bodyCode == kSun;
  report.satellitesVisible = bodyCode == kJupiter;
  // Saturn has no magnitude: its label and box are hidden too.
  report.magnitudeVisible = bodyCode != kMoon && bodyCode != kSun && bodyCode != kSaturn;
}

}  // namespace orrelin
