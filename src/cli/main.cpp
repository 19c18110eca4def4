// orrelin-cli: the program's results for scripts.
#include <CLI/CLI.hpp>

#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/place_list.h"
#include "app/settings_file.h"
#include "app/settings_folder.h"
#include "cli/report_command.h"
#include "core/clock.h"
#include "core/version.h"
#include "cli/almanac_command.h"
#include "cli/identify_command.h"
#include "core/file_io.h"
#include "cli/satellites_command.h"
#include "identify/identify_form.h"
#include "planets/jupiter_satellites.h"
#include "report/body_report.h"
#include "report/satellites_moment.h"
#include "stars/star_file.h"

namespace {

constexpr int kBadInput = 2;

int Fail(const std::string& message) {
  std::cerr << message << '\n';
  return kBadInput;
}

// What the window would show in message boxes goes to standard error.
class StandardErrorSink : public orrelin::MessageSink {
 public:
  void Beep() override {}
  void ShowMessage(const std::string& text) override { std::cerr << text << '\n'; }
};

std::filesystem::path UserOrShipped(const char* name);

// The user's catalogue in the settings folder, else the one shipped with the program.
std::filesystem::path CataloguePath() { return UserOrShipped(orrelin::kStarFileName); }

orrelin::StarCatalogue LoadCatalogue() { return orrelin::LoadStarCatalogue(CataloguePath()); }

// A file of the user's settings folder, else the one shipped with the program.
std::filesystem::path UserOrShipped(const char* name) {
  std::vector<std::filesystem::path> candidates{orrelin::SettingsFolder() / name};
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  if (!ec) {
    candidates.push_back(program / name);
    candidates.push_back(program / ".." / "share" / "orrelin" / name);
  }
  for (const auto& path : candidates) {
    if (std::filesystem::is_regular_file(path, ec)) return path;
  }
  return candidates.front();
}

int Places(bool json) {
  const std::filesystem::path path = UserOrShipped(orrelin::kPlaceFileName);
  const orrelin::TextLines list = orrelin::ReadTextLines(path, 16 * 1024 * 1024);
  if (!list.exists || !list.readable) return Fail(std::string(" File missing or cannot be opened ") + path.string());
  std::cout << (json ? orrelin::cli::PlaceListJson(list.lines) : orrelin::cli::PlaceListText(list.lines));
  return 0;
}

int Stars(bool json) {
  const orrelin::StarCatalogue catalogue = LoadCatalogue();
  if (!catalogue.read) return Fail(catalogue.message);
  if (!catalogue.message.empty()) std::cerr << catalogue.message << '\n';
  std::cout << (json ? orrelin::cli::StarListJson(catalogue.records) : orrelin::cli::StarListText(catalogue.records));
  return 0;
}

// The main window's boxes from the saved settings (or the first-start place) and the options.
std::optional<orrelin::MainWindowRecord> PlaceAndMoment(const orrelin::cli::PlaceOptions& options) {
  const orrelin::SettingsFile settings(orrelin::SettingsFolder() / orrelin::kSettingsFileName);
  const std::time_t now = std::time(nullptr);
  StandardErrorSink stderrSink;
  orrelin::MainWindowRecord main =
      orrelin::cli::StartingRecord(settings, now, orrelin::ComputerZoneOffset(now), stderrSink);
  orrelin::RecordingMessageSink sink;
  if (!orrelin::cli::ApplyPlaceOptions(options, main, sink, UserOrShipped(orrelin::kPlaceFileName))) {
    Fail(sink.messages.back());
    return std::nullopt;
  }
  return main;
}

int Report(const std::vector<std::string>& what, const orrelin::cli::PlaceOptions& options, bool json) {
  const std::string& bodyName = what.front();
  const auto code = orrelin::cli::BodyCodeOf(bodyName);
  if (!code) return Fail("Unknown body: " + bodyName);
  std::optional<orrelin::StarWindowRecord> star;
  if (*code == "STAR") {
    if (what.size() != 2) return Fail("Name the star: report star NAME");
    const orrelin::StarCatalogue catalogue = LoadCatalogue();
    if (!catalogue.read) return Fail(catalogue.message);
    if (!catalogue.message.empty()) std::cerr << catalogue.message << '\n';
    star = orrelin::cli::StarWindowOf(catalogue.records, what[1]);
    if (!star) return Fail("No star named " + what[1] + " in the catalogue");
  } else if (what.size() != 1) {
    return Fail("Only a star takes a name");
  }
  auto main = PlaceAndMoment(options);
  if (!main) return kBadInput;
  const orrelin::cli::ReportOutcome outcome = orrelin::cli::RunReport(*main, *code, star ? &*star : nullptr);
  if (!outcome.ok) {
    for (const auto& m : outcome.messages) std::cerr << m << '\n';
    return kBadInput;
  }
  if (json) {
    std::cout << orrelin::cli::ReportJson(outcome.report, outcome.messages);
  } else {
    for (const auto& m : outcome.messages) std::cerr << m << '\n';
    std::cout << orrelin::cli::ReportText(outcome.report);
  }
  return 0;
}

int Satellites(const orrelin::cli::PlaceOptions& options, bool inverted, bool json) {
  auto main = PlaceAndMoment(options);
  if (!main) return kBadInput;
  const auto moment = orrelin::SatellitesMomentOf(*main);
  if (!moment) return Fail(orrelin::kMessageBadTime);
  const orrelin::SatellitePositions positions = orrelin::JupiterSatellites(moment->jd0, moment->hours);
  const orrelin::JupiterPicture picture = orrelin::DrawJupiterSatellites(positions, inverted, 345);
  std::cout << (json ? orrelin::cli::SatellitesJson(picture)
                     : orrelin::cli::SatellitesText(positions, picture, inverted));
  return 0;
}

int Identify(const orrelin::cli::PlaceOptions& options, const std::string& hs, const std::string& zn,
             const std::string& limit, bool json) {
  auto main = PlaceAndMoment(options);
  if (!main) return kBadInput;
  orrelin::TIdentifyForm form = orrelin::cli::SightOf(hs, zn, limit);
  orrelin::RecordingMessageSink sink;
  // The user's catalogue (or the shipped one), read once for the search.
  const std::filesystem::path catalogue = CataloguePath();
  if (!orrelin::IdentifyOk(form, *main, catalogue, sink)) {
    for (const auto& m : sink.messages) std::cerr << m << '\n';
    return kBadInput;
  }
  if (json) {
    std::cout << orrelin::cli::IdentifyJson(form, sink.messages);
  } else {
    for (const auto& m : sink.messages) std::cerr << m << '\n';
    std::cout << orrelin::cli::IdentifyText(form);
  }
  return 0;
}

// Writes an export through a temporary file; false, with the message, when it cannot.
bool WriteExport(const std::string& path, const std::string& bytes) {
  const orrelin::FileWrite written = orrelin::WriteFileAtomically(path, bytes);
  if (!written.ok) std::cerr << "Could not write " << path << ": " << written.errorText << '\n';
  return written.ok;
}

int Almanac(const orrelin::cli::PlaceOptions& options, const std::string& year, bool total, bool json,
            const std::string& icsPath, const std::string& csvPath) {
  auto main = PlaceAndMoment(options);
  if (!main) return kBadInput;
  std::vector<std::string> messages;
  const auto listing = orrelin::cli::AlmanacOf(year, total, *main, messages);
  if (!listing) {
    for (const auto& m : messages) std::cerr << m << '\n';
    return kBadInput;
  }
  if (!icsPath.empty()) {
    std::string why;
    const auto ics = orrelin::cli::AlmanacICalendar(*listing, why);
    if (!ics) return Fail(why);
    if (!WriteExport(icsPath, *ics)) return kBadInput;
  }
  if (!csvPath.empty() && !WriteExport(csvPath, orrelin::cli::AlmanacCsv(*listing))) return kBadInput;
  if (json) {
    std::cout << orrelin::cli::AlmanacJson(*listing);
  } else {
    for (const auto& m : listing->messages) std::cerr << m << '\n';
    std::cout << orrelin::cli::AlmanacText(*listing);
  }
  return 0;
}

// The options of the main window's place and moment, shared by every command that computes.
void AddPlaceOptions(CLI::App& command, orrelin::cli::PlaceOptions& options) {
  command.add_option("--place", options.place, "A place of the place list by name (any letter case): its "
                                                "latitude, longitude and offset");
  command.add_option("--lat", options.latitude, "Latitude: degrees, minutes, N or S (\"60 9.7 N\")");
  command.add_option("--lon", options.longitude, "Longitude: degrees, minutes, E or W (\"24 57.3 E\")");
  command.add_option("--height", options.height, "Height of eye, metres (0 to 8900)");
  command.add_option("--pressure", options.pressure, "Air pressure, millibars (0 to 1100)");
  command.add_option("--temp", options.temperature, "Air temperature, degrees Celsius (-90 to 60)");
  command.add_option("--date", options.date, "Date YYYY-MM-DD, the year 1 to 9999 (see --bc); default: today (UTC)");
  command.add_flag("--bc", options.beforeChrist, "The year is before Christ (1 B.C. is --date 0001-... --bc)");
  command.add_option("--time", options.time, "UTC time hh:mm:ss; default: now");
  command.add_option("--offset", options.offset, "UTC minus local time, hours (-14 to 14)");
  command.add_option("--delta", options.delta, "Delta T in seconds, as typed in the Delta box");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Orrelin: astronomy and celestial navigation from the command line.\n"
      "Place and moment options not given come from the saved settings of the window program\n"
      "(or, before it was ever closed, the first-start place Helsinki); the date and time\n"
      "default to now. Nothing is ever written to the settings.",
      "orrelin-cli"};
  app.set_version_flag("--version", std::string(orrelin::kProgramName) + " " + orrelin::kVersion);
  app.require_subcommand(1);

  orrelin::cli::PlaceOptions options;
  bool json = false;
  std::vector<std::string> what;
  CLI::App* report = app.add_subcommand("report", "The full report of a body, as the report window shows it");
  report->add_option("BODY", what,
                     "report BODY: sun, moon, mercury, venus, mars, jupiter, saturn, uranus or neptune;\n"
                     "report star NAME: a star of the catalogue, by name in any letter case")
      ->required()
      ->expected(1, 2);
  AddPlaceOptions(*report, options);
  report->add_flag("--json", json, "Print one JSON object");

  bool satellitesInverted = false, satellitesJson = false;
  orrelin::cli::PlaceOptions satellitesOptions;
  CLI::App* satellites =
      app.add_subcommand("satellites", "Where Jupiter's four large satellites stand, as the satellites window shows");
  AddPlaceOptions(*satellites, satellitesOptions);
  satellites->add_flag("--inverted", satellitesInverted, "As an inverting telescope shows them");
  satellites->add_flag("--json", satellitesJson, "Print {\"X\", \"Y\", \"px\", \"py\"} as JSON");

  orrelin::cli::PlaceOptions identifyOptions;
  std::string identifyHs, identifyZn, identifyMag = orrelin::kInitialMagnitudeLimit;
  bool identifyJson = false;
  CLI::App* identify = app.add_subcommand(
      "identify", "Which star or planet a sextant altitude and a compass azimuth could be, the nearest three first");
  identify->add_option("--hs", identifyHs, "Sextant altitude: degrees and minutes as typed (\"35 20.5\"; minutes may be left out)")
      ->required();
  identify->add_option("--zn", identifyZn, "Azimuth, degrees from north through east (0 to 360)")->required();
  identify->add_option("--mag", identifyMag, "Magnitude limit (default 2.0): bodies this bright or brighter");
  AddPlaceOptions(*identify, identifyOptions);
  identify->add_flag("--json", identifyJson, "Print one JSON object");

  orrelin::cli::PlaceOptions almanacOptions;
  std::string almanacYear, almanacIcs, almanacCsv;
  bool almanacTotal = false, almanacJson = false;
  CLI::App* almanac = app.add_subcommand(
      "almanac", "The events of a year in local time: seasons, Easter, moon phases, eclipses, planetary phenomena");
  almanac->add_option("YEAR", almanacYear, "The year, 0 to 2999 (with --bc: before Christ)")->required();
  almanac->add_flag("--total", almanacTotal, "Add the hours at which two planets are seen near each other");
  AddPlaceOptions(*almanac, almanacOptions);
  almanac->add_flag("--json", almanacJson, "Print one JSON object");
  almanac->add_option("--ics", almanacIcs, "Also write the events as an iCalendar file (RFC 5545, UTC times)");
  almanac->add_option("--csv", almanacCsv, "Also write the events as a CSV file");

  bool placesJson = false;
  CLI::App* places = app.add_subcommand("places", "The named places of the place list");
  places->add_flag("--json", placesJson, "Print a JSON array");

  bool starsJson = false;
  CLI::App* stars = app.add_subcommand("stars", "The navigational stars of the catalogue");
  stars->add_flag("--json", starsJson, "Print a JSON array");

  try {
    app.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return kBadInput;
  }
  if (report->parsed()) return Report(what, options, json);
  if (stars->parsed()) return Stars(starsJson);
  if (places->parsed()) return Places(placesJson);
  if (satellites->parsed()) return Satellites(satellitesOptions, satellitesInverted, satellitesJson);
  if (identify->parsed()) return Identify(identifyOptions, identifyHs, identifyZn, identifyMag, identifyJson);
  if (almanac->parsed()) return Almanac(almanacOptions, almanacYear, almanacTotal, almanacJson, almanacIcs, almanacCsv);
  return 0;
}
