#pragma once
// Tonight's list as the command line and the window both show it: the one local clock
// its times are read with, its input from the chosen limits, each body's cells, the
// dark hours' line, the table's text and the messages that go with it.
#include <optional>
#include <string>
#include <vector>

#include "core/local_clock.h"
#include "sky/local_time.h"
#include "sky/tonight_list.h"
#include "stars/star_file.h"

namespace orrelin::sky {

// The limits a user may choose.
inline constexpr double kLowestMinimumAltitude = -5.0, kHighestMinimumAltitude = 89.0;  // degrees
inline constexpr double kBrightestMagnitudeLimit = -30.0, kFaintestMagnitudeLimit = 30.0;

// "nautical" or "astronomical"; none for another word.
std::optional<Darkness> DarknessNamed(const std::string& word);

struct TonightChoice {
  Darkness darkness = Darkness::kNautical;
  double minimumAltitude = kDefaultMinimumAltitude;
  double magnitudeLimit = kDefaultTonightMagnitude;
};

// The list's input for a place, the evening's date (its 0h UT), the chosen limits and
// the catalogue's stars of the magnitude limit.
TonightInput TonightInputFor(const Observer& observer, double dayJulianDayUt, const TonightChoice& choice,
                             const StarCatalogue& catalogue, const UtcMinusLocalAt& utcMinusLocal);

// One body's cells: "Jupiter", "-2.3" (the Moon: "64%"), "17:53-00:31", "17:53",
// "52.8°", "17:53", "never sets" or empty.
struct TonightCells {
  std::string name, magnitude, above, transit, altitude, best, stays;
};
TonightCells CellsOf(const TonightBody& body, const UtcMinusLocalAt& utcMinusLocal);

// "Dark from 2026-03-15 17:53 to 2026-03-16 03:03 local time"; empty without darkness.
std::string DarkHoursText(const TonightList& list, const UtcMinusLocalAt& utcMinusLocal);

// The dark hours' line and the table, one body a line; empty without darkness.
std::string TonightText(const TonightList& list, const UtcMinusLocalAt& utcMinusLocal);

// What is told with the list: the catalogue's message (when it has one), the list's
// own (no darkness, bodies that never set or never rise), the Moon's illuminated part.
std::vector<std::string> TonightMessages(const TonightList& list, const std::string& catalogueMessage);

}  // namespace orrelin::sky
