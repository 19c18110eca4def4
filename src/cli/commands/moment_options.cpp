#include "cli/commands/moment_options.h"

#include <CLI/CLI.hpp>

#include <cmath>

#include "app/date_box.h"
#include "core/clock.h"

namespace orrelin::cli {

void AddWatchOptions(CLI::App& command, WatchTexts& texts, bool withDate, bool required) {
  command.add_option("--watch", texts.watch, withDate ? "The watch's reading, hh:mm:ss" : "The watch's reading on --date, hh:mm:ss")
      ->required(required);
  command.add_option("--we", texts.we, "The watch error, seconds: \"3 fast\" or \"3 slow\" (default none)");
  command.add_option("--zd", texts.zd, "The zone description, hours added to zone time for UT: \"+2\", \"-10\"")
      ->required(required);
  if (withDate) {
    command.add_option("--date", texts.date, "The zone date of the watch's reading, yyyy-mm-dd")->required(required);
  }
}

void AddMomentOptions(CLI::App& command, MomentTexts& texts, const std::string& utcHelp, bool withDate) {
  command.add_option("--utc", texts.utc, utcHelp);
  AddWatchOptions(command, texts.watch, withDate, false);
}

std::optional<navigation::WatchTime> ReadWatchOptions(const WatchTexts& texts, std::string& message) {
  if (!texts.zd) {
    message = "--zd: give the zone description with --watch, \"+2\" or \"-10\"";
    return std::nullopt;
  }
  if (!texts.date) {
    message = "--date: give the zone date of the watch's reading with --watch, yyyy-mm-dd";
    return std::nullopt;
  }
  const DateRead date = ReadDateText(*texts.date, false);
  if (!date.date) {
    message = "--date: " + date.message;
    return std::nullopt;
  }
  const std::string watch = texts.watch.value_or("");
  bool valid = true;
  ParseClockTime(watch, valid);
  if (!valid || watch.empty()) {
    message = "--watch: give the watch's reading as hh:mm or hh:mm:ss";
    return std::nullopt;
  }
  std::string why;
  const auto reading = ReadUtcMoment(DateBoxText(*date.date) + " " + watch, why);
  if (!reading) {
    message = "--watch: " + why;
    return std::nullopt;
  }
  const auto fast = navigation::ReadWatchError(texts.we.value_or(""));
  if (!fast) {
    message = "--we: seconds fast or slow, \"3 fast\" or \"3 slow\"";
    return std::nullopt;
  }
  const auto zone = navigation::ReadZoneDescription(*texts.zd);
  if (!zone) {
    message = "--zd: hours from -12 to +12, \"+2\" or \"-10\"";
    return std::nullopt;
  }
  const navigation::WatchTime time{*reading, *fast, *zone};
  if (!navigation::WithinDateYears(navigation::UtOfWatchTime(time))) {
    message = "--zd: the UT falls outside the years 1 to 9999";
    return std::nullopt;
  }
  return time;
}

std::optional<Moment> ReadMomentOptions(const MomentTexts& texts, bool required, std::string& message) {
  message.clear();
  const WatchTexts& w = texts.watch;
  if (texts.utc && w.watch) {
    message = "--watch: give the time by --utc or by --watch, not both";
    return std::nullopt;
  }
  if (!w.watch) {
    const char* stray = w.we ? "--we" : w.zd ? "--zd" : w.date ? "--date" : nullptr;
    if (stray != nullptr) {
      message = std::string(stray) + ": give --watch with it";
      return std::nullopt;
    }
  }
  if (texts.utc) {
    const auto utc = ReadUtcMoment(*texts.utc, message);
    if (!utc) {
      message = "--utc: " + message;
      return std::nullopt;
    }
    return Moment{*utc, std::nullopt};
  }
  if (w.watch) {
    const auto watch = ReadWatchOptions(w, message);
    if (!watch) return std::nullopt;
    return Moment{navigation::UtOfWatchTime(*watch), watch};
  }
  if (required) message = "--utc: give the time UT, \"yyyy-mm-dd hh:mm:ss\", or --watch with --zd and --date";
  return std::nullopt;
}

std::string WithWatchNote(const std::string& text, const Moment& moment, const std::string& label) {
  const std::size_t line = text.find(label);
  const std::size_t ut = line == std::string::npos ? line : text.find(" UT", line);
  if (!moment.watch || ut == std::string::npos) return text;
  const navigation::WatchTime& w = *moment.watch;
  const std::string reading = UtcMomentText(w.reading);
  std::string note = " (watch " + reading.substr(reading.size() - 8);
  if (w.fastSeconds != 0.0) note += ", " + navigation::WatchErrorText(w.fastSeconds);
  note += ", ZD " + navigation::ZoneDescriptionText(w.zoneDescription) + ")";
  std::string noted = text;
  noted.insert(ut + 3, note);
  return noted;
}

}  // namespace orrelin::cli
