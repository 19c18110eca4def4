// orrelin-cli: the program's results for scripts.
#include <CLI/CLI.hpp>

#include <ctime>
#include <filesystem>
#include <optional>
#include <vector>
#include <iostream>
#include <string>

#include "app/settings_folder.h"
#include "cli/report_command.h"
#include "core/clock.h"
#include "core/version.h"
#include "stars/star_file.h"

namespace {

constexpr int kBadInput = 2;

int Fail(const std::string& message) {
  std::cerr << message << '\n';
  return kBadInput;
}

// The user's catalogue in the settings folder, else the one shipped with the program.
orrelin::StarFileContents LoadCatalogue() {
  std::vector<std::filesystem::path> candidates{orrelin::SettingsFolder() / orrelin::kStarFileName};
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  if (!ec) {
    candidates.push_back(program / orrelin::kStarFileName);
    candidates.push_back(program / ".." / "share" / "orrelin" / orrelin::kStarFileName);
  }
  for (const auto& path : candidates) {
    if (std::filesystem::is_regular_file(path, ec)) return orrelin::LoadStarFile(path);
  }
  return orrelin::LoadStarFile(candidates.front());
}

int Stars(bool json) {
  const orrelin::StarFileContents catalogue = LoadCatalogue();
  if (!catalogue.read) return Fail(catalogue.message);
  std::cout << (json ? orrelin::cli::StarListJson(catalogue.records) : orrelin::cli::StarListText(catalogue.records));
  return 0;
}

int Report(const std::vector<std::string>& what, const orrelin::cli::PlaceOptions& options, bool json) {
  const std::string& bodyName = what.front();
  const auto code = orrelin::cli::BodyCodeOf(bodyName);
  if (!code) return Fail("Unknown body: " + bodyName);
  std::optional<orrelin::StarWindowRecord> star;
  if (*code == "STAR") {
    if (what.size() != 2) return Fail("Name the star: report star NAME");
    const orrelin::StarFileContents catalogue = LoadCatalogue();
    if (!catalogue.read) return Fail(catalogue.message);
    star = orrelin::cli::StarWindowOf(catalogue.records, what[1]);
    if (!star) return Fail("No star named " + what[1] + " in the catalogue");
  } else if (what.size() != 1) {
    return Fail("Only a star takes a name");
  }
  const orrelin::SettingsFile settings(orrelin::SettingsFolder() / orrelin::kSettingsFileName);
  const std::time_t now = std::time(nullptr);
  orrelin::MainWindowRecord main = orrelin::cli::StartingRecord(settings, now, orrelin::ComputerZoneOffset(now));
  orrelin::RecordingMessageSink sink;
  if (!orrelin::cli::ApplyPlaceOptions(options, main, sink)) return Fail(sink.messages.back());
  const orrelin::cli::ReportOutcome outcome = orrelin::cli::RunReport(main, *code, star ? &*star : nullptr);
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

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Orrelin: astronomy and celestial navigation from the command line", "orrelin-cli"};
  app.set_version_flag("--version", std::string(orrelin::kProgramName) + " " + orrelin::kVersion);
  app.require_subcommand(1);

  orrelin::cli::PlaceOptions options;
  bool json = false;
  std::vector<std::string> what;
  CLI::App* report = app.add_subcommand("report", "The full report of a body, as the report window shows it");
  report->add_option("body", what, "sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune, or star NAME")
      ->required()
      ->expected(1, 2);
  report->add_option("--lat", options.latitude, "Latitude: degrees, minutes, N or S (\"60 9.7 N\")");
  report->add_option("--lon", options.longitude, "Longitude: degrees, minutes, E or W (\"24 57.3 E\")");
  report->add_option("--height", options.height, "Height of eye, metres");
  report->add_option("--pressure", options.pressure, "Air pressure, millibars");
  report->add_option("--temp", options.temperature, "Air temperature, degrees Celsius");
  report->add_option("--date", options.date, "Date YYYY-MM-DD (a positive year; see --bc)");
  report->add_flag("--bc", options.beforeChrist, "The year is before Christ");
  report->add_option("--time", options.time, "UTC time hh:mm:ss (default: now)");
  report->add_option("--offset", options.offset, "UTC minus local time, hours");
  report->add_option("--delta", options.delta, "Delta T in seconds (the Delta box)");
  report->add_flag("--json", json, "Print one JSON object");

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
  return 0;
}
