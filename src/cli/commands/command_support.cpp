#include "cli/commands/command_support.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>

#include "app/date_box.h"
#include "app/main_window.h"
#include "app/place_list.h"
#include "app/settings_file.h"
#include "app/settings_folder.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/fields.h"
#include "core/geodesy.h"
#include "core/message_texts.h"
#include "navigation/sights_file.h"
#include "core/messages.h"
#include "cli/modules/module_loader.h"
#include "report/body_report.h"
#include "report/observer_reading.h"
#include "stars/star_file.h"

namespace orrelin::cli {

namespace {

// What the window would show in message boxes goes to the error stream.
class ErrorStreamSink : public MessageSink {
 public:
  explicit ErrorStreamSink(std::ostream& err) : err_(err) {}
  void Beep() override {}
  void ShowMessage(const std::string& text) override { err_ << text << '\n'; }

 private:
  std::ostream& err_;
};

// A number typed with a decimal comma ("9,7", "-2,5"): a comma with a digit after it and
// a digit, a sign or nothing before it. "59 50 N, 24 50 E" separates two coordinates.
bool HasDecimalComma(const std::string& text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != ',' || !std::isdigit(static_cast<unsigned char>(text[i + 1]))) continue;
    if (i == 0 || std::isdigit(static_cast<unsigned char>(text[i - 1])) || text[i - 1] == '-' ||
        text[i - 1] == '+' || text[i - 1] == ' ') {
      return true;
    }
  }
  return false;
}

// The options that hold names or files, where a comma is only a character.
// "--course: give --speed with it (under way needs both)" for the one given alone.
std::string BothOrNeither(const std::optional<std::string>& course, const std::string& what) {
  return std::string(course ? "--course: give --speed with it (" : "--speed: give --course with it (") + what +
         " needs both)";
}

// The course and the speed as typed, 0 when not given; false, with the message said.
bool ReadCourseAndSpeedTexts(const CliContext& c, const std::optional<std::string>& course,
                             const std::optional<std::string>& speed, double& degrees, double& knots) {
  const auto typedDegrees = ReadBoundedDecimal(course.value_or("0"), 0.0, 360.0);
  const auto typedKnots = ReadBoundedDecimal(speed.value_or("0"), 0.0, 100.0);
  if (!typedDegrees || !typedKnots) {
    Fail(c, !typedDegrees ? "--course: degrees true, 0 to 360" : "--speed: knots, 0 to 100");
    return false;
  }
  degrees = *typedDegrees;
  knots = *typedKnots;
  return true;
}

bool HoldsNumbers(const CLI::Option& option) {
  static const std::vector<std::string> texts = {"--place", "--body", "--ics", "--csv", "--pdf", "--plot",
                                                 "BODY",    "SIGHTS"};
  return std::find(texts.begin(), texts.end(), option.get_name()) == texts.end();
}

}  // namespace

int Fail(const CliContext& c, const std::string& message) {
  c.err << message << '\n';
  return kExitBadInput;
}

void Say(const CliContext& c, const std::vector<std::string>& messages) {
  for (const auto& m : messages) c.err << m << '\n';
}

std::filesystem::path UserOrShipped(const CliContext& c, const char* name) {
  std::vector<std::filesystem::path> candidates{c.settingsFolder / name};
  for (const auto& folder : c.shippedFolders) candidates.push_back(folder / name);
  std::error_code ec;
  for (const auto& path : candidates) {
    if (std::filesystem::is_regular_file(path, ec)) return path;
  }
  return candidates.front();
}

std::filesystem::path CataloguePath(const CliContext& c) { return UserOrShipped(c, kStarFileName); }

std::optional<MainWindowRecord> PlaceAndMoment(const CliContext& c, const PlaceOptions& options) {
  const SettingsFile settings(c.settingsFolder / kSettingsFileName);
  ErrorStreamSink errorSink(c.err);
  MainWindowRecord main = StartingRecord(settings, c.now, c.secondsEastOfUtc, errorSink);
  RecordingMessageSink sink;
  if (!ApplyPlaceOptions(options, main, sink, UserOrShipped(c, kPlaceFileName))) {
    Fail(c, sink.messages.back());
    return std::nullopt;
  }
  if (!main.zone.empty()) {
    // Only a zone opens the database, through its module.
    std::string why;
    const ZonesModule* zones = LoadZonesModule(c.moduleFolders, why);
    if (zones == nullptr) {
      Fail(c, why);
      return std::nullopt;
    }
    const auto clock = zones->zoneClock(main.zone);
    if (!clock) {
      // The zone came from the option, from the place's line, or else from the window's saved settings.
      const std::string missing =
          ": no time zone \"" + QuotedText(main.zone, kLongestQuotedName) + "\" in the time-zone database";
      if (options.zone || options.place) {
        Fail(c, std::string(options.zone ? "--zone" : "--place") + missing);
      } else {
        Fail(c, "The saved time zone (Zone in " + std::string(kSettingsFileName) + ")" + missing +
                    ": --offset or --zone replaces it");
      }
      return std::nullopt;
    }
    main.clock = *clock;
    FollowZoneClock(main);
  }
  return main;
}

std::optional<Observer> ReadPlace(const CliContext& c, const PlaceOptions& options) {
  const auto main = PlaceAndMoment(c, options);
  if (!main) return std::nullopt;
  const auto place = ReadObserver(*main);
  if (!place) Fail(c, kMessageBadLocation);
  return place;
}

bool WriteExport(const CliContext& c, const std::string& path, const std::string& bytes) {
  const FileWrite written = WriteFileAtomically(path, bytes);
  if (!written.ok) c.err << "Could not write " << QuotedText(path, kLongestQuotedPath) << ": " << written.errorText << '\n';
  return written.ok;
}

void AddPlaceOptions(CLI::App& command, PlaceOptions& options, unsigned uses) {
  if (uses & kPlaceBoxes) {
    command.add_option("--place", options.place, "A place of the place list by name (any letter case): its "
                                                  "latitude, longitude and offset");
    command.add_option("--lat", options.latitude, "Latitude: degrees, minutes, N or S (\"60 9.7 N\")");
    command.add_option("--lon", options.longitude, "Longitude: degrees, minutes, E or W (\"24 57.3 E\")");
  }
  if (uses & kWeatherBoxes) {
    command.add_option("--height", options.height, "Height of eye, metres (0 to 8900)");
    command.add_option("--pressure", options.pressure, "Air pressure, millibars (0 to 1100)");
    command.add_option("--temp", options.temperature, "Air temperature, degrees Celsius (-90 to 60)");
  }
  if (uses & kMomentBoxes) {
    command.add_option("--date", options.date, "Date YYYY-MM-DD, the year 1 to 9999 (see --bc); default: today (UTC)");
  }
  if (uses & kBeforeChrist) {
    command.add_flag("--bc", options.beforeChrist, "The year is before Christ (1 B.C. is --date 0001-... --bc)");
  }
  if (uses & kMomentBoxes) command.add_option("--time", options.time, "UTC time hh:mm:ss; default: now");
  if (uses & kOffsetBox) {
    command.add_option("--offset", options.offset, "UTC minus local time, hours (-14 to 14)");
    command.add_option("--zone", options.zone,
                       "Time zone of the system's database (\"Europe/Helsinki\"): each local time with the offset "
                       "of its own moment; not with --offset");
  }
  if (uses & kDeltaBox) command.add_option("--delta", options.delta, "Delta T in seconds, as typed in the Delta box");
}

std::optional<std::string> DecimalCommaMessage(const CLI::App& command) {
  for (const CLI::Option* option : command.get_options()) {
    if (!HoldsNumbers(*option)) continue;
    for (const std::string& value : option->results()) {
      if (HasDecimalComma(value)) return option->get_name() + ": " + kMessageUsePoint;
    }
  }
  return std::nullopt;
}

std::optional<navigation::GeoPosition> AssumedPosition(const std::optional<std::string>& dr, const Observer& place) {
  if (!dr) return navigation::GeoPosition{place.latitude, EastLongitude(place.longitude)};
  return navigation::ReadPosition(*dr);
}

std::optional<navigation::GeoPosition> ReadDr(const CliContext& c, const std::optional<std::string>& dr,
                                              const Observer& place) {
  const auto position = AssumedPosition(dr, place);
  if (!position) Fail(c, "--dr: give the position as \"59 50 N, 24 50 E\"");
  return position;
}

std::optional<PlaceAndDr> ReadPlaceAndDr(const CliContext& c, const PlaceOptions& options,
                                         const std::optional<std::string>& dr) {
  const auto place = ReadPlace(c, options);
  if (!place) return std::nullopt;
  const auto position = ReadDr(c, dr, *place);
  if (!position) return std::nullopt;
  return PlaceAndDr{*place, *position};
}

bool ReadCourseAndSpeed(const CliContext& c, const std::optional<std::string>& course,
                        const std::optional<std::string>& speed, navigation::FixInput& in) {
  if (course.has_value() != speed.has_value()) {
    Fail(c, BothOrNeither(course, "a running fix"));
    return false;
  }
  return ReadCourseAndSpeedTexts(c, course, speed, in.course, in.speed);
}

std::optional<UnderWay> ReadUnderWay(const CliContext& c, const std::optional<std::string>& course,
                                     const std::optional<std::string>& speed, const std::optional<std::string>& drUtc,
                                     bool drUtcRequired) {
  if (course.has_value() != speed.has_value()) {
    Fail(c, BothOrNeither(course, "under way"));
    return std::nullopt;
  }
  if (drUtcRequired && course && !drUtc) {
    Fail(c, "--course: give --dr-utc with it, the time the DR holds");
    return std::nullopt;
  }
  if (drUtc && !course) {
    Fail(c, "--dr-utc: give --course and --speed with it");
    return std::nullopt;
  }
  UnderWay ship;
  if (!ReadCourseAndSpeedTexts(c, course, speed, ship.course, ship.speed)) return std::nullopt;
  if (drUtc) {
    std::string why;
    ship.drJulianDayUt = ReadUtcMoment(*drUtc, why);
    if (!ship.drJulianDayUt) {
      Fail(c, "--dr-utc: " + why);
      return std::nullopt;
    }
  }
  return ship;
}

std::optional<navigation::SightsFile> ReadSightsFileOption(const CliContext& c, const std::string& path) {
  const TextLines file = ReadTextLines(path, 16 * 1024 * 1024);
  if (!file.exists) {
    Fail(c, "No sights file " + QuotedText(path, kLongestQuotedPath));
    return std::nullopt;
  }
  if (!file.readable) {
    Fail(c, "The sights file " + QuotedText(path, kLongestQuotedPath) + " could not be read (" + file.problem + ")");
    return std::nullopt;
  }
  return navigation::ReadSights(file.lines);
}

std::optional<PlotFormat> PlotFormatOf(const std::string& path) {
  if (path.empty()) return PlotFormat::kNone;
  const std::string ending = LowerCaseText(std::filesystem::path(path).extension().string());
  if (ending == ".png") return PlotFormat::kPng;
  if (ending == ".pdf") return PlotFormat::kPdf;
  return std::nullopt;
}

}  // namespace orrelin::cli
