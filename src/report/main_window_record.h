#pragma once
// What the main window's boxes hold: the observing place and the moment.
// Every computation reads it at the moment it runs; the report may write back
// the minutes boxes and the Delta box.
#include <string>

#include "core/calendar.h"

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
  std::string utcMinusLocal;            // Edit5, hours
  std::string time;                     // edtTime, "hh:mm:ss" UTC
  std::string localTime;                // edLocTime
  bool pcTime = true;                   // rbPcTime / rbOthTime
  std::string delta;                    // edDelta, seconds
  bool deltaTyped = false;              // edDelta holds what the user typed, not a value a report filled in
  std::string bodyCode;                 // Label9
  bool precise = false;                 // chPrecise: the report from the precise ephemeris
};

}  // namespace orrelin
