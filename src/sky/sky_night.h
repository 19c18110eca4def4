#pragma once
// The night of the graph and of tonight's list as the main window's boxes give it: the
// observer, the evening's date, the local clock every local time is formed with, and
// the place as the titles name it. The windows and the command line form it here alike.
#include <optional>
#include <string>
#include <vector>

#include "earth/observer.h"
#include "report/main_window_record.h"
#include "sky/altitude_graph.h"
#include "sky/local_time.h"

namespace orrelin::sky {

struct SkyNight {
  Observer observer;
  double dayJulianDayUt = 0.0;   // the evening's date, its 0h UT
  UtcMinusLocalAt utcMinusLocal;  // the one offset every local time is formed with
  std::string placeText;          // "Helsinki, 60° 09.7' N  24° 57.3' E", for titles
  std::string zoneName;           // the clock's time zone, empty for a fixed offset
};

// The record's clock: a zone's gives each moment its own offset, else the observer's
// fixed one.
UtcMinusLocalAt UtcMinusLocalOf(const MainWindowRecord& main, const Observer& observer);

// The night of the record's place (read as `observer`) for the evening whose 0h UT is
// dayJulianDayUt.
SkyNight SkyNightOf(const MainWindowRecord& main, const Observer& observer, double dayJulianDayUt);

// The graph's input for the night and the bodies, at the step, by the book's chain or the
// precise one.
GraphInput GraphInputOf(const SkyNight& night, std::vector<SkyBody> bodies, double stepMinutes, bool precise);

// The minutes between the graph's samples as typed: "10m" or "10", 1 to 60; none else.
std::optional<double> ReadStepMinutes(std::string text);

// The altitude graph's title: the place, the evening's date as typed, and the clock: its
// offset at the night's midnight, and its zone's name when it has one.
std::vector<std::string> GraphTitle(const SkyNight& night, const std::string& dateText);

}  // namespace orrelin::sky
