#include "cli/commands/command_unit.h"

namespace orrelin::cli {

std::vector<std::unique_ptr<CommandUnit>> CommandUnits() {
  std::vector<std::unique_ptr<CommandUnit>> units;
  units.push_back(ReportUnit());
  units.push_back(SatellitesUnit());
  units.push_back(IdentifyUnit());
  units.push_back(AlmanacUnit());
  units.push_back(PlacesUnit());
  units.push_back(EphemerisUnit());
  units.push_back(DailyPageUnit());
  units.push_back(SightUnit());
  units.push_back(FixUnit());
  units.push_back(NoonUnit());
  units.push_back(PolarisUnit());
  units.push_back(CompassUnit());
  units.push_back(AmplitudeUnit());
  units.push_back(DeviationUnit());
  units.push_back(StarsUnit());
  return units;
}

}  // namespace orrelin::cli
