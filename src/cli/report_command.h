#pragma once
// The command line's report: the main window's boxes filled from the saved
// settings (or the first-start place) and the options, then the body report.
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_file.h"
#include "core/body.h"
#include "core/messages.h"
#include "report/main_window_record.h"
#include "report/report_record.h"
#include "stars/star_window.h"

namespace orrelin::cli {

// Each option mirrors one box of the main window; absent options keep the box.
struct PlaceOptions {
  std::optional<std::string> place;      // a name of the place list, any letter case
  std::optional<std::string> latitude;   // "60 9.7 N"
  std::optional<std::string> longitude;  // "24 57.3 E"
  std::optional<std::string> height, pressure, temperature;
  std::optional<std::string> date;       // "YYYY-MM-DD", a positive year
  bool beforeChrist = false;
  std::optional<std::string> time;       // "hh:mm:ss" UTC
  std::optional<std::string> offset;     // UTC minus local, hours
  std::optional<std::string> zone;       // a time zone's name; not with offset
  std::optional<std::string> delta;      // seconds
  bool precise = false;                  // the report from the precise ephemeris
};

// The boxes as the window would start with them, without writing any file:
// the saved place, or Helsinki; the computer's clock and zone at `now`. A settings
// file that cannot be read, or keys that were reset, are said to the sink.
MainWindowRecord StartingRecord(const SettingsFile& settings, std::time_t now, long secondsEastOfUtc,
                                MessageSink& sink);

// Puts the options into the boxes. False, with the message said (after the option's
// name, "--lat: 0 .. 59.9"), when one is wrong. --place takes its latitude, longitude
// and offset from the place list first; the other options may then change them.
bool ApplyPlaceOptions(const PlaceOptions& options, MainWindowRecord& main, MessageSink& sink,
                       const std::filesystem::path& placeList = {});

// The place list as text ("name  latitude  longitude  offset") or JSON.
std::string PlaceListText(const std::vector<std::string>& lines);
std::string PlaceListJson(const std::vector<std::string>& lines);

struct ReportOutcome {
  bool ok = false;  // false: the report stopped on bad input
  ReportWindowRecord report;
  std::vector<std::string> messages;
};

// For a star the star window's boxes hold the star (see StarWindowOf). The boxes are
// read as they are: what the report would have the window show is not applied.
ReportOutcome RunReport(const MainWindowRecord& main, Body body, const StarWindowRecord* star = nullptr);

// The star window with the catalogue's star of that name (any letter case) chosen;
// none when the catalogue has no such star.
std::optional<StarWindowRecord> StarWindowOf(const std::vector<StarRecord>& catalogue, const std::string& name);

// The catalogue as a table, or as JSON: [{"Name": ..., "RAscension": ..., ...}, ...].
std::string StarListText(const std::vector<StarRecord>& catalogue);
std::string StarListJson(const std::vector<StarRecord>& catalogue);

// The report as text: title, captioned boxes, then the aligned explanation lines.
std::string ReportText(const ReportWindowRecord& report);
// {"title", "boxes": {caption: text}, "lines": [[label, value], ...], "messages": [...]}
std::string ReportJson(const ReportWindowRecord& report, const std::vector<std::string>& messages);

}  // namespace orrelin::cli
