#pragma once
// The moment of a command: UT as typed (--utc), or the watch's reading with the watch
// error, the zone description and the zone date (--watch, --we, --zd, --date), made UT
// by the one conversion of the watch time.
#include <optional>
#include <string>

#include "navigation/watch_time.h"

namespace CLI {
class App;
}

namespace orrelin::cli {

// The watch time as typed.
struct WatchTexts {
  std::optional<std::string> watch, we, zd, date;
};

// The moment as typed: --utc or the watch time, one of them.
struct MomentTexts {
  std::optional<std::string> utc;
  WatchTexts watch;
};

// A moment read: UT, and the watch time it came from when it was given by the watch.
struct Moment {
  double julianDayUt = 0.0;
  std::optional<navigation::WatchTime> watch;
};

// --watch, --we, --zd and, unless the command has a date of its own, --date. Required:
// the command is given by the watch alone.
void AddWatchOptions(CLI::App& command, WatchTexts& texts, bool withDate, bool required);
// --utc, described by its help, and the watch options beside it.
void AddMomentOptions(CLI::App& command, MomentTexts& texts, const std::string& utcHelp, bool withDate);

// The watch time read; none, with the option's message, when a text does not read or
// the UT falls outside the years.
std::optional<navigation::WatchTime> ReadWatchOptions(const WatchTexts& texts, std::string& message);
// The moment read from --utc or the watch time; none, with the option's message, when
// both are given, the watch is given without its zone description, or a text does not
// read. Neither given: none with no message, unless the moment is required.
std::optional<Moment> ReadMomentOptions(const MomentTexts& texts, bool required, std::string& message);

// The first " UT" of a text (from the label on) followed by the watch time it came
// from, "(watch 19:42:17, 3 fast, ZD +2)"; the text as it is for a moment given in UT.
std::string WithWatchNote(const std::string& text, const Moment& moment, const std::string& label = "");

}  // namespace orrelin::cli
