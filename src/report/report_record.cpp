#include "report/report_record.h"

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

void ShowPartsOfBody(Body body, ReportWindowRecord& report) {
  report.phaseVisible = body == Body::kMoon;
  report.twilightVisible = body == Body::kSun;
  report.satellitesVisible = body == Body::kJupiter;
  // Saturn has no magnitude: its label and box are hidden too.
  report.magnitudeVisible = body != Body::kMoon && body != Body::kSun && body != Body::kSaturn;
}

}  // namespace orrelin
