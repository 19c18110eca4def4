// The command-line program: parsing the arguments and running the commands.
#include "cli/cli_program.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/place_list.h"
#include "app/settings_file.h"
#include "app/settings_folder.h"
#include "cli/almanac_command.h"
#include "cli/ephemeris_command.h"
#include "cli/navigation_command.h"
#include "cli/plot_png.h"
#include "navigation/plotting_sheet.h"
#include "navigation/sights_file.h"
#include "cli/identify_command.h"
#include "cli/report_command.h"
#include "cli/satellites_command.h"
#include "core/fields.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/geodesy.h"
#include "core/numbers.h"
#include "precise/nautical.h"
#include "cli/pdf_pages.h"
#include "app/date_box.h"
#include "daily/daily_page_layout.h"
#include "core/version.h"
#include "identify/identify_form.h"
#include "planets/jupiter_satellites.h"
#include "report/body_report.h"
#include "report/observer_reading.h"
#include "report/satellites_moment.h"
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

// Typed names and file names as messages quote them: long enough for any real one.
constexpr std::size_t kLongestQuotedName = 40;
constexpr std::size_t kLongestQuotedPath = 300;

std::string WithoutOuterBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The plotting sheet's file: the name's ending chooses the format.
enum class PlotFormat { kNone, kPng, kPdf };
std::optional<PlotFormat> PlotFormatOf(const std::string& path) {
  if (path.empty()) return PlotFormat::kNone;
  const std::string ending = LowerCaseText(std::filesystem::path(path).extension().string());
  if (ending == ".png") return PlotFormat::kPng;
  if (ending == ".pdf") return PlotFormat::kPdf;
  return std::nullopt;
}

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
bool HoldsNumbers(const CLI::Option& option) {
  static const std::vector<std::string> texts = {"--place", "--body", "--ics", "--csv", "--pdf", "--plot",
                                                 "BODY",    "SIGHTS"};
  return std::find(texts.begin(), texts.end(), option.get_name()) == texts.end();
}

// "--lat: Use point" for the first option of the command typed with a decimal comma.
std::optional<std::string> DecimalCommaMessage(const CLI::App& command) {
  for (const CLI::Option* option : command.get_options()) {
    if (!HoldsNumbers(*option)) continue;
    for (const std::string& value : option->results()) {
      if (HasDecimalComma(value)) return option->get_name() + ": " + kMessageUsePoint;
    }
  }
  return std::nullopt;
}

// The sight command's own options, as typed.
// An assumed position given as an empty text is refused, not read as "not given".
struct SightOptions {
  std::string body, limb, utc, hs, ie = "0";
  std::optional<std::string> dr;
};
struct FixOptions {
  std::string file, plot;
  std::optional<std::string> dr, course, speed;
};

// One run of the program over its context.
class CliRun {
 public:
  explicit CliRun(const CliContext& context) : c_(context) {}

  int Places(bool json) const;
  int Stars(bool json) const;
  int Report(const std::vector<std::string>& what, const PlaceOptions& options, bool json) const;
  int Satellites(const PlaceOptions& options, bool inverted, bool json) const;
  int Identify(const PlaceOptions& options, const std::string& hs, const std::string& zn, const std::string& limit,
               bool json) const;
  int Almanac(const PlaceOptions& options, const std::string& year, bool total, bool json, const std::string& icsPath,
              const std::string& csvPath) const;
  int DailyPage(const std::string& date, const std::string& pdfPath) const;
  int Sight(const PlaceOptions& options, const SightOptions& sight, bool json) const;
  int Fix(const PlaceOptions& options, const FixOptions& fix, bool json) const;
  int Ephemeris(const PlaceOptions& options, const std::vector<std::string>& bodies, const std::string& from,
                const std::string& to, const std::string& step, bool json, const std::string& csvPath) const;

 private:
  int Fail(const std::string& message) const {
    c_.err << message << '\n';
    return kExitBadInput;
  }
  void Say(const std::vector<std::string>& messages) const {
    for (const auto& m : messages) c_.err << m << '\n';
  }
  std::filesystem::path UserOrShipped(const char* name) const;
  std::filesystem::path CataloguePath() const { return UserOrShipped(kStarFileName); }
  std::optional<MainWindowRecord> PlaceAndMoment(const PlaceOptions& options) const;
  bool WriteExport(const std::string& path, const std::string& bytes) const;

  const CliContext& c_;
};

// A file of the user's settings folder, else the one shipped with the program.
std::filesystem::path CliRun::UserOrShipped(const char* name) const {
  std::vector<std::filesystem::path> candidates{c_.settingsFolder / name};
  for (const auto& folder : c_.shippedFolders) candidates.push_back(folder / name);
  std::error_code ec;
  for (const auto& path : candidates) {
    if (std::filesystem::is_regular_file(path, ec)) return path;
  }
  return candidates.front();
}

int CliRun::Places(bool json) const {
  const std::filesystem::path path = UserOrShipped(kPlaceFileName);
  const TextLines list = ReadTextLines(path, 16 * 1024 * 1024);
  if (!list.exists || !list.readable) return Fail(std::string(" File missing or cannot be opened ") + path.string());
  c_.out << (json ? PlaceListJson(list.lines) : PlaceListText(list.lines));
  return 0;
}

int CliRun::Stars(bool json) const {
  const StarCatalogue catalogue = LoadStarCatalogue(CataloguePath());
  if (!catalogue.read) return Fail(catalogue.message);
  if (!catalogue.message.empty()) c_.err << catalogue.message << '\n';
  c_.out << (json ? StarListJson(catalogue.records) : StarListText(catalogue.records));
  return 0;
}

// The main window's boxes from the saved settings (or the first-start place) and the options.
std::optional<MainWindowRecord> CliRun::PlaceAndMoment(const PlaceOptions& options) const {
  const SettingsFile settings(c_.settingsFolder / kSettingsFileName);
  ErrorStreamSink errorSink(c_.err);
  MainWindowRecord main = StartingRecord(settings, c_.now, c_.secondsEastOfUtc, errorSink);
  RecordingMessageSink sink;
  if (!ApplyPlaceOptions(options, main, sink, UserOrShipped(kPlaceFileName))) {
    Fail(sink.messages.back());
    return std::nullopt;
  }
  return main;
}

int CliRun::Report(const std::vector<std::string>& what, const PlaceOptions& options, bool json) const {
  const std::string& bodyName = what.front();
  const auto code = BodyCodeOf(bodyName);
  if (!code) return Fail("Unknown body: " + bodyName);
  std::optional<StarWindowRecord> star;
  if (*code == "STAR") {
    if (what.size() != 2) return Fail("Name the star: report star NAME");
    const StarCatalogue catalogue = LoadStarCatalogue(CataloguePath());
    if (!catalogue.read) return Fail(catalogue.message);
    if (!catalogue.message.empty()) c_.err << catalogue.message << '\n';
    const std::string name = WithoutOuterBlanks(what[1]);
    star = StarWindowOf(catalogue.records, name);
    if (!star) return Fail("No star named " + QuotedText(name, kLongestQuotedName) + " in the catalogue");
  } else if (what.size() != 1) {
    return Fail("Only a star takes a name");
  }
  auto main = PlaceAndMoment(options);
  if (!main) return kExitBadInput;
  const ReportOutcome outcome = RunReport(*main, *code, star ? &*star : nullptr);
  if (!outcome.ok) {
    Say(outcome.messages);
    return kExitBadInput;
  }
  if (json) {
    c_.out << ReportJson(outcome.report, outcome.messages);
  } else {
    Say(outcome.messages);
    c_.out << ReportText(outcome.report);
  }
  return 0;
}

int CliRun::Satellites(const PlaceOptions& options, bool inverted, bool json) const {
  auto main = PlaceAndMoment(options);
  if (!main) return kExitBadInput;
  const auto moment = SatellitesMomentOf(*main);
  if (!moment) return Fail(kMessageBadTime);
  const SatellitePositions positions = JupiterSatellites(moment->jd0, moment->hours);
  const JupiterPicture picture = DrawJupiterSatellites(positions, inverted, 345);
  c_.out << (json ? SatellitesJson(picture) : SatellitesText(positions, picture, inverted));
  return 0;
}

int CliRun::Identify(const PlaceOptions& options, const std::string& hs, const std::string& zn,
                     const std::string& limit, bool json) const {
  // The window stops on a limit that is no number without a word; here it is said.
  if (!ReadDecimal(limit).ok) return Fail(std::string("--mag: ") + kMessageMagnitudeRange);
  auto main = PlaceAndMoment(options);
  if (!main) return kExitBadInput;
  TIdentifyForm form = SightOf(hs, zn, limit);
  RecordingMessageSink sink;
  // The user's catalogue (or the shipped one), read once for the search.
  if (!IdentifyOk(form, *main, CataloguePath(), sink)) {
    Say(sink.messages);
    return kExitBadInput;
  }
  if (json) {
    c_.out << IdentifyJson(form, sink.messages);
  } else {
    Say(sink.messages);
    c_.out << IdentifyText(form);
  }
  return 0;
}

// Writes an export through a temporary file; false, with the message, when it cannot.
bool CliRun::WriteExport(const std::string& path, const std::string& bytes) const {
  const FileWrite written = WriteFileAtomically(path, bytes);
  if (!written.ok) c_.err << "Could not write " << QuotedText(path, kLongestQuotedPath) << ": " << written.errorText << '\n';
  return written.ok;
}

int CliRun::Almanac(const PlaceOptions& options, const std::string& year, bool total, bool json,
                    const std::string& icsPath, const std::string& csvPath) const {
  if (!c_.exportsAllowed && !(icsPath.empty() && csvPath.empty())) return Fail("Exports are not allowed here");
  auto main = PlaceAndMoment(options);
  if (!main) return kExitBadInput;
  std::vector<std::string> messages;
  const auto listing = AlmanacOf(year, total, *main, messages);
  if (!listing) {
    Say(messages);
    return kExitBadInput;
  }
  if (!icsPath.empty()) {
    std::string why;
    const auto ics = AlmanacICalendar(*listing, why);
    if (!ics) return Fail(why);
    if (!WriteExport(icsPath, *ics)) return kExitBadInput;
  }
  if (!csvPath.empty() && !WriteExport(csvPath, AlmanacCsv(*listing))) return kExitBadInput;
  if (json) {
    c_.out << AlmanacJson(*listing);
  } else {
    Say(listing->messages);
    c_.out << AlmanacText(*listing);
  }
  return 0;
}

// The assumed position: --dr, else the main window's place.
std::optional<navigation::GeoPosition> AssumedPosition(const std::optional<std::string>& dr, const Observer& place) {
  if (!dr) return navigation::GeoPosition{place.latitude, EastLongitude(place.longitude)};
  return navigation::ReadPosition(*dr);
}

int CliRun::Sight(const PlaceOptions& options, const SightOptions& o, bool json) const {
  auto main = PlaceAndMoment(options);
  if (!main) return kExitBadInput;
  const auto place = ReadObserver(*main);
  if (!place) return Fail(kMessageBadLocation);
  const auto assumed = AssumedPosition(o.dr, *place);
  if (!assumed) return Fail("--dr: give the position as \"59 50 N, 24 50 E\"");
  navigation::Sight s;
  std::string why;
  const auto utc = ReadUtcMoment(o.utc, why);
  if (!utc) return Fail("--utc: " + why);
  const auto limb = navigation::ReadLimb(o.limb);
  if (!limb) return Fail("--limb: lower or upper");
  const auto body = precise::NauticalBodyNamed(o.body);
  const bool hasLimbs = body && body->kind == precise::NauticalBody::Kind::kBody &&
                        (body->body == precise::Body::kSun || body->body == precise::Body::kMoon);
  // A sextant brings a limb of the Sun or the Moon to the horizon, never the centre;
  // a star or a planet is a point.
  if (hasLimbs && *limb == navigation::Limb::kCentre) return Fail("--limb: lower or upper, for the " + body->name);
  if (body && !hasLimbs && *limb != navigation::Limb::kCentre) {
    return Fail("--limb: only the Sun and the Moon have limbs, not " + body->name);
  }
  const auto hs = navigation::ReadSextantAltitude(o.hs);
  if (!hs) return Fail("--hs: degrees and minutes, \"23 41.6\"");
  const auto ie = ReadBoundedDecimal(o.ie, -60.0, 60.0);
  if (!ie) return Fail("--ie: minutes of arc, -60 to 60 (positive on the arc)");
  s.body = o.body;
  s.limb = *limb;
  s.julianDayUt = *utc;
  s.sextantAltitude = *hs;
  s.indexError = *ie;
  s.heightOfEye = place->height;
  s.pressure = place->pressure;
  s.temperature = place->temperature;
  const auto reduction = navigation::ReduceSight(s, *assumed, why);
  if (!reduction) return Fail(why);
  const std::vector<std::string> warnings = SightWarnings(*reduction);
  if (json) {
    c_.out << SightJson(s, *reduction, warnings);
  } else {
    Say(warnings);
    c_.out << SightText(s, *reduction);
  }
  return 0;
}

int CliRun::Fix(const PlaceOptions& options, const FixOptions& o, bool json) const {
  auto main = PlaceAndMoment(options);
  if (!main) return kExitBadInput;
  const auto place = ReadObserver(*main);
  if (!place) return Fail(kMessageBadLocation);
  navigation::FixInput in;
  const auto assumed = AssumedPosition(o.dr, *place);
  if (!assumed) return Fail("--dr: give the position as \"59 50 N, 24 50 E\"");
  in.assumed = *assumed;
  if (o.course.has_value() != o.speed.has_value()) {
    return Fail(o.course ? "--course: give --speed with it (a running fix needs both)"
                         : "--speed: give --course with it (a running fix needs both)");
  }
  const auto course = ReadBoundedDecimal(o.course.value_or("0"), 0.0, 360.0);
  const auto speed = ReadBoundedDecimal(o.speed.value_or("0"), 0.0, 100.0);
  if (!course) return Fail("--course: degrees true, 0 to 360");
  if (!speed) return Fail("--speed: knots, 0 to 100");
  in.course = *course;
  in.speed = *speed;
  const auto sheet = PlotFormatOf(o.plot);
  if (!sheet) return Fail("--plot: the file's name ends in .png or .pdf");
  std::vector<std::string> messages;
  if (!o.dr) {
    messages.push_back("No --dr: the assumed position is the place, " + navigation::PositionText(in.assumed));
  }
  const TextLines file = ReadTextLines(o.file, 16 * 1024 * 1024);
  if (!file.exists) return Fail("No sights file " + QuotedText(o.file, kLongestQuotedPath));
  if (!file.readable) {
    return Fail("The sights file " + QuotedText(o.file, kLongestQuotedPath) + " could not be read (" + file.problem + ")");
  }
  const navigation::SightsFile sights = navigation::ReadSights(file.lines);
  for (const std::string& problem : sights.problems) messages.push_back(o.file + ", " + problem);
  in.sights = sights.sights;
  std::string message;
  const auto fix = navigation::FixPosition(in, message);
  if (!fix) {
    Say(messages);
    return Fail(message);
  }
  if (*sheet != PlotFormat::kNone) {
    if (!c_.exportsAllowed) return Fail("Exports are not allowed here");
    const navigation::PlottingSheet drawn = navigation::DrawPlottingSheet(*fix, in.assumed);
    if (!WriteExport(o.plot, *sheet == PlotFormat::kPdf ? PlottingSheetPdf(drawn) : PlottingSheetPng(drawn))) {
      return kExitBadInput;
    }
  }
  if (json) {
    c_.out << FixJson(*fix, in.assumed, messages);
  } else {
    Say(messages);
    c_.out << FixText(*fix, in.assumed);
  }
  return 0;
}

int CliRun::DailyPage(const std::string& date, const std::string& pdfPath) const {
  if (!c_.exportsAllowed && !pdfPath.empty()) return Fail("Exports are not allowed here");
  const DateRead first = ReadDateText(date, false);
  if (!first.date) return Fail(first.message);
  std::string why;
  const auto pages = daily::ComputeDailyPages(*first.date, why);
  if (!pages) return Fail("No daily pages for " + date + ": " + why);
  if (pdfPath.empty()) {
    c_.out << daily::DailyPagesText(*pages);
    return 0;
  }
  const std::string pdf = PdfOfPages(daily::DailyPagesPrinted(*pages, kPdfAreaWidth, kPdfAreaHeight));
  return WriteExport(pdfPath, pdf) ? 0 : kExitBadInput;
}

int CliRun::Ephemeris(const PlaceOptions& options, const std::vector<std::string>& bodies, const std::string& from,
                      const std::string& to, const std::string& step, bool json, const std::string& csvPath) const {
  if (!c_.exportsAllowed && !csvPath.empty()) return Fail("Exports are not allowed here");
  std::string message;
  auto request = ReadEphemerisRequest(bodies, from, to, step, message, c_.mostEphemerisRows);
  if (!request) return Fail(message);
  auto main = PlaceAndMoment(options);
  if (!main) return kExitBadInput;
  request->observer = ReadObserver(*main);
  if (!request->observer) return Fail(kMessageBadLocation);
  const auto rows = EphemerisRows(*request, message);
  if (!rows) return Fail(message);
  if (!csvPath.empty() && !WriteExport(csvPath, EphemerisCsv(*rows))) return kExitBadInput;
  c_.out << (json ? EphemerisJson(*rows) : EphemerisText(*rows));
  return 0;
}

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
  if (uses & kOffsetBox) command.add_option("--offset", options.offset, "UTC minus local time, hours (-14 to 14)");
  if (uses & kDeltaBox) command.add_option("--delta", options.delta, "Delta T in seconds, as typed in the Delta box");
}

// Every command's options, filled in by the parse.
struct ParsedCommands {
  PlaceOptions reportOptions, satellitesOptions, identifyOptions, almanacOptions;
  std::vector<std::string> what;
  bool reportJson = false;
  bool satellitesInverted = false, satellitesJson = false;
  std::string identifyHs, identifyZn, identifyMag = kInitialMagnitudeLimit;
  bool identifyJson = false;
  std::string almanacYear, almanacIcs, almanacCsv;
  bool almanacTotal = false, almanacJson = false;
  bool placesJson = false, starsJson = false;
  PlaceOptions ephemerisOptions;
  std::vector<std::string> ephemerisBodies;
  std::string ephemerisFrom, ephemerisTo, ephemerisStep = "1h", ephemerisCsv;
  bool ephemerisJson = false;
  CLI::App* ephemeris = nullptr;
  std::string dailyDate, dailyPdf;
  CLI::App* daily = nullptr;
  PlaceOptions sightPlace, fixPlace;
  SightOptions sightOptions;
  FixOptions fixOptions;
  bool sightJson = false, fixJson = false;
  CLI::App *sight = nullptr, *fix = nullptr;
  CLI::App *report = nullptr, *satellites = nullptr, *identify = nullptr, *almanac = nullptr, *places = nullptr,
           *stars = nullptr;
};

void AddCommands(CLI::App& app, ParsedCommands& p) {
  p.report = app.add_subcommand("report", "The full report of a body, as the report window shows it");
  p.report
      ->add_option("BODY", p.what,
                   "report BODY: sun, moon, mercury, venus, mars, jupiter, saturn, uranus or neptune;\n"
                   "report star NAME: a star of the catalogue, by name in any letter case")
      ->required()
      ->expected(1, 2);
  AddPlaceOptions(*p.report, p.reportOptions, kAllBoxes);
  p.report->add_flag("--json", p.reportJson, "Print one JSON object");
  p.report->add_flag("--precise", p.reportOptions.precise,
                     "From the precise ephemeris (JPL DE431, 1800 to 2399) instead of the book's methods");

  p.satellites =
      app.add_subcommand("satellites", "Where Jupiter's four large satellites stand, as the satellites window shows");
  AddPlaceOptions(*p.satellites, p.satellitesOptions, kMomentBoxes | kBeforeChrist);
  p.satellites->add_flag("--inverted", p.satellitesInverted, "As an inverting telescope shows them");
  p.satellites->add_flag("--json", p.satellitesJson, "Print {\"X\", \"Y\", \"px\", \"py\"} as JSON");

  p.identify = app.add_subcommand(
      "identify", "Which star or planet a sextant altitude and a compass azimuth could be, the nearest three first");
  p.identify
      ->add_option("--hs", p.identifyHs, "Sextant altitude: degrees and minutes as typed (\"35 20.5\"; minutes may be left out)")
      ->required();
  p.identify->add_option("--zn", p.identifyZn, "Azimuth, degrees from north through east (0 to 360)")->required();
  p.identify->add_option("--mag", p.identifyMag, "Magnitude limit (default 2.0): bodies this bright or brighter");
  AddPlaceOptions(*p.identify, p.identifyOptions, kPlaceBoxes | kWeatherBoxes | kMomentBoxes | kBeforeChrist | kDeltaBox);
  p.identify->add_flag("--json", p.identifyJson, "Print one JSON object");

  p.almanac = app.add_subcommand(
      "almanac", "The events of a year in local time: seasons, Easter, moon phases, eclipses, planetary phenomena");
  p.almanac->add_option("YEAR", p.almanacYear, "The year, 0 to 2999 (with --bc: before Christ)")->required();
  p.almanac->add_flag("--total", p.almanacTotal, "Add the hours at which two planets are seen near each other");
  AddPlaceOptions(*p.almanac, p.almanacOptions, kPlaceBoxes | kWeatherBoxes | kBeforeChrist | kOffsetBox);
  p.almanac->add_flag("--json", p.almanacJson, "Print one JSON object");
  p.almanac->add_option("--ics", p.almanacIcs, "Also write the events as an iCalendar file (RFC 5545, UTC times)");
  p.almanac->add_option("--csv", p.almanacCsv, "Also write the events as a CSV file");

  p.places = app.add_subcommand("places", "The named places of the place list");
  p.places->add_flag("--json", p.placesJson, "Print a JSON array");

  p.ephemeris = app.add_subcommand(
      "ephemeris", "Precise GHA, SHA, declination, HP, SD, v, d, altitude and azimuth of bodies, as the almanacs give them");
  p.ephemeris
      ->add_option("BODY", p.ephemerisBodies,
                   "sun, moon, aries, mercury .. neptune, or a navigational star by name (any letter case)")
      ->required();
  p.ephemeris->add_option("--from", p.ephemerisFrom, "First moment, UT: \"yyyy-mm-dd hh:mm\"")->required();
  p.ephemeris->add_option("--to", p.ephemerisTo, "Last moment, UT: \"yyyy-mm-dd hh:mm\"")->required();
  p.ephemeris->add_option("--step", p.ephemerisStep, "Step: a number and s, m, h or d (default 1h)");
  AddPlaceOptions(*p.ephemeris, p.ephemerisOptions, kPlaceBoxes | kWeatherBoxes);
  p.ephemeris->add_flag("--json", p.ephemerisJson, "Print a JSON array, angles in decimal degrees");
  p.ephemeris->add_option("--csv", p.ephemerisCsv, "Also write the rows as a CSV file");

  p.daily = app.add_subcommand(
      "daily-page", "The daily pages of a nautical almanac for three days from DATE, from the precise ephemeris");
  p.daily->add_option("DATE", p.dailyDate, "The first of the three days, yyyy-mm-dd (1800 to 2399)")->required();
  p.daily->add_option("--pdf", p.dailyPdf, "Write the two pages as a PDF file instead of printing them as text");

  p.sight = app.add_subcommand("sight", "A sextant sight reduced to its line of position, every correction shown");
  p.sight->add_option("--body", p.sightOptions.body, "sun, moon, a planet or a navigational star")->required();
  p.sight->add_option("--limb", p.sightOptions.limb, "The Sun's or the Moon's limb: lower or upper");
  p.sight->add_option("--utc", p.sightOptions.utc, "The time of the sight, \"yyyy-mm-dd hh:mm:ss\" UT")->required();
  p.sight->add_option("--hs", p.sightOptions.hs, "The sextant altitude, \"23 41.6\"")->required();
  p.sight->add_option("--ie", p.sightOptions.ie, "Index error, minutes; positive on the arc (default 0)");
  p.sight->add_option("--dr", p.sightOptions.dr, "The assumed position, \"59 50 N, 24 50 E\" (default: the place)");
  AddPlaceOptions(*p.sight, p.sightPlace, kPlaceBoxes | kWeatherBoxes);
  p.sight->add_flag("--json", p.sightJson, "Print one JSON object");

  p.fix = app.add_subcommand("fix", "The position from a file of sights (utc,body,limb,hs,ie,height,pressure,temperature)");
  p.fix->add_option("SIGHTS", p.fixOptions.file, "The sights, a CSV file")->required();
  p.fix->add_option("--dr", p.fixOptions.dr, "The dead-reckoning position at the last sight (default: the place)");
  p.fix->add_option("--course", p.fixOptions.course, "The ship's course, degrees true (a running fix)");
  p.fix->add_option("--speed", p.fixOptions.speed, "The ship's speed, knots");
  AddPlaceOptions(*p.fix, p.fixPlace, kPlaceBoxes);
  p.fix->add_flag("--json", p.fixJson, "Print one JSON object");
  p.fix->add_option("--plot", p.fixOptions.plot, "Also draw the plotting sheet into a file: FILE.png or FILE.pdf");

  p.stars = app.add_subcommand("stars", "The navigational stars of the catalogue");
  p.stars->add_flag("--json", p.starsJson, "Print a JSON array");
}

}  // namespace

std::vector<CommandHelp> CommandHelps() {
  CLI::App app;
  ParsedCommands p;
  AddCommands(app, p);
  std::vector<CommandHelp> helps;
  for (const CLI::App* command : app.get_subcommands([](CLI::App*) { return true; })) {
    CommandHelp help{command->get_name(), command->get_description(), {}};
    for (const bool positional : {true, false}) {
      for (const CLI::Option* option : command->get_options()) {
        if (option->get_name().empty() || option->get_name() == "--help") continue;
        if (option->get_positional() != positional) continue;
        const bool flag = option->get_expected_max() == 0;
        help.options.push_back(OptionHelp{option->get_name(), flag || positional ? "" : option->get_type_name(),
                                          option->get_description(), option->get_required()});
      }
    }
    helps.push_back(help);
  }
  return helps;
}

int RunCli(const std::vector<std::string>& arguments, const CliContext& context) {
  CLI::App app{
      "Orrelin: astronomy and celestial navigation from the command line.\n"
      "Place and moment options not given come from the saved settings of the window program\n"
      "(or, before it was ever closed, the first-start place Helsinki); the date and time\n"
      "default to now. Nothing is ever written to the settings.",
      "orrelin-cli"};
  app.set_version_flag("--version", std::string(kProgramName) + " " + kVersion);
  app.require_subcommand(1);
  // A wrong command line is one message, on one line, with where to read more.
  app.failure_message([](const CLI::App* program, const CLI::Error& e) {
    // An option of another command, or of none: named with the command it was given to.
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
      for (const CLI::App* command : program->get_subcommands()) {
        for (const std::string& extra : command->remaining()) {
          if (extra.rfind("--", 0) == 0) {
            return command->get_name() + " does not take " + extra + " (orrelin-cli " + command->get_name() +
                   " --help lists its options)\n";
          }
        }
      }
    }
    return std::string(e.what()) + " (orrelin-cli --help lists the commands and options)\n";
  });
  ParsedCommands p;
  AddCommands(app, p);

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::Success& e) {
    return app.exit(e, context.out, context.err);
  } catch (const CLI::ParseError& e) {
    app.exit(e, context.out, context.err);
    return kExitBadInput;
  }
  for (const CLI::App* command : app.get_subcommands()) {
    if (const auto message = DecimalCommaMessage(*command)) {
      context.err << *message << '\n';
      return kExitBadInput;
    }
  }
  const CliRun run(context);
  if (p.report->parsed()) return run.Report(p.what, p.reportOptions, p.reportJson);
  if (p.stars->parsed()) return run.Stars(p.starsJson);
  if (p.places->parsed()) return run.Places(p.placesJson);
  if (p.satellites->parsed()) return run.Satellites(p.satellitesOptions, p.satellitesInverted, p.satellitesJson);
  if (p.identify->parsed()) {
    return run.Identify(p.identifyOptions, p.identifyHs, p.identifyZn, p.identifyMag, p.identifyJson);
  }
  if (p.daily->parsed()) return run.DailyPage(p.dailyDate, p.dailyPdf);
  if (p.sight->parsed()) return run.Sight(p.sightPlace, p.sightOptions, p.sightJson);
  if (p.fix->parsed()) return run.Fix(p.fixPlace, p.fixOptions, p.fixJson);
  if (p.ephemeris->parsed()) {
    return run.Ephemeris(p.ephemerisOptions, p.ephemerisBodies, p.ephemerisFrom, p.ephemerisTo, p.ephemerisStep,
                         p.ephemerisJson, p.ephemerisCsv);
  }
  if (p.almanac->parsed()) {
    return run.Almanac(p.almanacOptions, p.almanacYear, p.almanacTotal, p.almanacJson, p.almanacIcs, p.almanacCsv);
  }
  return 0;
}

}  // namespace orrelin::cli
