#pragma once
// Reading the main window's place and Delta box as a computation needs them, with
// the limits of what a place on the Earth and a moment can be. Every computation
// (the report, the identification, the almanac, the satellites, the command line)
// and the settings file go through these checks, so no absurd number reaches one.
#include <optional>
#include <string>
#include <string_view>

#include "earth/observer.h"
#include "report/main_window_record.h"
#include "core/message_texts.h"

namespace orrelin {

inline constexpr double kMaxHeightOfEye = 8900.0;  // metres, the height box's own limit
inline constexpr double kMinTemperature = -90.0;   // degrees Celsius
inline constexpr double kMaxTemperature = 60.0;
inline constexpr double kMaxPressure = 1100.0;     // millibars
inline constexpr double kMaxOffsetHours = 14.0;    // UTC minus local, either way
inline constexpr double kMaxDeltaT = 1000000.0;    // seconds, either way

// Whole degrees 0..limit and decimal minutes 0 <= m < 60 (none on top of the limit),
// without the hemisphere. None when either does not read or lies outside.
std::optional<double> ReadPlaceAngle(std::string_view degText, std::string_view minText, int limit);

// A decimal text that reads completely and lies within lowest..highest.
std::optional<double> ReadBoundedDecimal(std::string_view text, double lowest, double highest);

// The UTC-minus-local box: an empty box is 0 (a place listed without an offset).
std::optional<double> ReadOffsetBox(std::string_view text);

// The Delta box. A text with a comma for a point ("67,2") goes on with its partial
// value and the message "Use point"; a text without digits, a number too large for a
// double or a value beyond kMaxDeltaT is refused.
enum class DeltaBoxStatus { kRead, kUsePoint, kRefused };
struct DeltaBoxRead {
  DeltaBoxStatus status = DeltaBoxStatus::kRefused;
  double value = 0.0;
};
DeltaBoxRead ReadDeltaBox(std::string_view text);

// The observer of the main window's boxes, or none when a box holds what no place
// can have. An empty minutes box reads as 0.
std::optional<Observer> ReadObserver(const MainWindowRecord& main);
// As ReadObserver, and the height of eye in whole metres: the place as the
// identification and the almanac's proximity search read it.
std::optional<Observer> ReadObserverInWholeMetres(const MainWindowRecord& main);

// What reading the place has the window show: "0.0" in an empty minutes box.
MainWindowCorrections PlaceBoxCorrections(const MainWindowRecord& main);

}  // namespace orrelin
