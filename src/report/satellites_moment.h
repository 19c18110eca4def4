#pragma once
// The moment the report window's "Satellites" button computes Jupiter's satellites
// for: the main window's date and UTC time, in dynamical time.
#include <optional>

#include "report/main_window_record.h"

namespace orrelin {

struct SatellitesMoment {
  double jd0 = 0.0;    // Julian day of 0h of the date
  double hours = 0.0;  // UTC hours + Delta T / 3600
};

// Date record, UTC hours, the report's Delta T of that moment, hours + Delta T / 3600, JD0. None when
// the time box does not hold a time (the report's "Give the time as hh:mm:ss").
std::optional<SatellitesMoment> SatellitesMomentOf(const MainWindowRecord& main);

}  // namespace orrelin
