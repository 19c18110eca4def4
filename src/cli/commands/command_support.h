#pragma once
// What the commands of the command line share: failing with one message, reading the
// settings folder or the program's own files, the main window's boxes from the options,
// writing an export, and the options of the place and the moment.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_program.h"
#include "cli/report_command.h"
#include "earth/observer.h"
#include "navigation/fix.h"
#include "navigation/sight_reduction.h"
#include "navigation/sights_file.h"

namespace CLI {
class App;
}

namespace orrelin::cli {

// Typed names and file names as messages quote them: long enough for any real one.
constexpr std::size_t kLongestQuotedName = 40;
constexpr std::size_t kLongestQuotedPath = 300;

// The message on the error stream, and the status of bad input.
int Fail(const CliContext& c, const std::string& message);
void Say(const CliContext& c, const std::vector<std::string>& messages);

// A file of the user's settings folder, else the one shipped with the program.
std::filesystem::path UserOrShipped(const CliContext& c, const char* name);
std::filesystem::path CataloguePath(const CliContext& c);

// The main window's boxes from the saved settings (or the first-start place) and the
// options; none, with the message said, when an option is refused.
std::optional<MainWindowRecord> PlaceAndMoment(const CliContext& c, const PlaceOptions& options);

// Writes an export through a temporary file; false, with the message, when it cannot.
bool WriteExport(const CliContext& c, const std::string& path, const std::string& bytes);

// Which of the main window's boxes a command reads: it offers only those options.
enum Uses : unsigned {
  kPlaceBoxes = 1,      // --place, --lat, --lon
  kWeatherBoxes = 2,    // --height, --pressure, --temp
  kMomentBoxes = 4,     // --date, --time
  kBeforeChrist = 8,    // --bc
  kOffsetBox = 16,      // --offset
  kDeltaBox = 32,       // --delta
  kAllBoxes = 63,
};

// The options of the main window's place and moment that the command uses.
void AddPlaceOptions(CLI::App& command, PlaceOptions& options, unsigned uses);

// "--lat: Use point" for the first option of the command typed with a decimal comma.
std::optional<std::string> DecimalCommaMessage(const CLI::App& command);

// The observer of the main window's boxes and the options; none, with the message
// said, when an option is refused or the place does not read.
std::optional<Observer> ReadPlace(const CliContext& c, const PlaceOptions& options);

// The assumed position of a sight or a fix: --dr, else the main window's place.
std::optional<navigation::GeoPosition> AssumedPosition(const std::optional<std::string>& dr, const Observer& place);
// As AssumedPosition; none, with --dr's message said, when it does not read.
std::optional<navigation::GeoPosition> ReadDr(const CliContext& c, const std::optional<std::string>& dr,
                                              const Observer& place);

// The observer and the DR (--dr, else the place): what a navigation command starts from.
struct PlaceAndDr {
  Observer place;
  navigation::GeoPosition dr;
};
std::optional<PlaceAndDr> ReadPlaceAndDr(const CliContext& c, const PlaceOptions& options,
                                         const std::optional<std::string>& dr);

// The ship's --course and --speed (both or neither) into the input of a running fix or
// a series; false, with the message said, when one is refused.
bool ReadCourseAndSpeed(const CliContext& c, const std::optional<std::string>& course,
                        const std::optional<std::string>& speed, navigation::FixInput& input);

// A ship under way: --course and --speed (both or neither, 0 when neither) and the time
// its DR holds, --dr-utc (only with them; required with them when drUtcRequired).
struct UnderWay {
  double course = 0.0, speed = 0.0;
  std::optional<double> drJulianDayUt;
};
std::optional<UnderWay> ReadUnderWay(const CliContext& c, const std::optional<std::string>& course,
                                     const std::optional<std::string>& speed, const std::optional<std::string>& drUtc,
                                     bool drUtcRequired);

// A sights file named on the command line; none, with the message said, when there is
// no such file or it cannot be read. Its lines that do not read are in its problems.
std::optional<navigation::SightsFile> ReadSightsFileOption(const CliContext& c, const std::string& path);

// The plotting sheet's file: the name's ending chooses the format.
enum class PlotFormat { kNone, kPng, kPdf };
std::optional<PlotFormat> PlotFormatOf(const std::string& path);

}  // namespace orrelin::cli
