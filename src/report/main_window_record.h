#pragma once
// What the main window's boxes hold: the observing place and the moment.
// Every computation reads it at the moment it runs and never writes into it: what a
// run has the window show afterwards comes back as corrections the window applies.
#include <optional>
#include <string>

#include "core/body.h"
#include "core/calendar.h"
#include "core/local_clock.h"

namespace orrelin {

struct MainWindowRecord {
  std::string place;                    // cbxPlace
  std::string latDeg, latMin;           // Edit1, Edit2
  bool north = true;                    // RadioButton1 / RadioButton2
  std::string lonDeg, lonMin;           // Edit3, Edit4
  bool west = false;                    // RadioButton3 / RadioButton4
  std::string height;                   // edtHeight, metres
  std::string pressure;                 // edtPressure, millibars
  std::string temperature;              // edtTemperature, degrees Celsius
  CivilDate date;                       // DateTimePicker1
  bool beforeChrist = false;            // chBChr
  std::string utcMinusLocal;            // Edit5, hours (with a zone: its offset at the moment)
  std::string zone;                     // cbxZone: a time zone's name, empty for the fixed offset
  LocalClock clock;                     // the zone's clock, which the window or command line looks up
  std::string time;                     // edtTime, "hh:mm:ss" UTC
  std::string localTime;                // edLocTime
  bool pcTime = true;                   // rbPcTime / rbOthTime
  std::string delta;                    // edDelta, seconds
  bool deltaTyped = false;              // edDelta holds what the user typed, not a value a report filled in
  Body body = Body::kSun;               // Label9: the body of the last report button
  bool precise = false;                 // chPrecise: the report from the precise ephemeris
};

// What a run has the main window's boxes show after it.
struct MainWindowCorrections {
  std::optional<std::string> latMin, lonMin;  // an empty minutes box shows "0.0"
  std::optional<std::string> delta;           // Delta T filled in, no longer a typed value
};

// The window's side: the corrections written into its boxes.
inline void ApplyCorrections(const MainWindowCorrections& c, MainWindowRecord& main) {
  if (c.latMin) main.latMin = *c.latMin;
  if (c.lonMin) main.lonMin = *c.lonMin;
  if (c.delta) {
    main.delta = *c.delta;
    main.deltaTyped = false;
  }
}

}  // namespace orrelin
