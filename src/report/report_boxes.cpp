#include "report/report_boxes.h"

namespace orrelin {

std::vector<CaptionedBox> ReportBoxes(const ReportWindowRecord& r) {
  std::vector<CaptionedBox> boxes{
      {"Julian Days", r.julianDays},
      {"DeltaTime TD-UT", r.deltaTime},
      {"Right Ascension", r.rightAscension},
      {"Declination", r.declination},
      {"Greenwich Hour Angle", r.greenwichHourAngle},
      {"Local Hour Angle", r.localHourAngle},
      {"Altitude", r.altitude},
      {"Azimuth", r.azimuth},
  };
  if (r.refractionVisible) boxes.emplace_back("Altitude taking into account atmospheric refraction", r.refractedAltitude);
  if (r.magnitudeVisible) boxes.emplace_back("Visual magnitude", r.magnitude);
  if (r.phaseVisible) boxes.emplace_back("Phase", r.phase);
  boxes.emplace_back("Rising", r.rising);
  boxes.emplace_back("Transit", r.transit);
  boxes.emplace_back("Setting", r.setting);
  if (r.twilightVisible) {
    boxes.emplace_back("Civil Twilight", r.civilBegins);
    boxes.emplace_back("Civil Twilight ends", r.civilEnds);
    boxes.emplace_back("Nautical Twilight", r.nauticalBegins);
    boxes.emplace_back("Nautical Twilight ends", r.nauticalEnds);
    boxes.emplace_back("Astronomical Twilight", r.astronomicalBegins);
    boxes.emplace_back("Astronomical Twilight ends", r.astronomicalEnds);
  }
  return boxes;
}

}  // namespace orrelin
