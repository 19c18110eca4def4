// The main window with its report window and the command line give the same report:
// for random moments and places, every body's title, boxes, explanation lines and
// messages, text for text. The window is driven by its widgets' names as a user
// would; the command line runs in-process on the same values as its options.
//
// ORRELIN_AGREEMENT_MOMENTS sets the number of moments, a tenth of them for the precise
// report (fewer are run by default under the sanitizers, which make each report many
// times slower).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli_program.h"
#include "core/messages.h"
#include "ui/date_box.h"
#include "ui/orrelin_form.h"
#include "ui/planet_form.h"
#include "ui/star_form.h"
#include "ui_test_support.h"

using orrelin::RecordingMessageSink;
using orrelin::testing::Find;
using orrelin::ui::DateBox;
using orrelin::ui::TOrrelinForm;

namespace {

#ifdef ORRELIN_SANITIZED
constexpr int kMoments = 300;
#else
constexpr int kMoments = 3000;
#endif

int MomentCount() {
  const char* text = std::getenv("ORRELIN_AGREEMENT_MOMENTS");
  return text != nullptr && std::atoi(text) > 0 ? std::atoi(text) : kMoments;
}

// What a user types into the main window's place and moment boxes.
struct Observation {
  orrelin::CivilDate date;
  bool beforeChrist = false;
  std::string time;  // UTC
  std::string latDeg, latMin, lonDeg, lonMin;
  bool north = true, west = false;
  std::string height, pressure, temperature, offset;
};

bool LeapYear(int year, bool beforeChrist) {
  if (beforeChrist) return (year - 1) % 4 == 0;  // 1 B.C. is the year 0 of the Julian calendar
  if (year < 1582) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month, bool beforeChrist) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && LeapYear(year, beforeChrist) ? 29 : kDays[month - 1];
}

// Observations from a fixed seed: the same ones on every run and every machine
// (std::mt19937's sequence is fixed by the standard; its distributions are not).
class RandomObservations {
 public:
  explicit RandomObservations(std::uint32_t seed) : random_(seed) {}

  // A date of the years firstYear..lastYear A.D., or now and then (one in beforeChristOneIn)
  // of 1..500 B.C.; any time; any place, height and weather the boxes take.
  Observation Next(int firstYear, int lastYear, int beforeChristOneIn) {
    Observation o;
    o.beforeChrist = beforeChristOneIn > 0 && Below(beforeChristOneIn) == 0;
    o.date.year = o.beforeChrist ? 1 + Below(500) : firstYear + Below(lastYear - firstYear + 1);
    o.date.month = 1 + Below(12);
    o.date.day = 1 + Below(DaysInMonth(o.date.year, o.date.month, o.beforeChrist));
    // The days the Gregorian reform left out do not exist.
    if (!o.beforeChrist && o.date.year == 1582 && o.date.month == 10 && o.date.day > 4 && o.date.day < 15) {
      o.date.day += 10;
    }
    o.time = TwoDigits(Below(24)) + ":" + TwoDigits(Below(60)) + ":" + TwoDigits(Below(60));
    Angle(90, o.latDeg, o.latMin);
    Angle(180, o.lonDeg, o.lonMin);
    o.north = Below(2) == 0;
    o.west = Below(2) == 0;
    o.height = Below(10) == 0 ? std::to_string(Below(8901)) : Tenths(Below(500));
    o.pressure = Below(10) == 0 ? std::to_string(Below(1101)) : std::to_string(950 + Below(101));
    o.temperature = std::to_string(Below(10) == 0 ? -90 + Below(151) : -30 + Below(71));
    // UTC minus local: mostly whole hours from -12 to 14, now and then quarters from -14 to 14.
    const int quarters = Below(4) == 0 ? -56 + Below(113) : 4 * (-12 + Below(27));
    static const char* const kQuarters[] = {"", ".25", ".5", ".75"};
    o.offset = (quarters < 0 ? "-" : "") + std::to_string(std::abs(quarters) / 4) + kQuarters[std::abs(quarters) % 4];
    return o;
  }

  int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint32_t>(n)); }

 private:
  static std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }
  static std::string Tenths(int n) {
    return std::to_string(n / 10) + (n % 10 == 0 ? "" : "." + std::to_string(n % 10));
  }

  // Whole degrees and minutes in tenths (none past the limit itself).
  void Angle(int limit, std::string& degrees, std::string& minutes) {
    const int d = Below(limit + 1);
    degrees = std::to_string(d);
    minutes = d == limit ? "0" : Tenths(Below(600));
  }

  std::mt19937 random_;
};

std::string DateText(const orrelin::CivilDate& d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

// The moment and place, to name them in a failure.
std::string Describe(const Observation& o) {
  return DateText(o.date) + (o.beforeChrist ? " B.C. " : " ") + o.time + " UTC at " + o.latDeg + " " + o.latMin +
         (o.north ? " N, " : " S, ") + o.lonDeg + " " + o.lonMin + (o.west ? " W" : " E") + ", height " + o.height +
         " m, " + o.pressure + " mb, " + o.temperature + " C, UTC minus local " + o.offset + " h";
}

// The command line of the same report; `what` is the body ("moon") or "star" and its name.
std::vector<std::string> Arguments(const Observation& o, const std::vector<std::string>& what, bool precise) {
  std::vector<std::string> a{"report"};
  a.insert(a.end(), what.begin(), what.end());
  a.insert(a.end(), {"--lat", o.latDeg + " " + o.latMin + (o.north ? " N" : " S"),
                     "--lon", o.lonDeg + " " + o.lonMin + (o.west ? " W" : " E"),
                     "--height=" + o.height, "--pressure=" + o.pressure, "--temp=" + o.temperature,
                     "--date", DateText(o.date), "--time", o.time, "--offset=" + o.offset, "--json"});
  if (o.beforeChrist) a.push_back("--bc");
  if (precise) a.push_back("--precise");
  return a;
}

// The arguments as a shell line, to run the same report again by hand.
std::string ShellLine(const std::vector<std::string>& arguments) {
  std::string line = "orrelin-cli";
  for (const auto& a : arguments) {
    std::string quoted = "'";
    for (const char c : a) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    line += " " + quoted + "'";
  }
  return line;
}

// A report as both give it: the title, the shown boxes by caption in their order,
// the two columns of explanation lines and the messages said.
struct Report {
  std::string title;
  std::vector<std::pair<std::string, std::string>> boxes;
  std::vector<std::pair<std::string, std::string>> lines;
  std::vector<std::string> messages;
};

// The report window's boxes, with the captions the window gives them.
struct CaptionedWidget {
  const char* caption;
  const char* widget;
};
const CaptionedWidget kReportBoxes[] = {
    {"Julian Days", "Edit1"},
    {"DeltaTime TD-UT", "Edit3"},
    {"Right Ascension", "Edit5"},
    {"Declination", "Edit7"},
    {"Greenwich Hour Angle", "Edit9"},
    {"Local Hour Angle", "Edit10"},
    {"Altitude", "Edit11"},
    {"Azimuth", "Edit12"},
    {"Altitude taking into account atmospheric refraction", "Edit2"},
    {"Visual magnitude", "edMagn"},
    {"Phase", "lblPhase"},
    {"Rising", "Edit4"},
    {"Transit", "Edit6"},
    {"Setting", "Edit8"},
    {"Civil Twilight", "Edit14"},
    {"Civil Twilight ends", "Edit15"},
    {"Nautical Twilight", "Edit16"},
    {"Nautical Twilight ends", "Edit17"},
    {"Astronomical Twilight", "Edit18"},
    {"Astronomical Twilight ends", "Edit19"},
};

std::vector<std::string> Column(QPlainTextEdit* memo) {
  std::vector<std::string> lines;
  for (const QString& line : memo->toPlainText().split('\n')) lines.push_back(line.toStdString());
  return lines;
}

// What the report window shows: every visible box (one without a caption is named
// by its widget), and the explanation columns side by side.
Report ReadReportWindow(QWidget& window, const std::vector<std::string>& messages) {
  Report r;
  r.title = Find<QLabel>(window, "Label12")->text().toStdString();
  QList<QLineEdit*> uncaptioned = window.findChildren<QLineEdit*>();
  for (const CaptionedWidget& box : kReportBoxes) {
    QWidget* widget = Find<QWidget>(window, box.widget);
    uncaptioned.removeAll(qobject_cast<QLineEdit*>(widget));
    if (!widget->isVisibleTo(&window)) continue;
    const auto* edit = qobject_cast<QLineEdit*>(widget);
    const QString text = edit != nullptr ? edit->text() : qobject_cast<QLabel*>(widget)->text();
    r.boxes.emplace_back(box.caption, text.toStdString());
  }
  for (QLineEdit* box : uncaptioned) {
    if (box->isVisibleTo(&window)) r.boxes.emplace_back(box->objectName().toStdString(), box->text().toStdString());
  }
  const std::vector<std::string> labels = Column(Find<QPlainTextEdit>(window, "Memo1"));
  const std::vector<std::string> values = Column(Find<QPlainTextEdit>(window, "Memo2"));
  for (std::size_t i = 0; i < std::max(labels.size(), values.size()); ++i) {
    r.lines.emplace_back(i < labels.size() ? labels[i] : "<none>", i < values.size() ? values[i] : "<none>");
  }
  r.messages = messages;
  return r;
}

// The command line's report from its JSON; a failed run is one message.
Report ReadCommandLine(const std::vector<std::string>& arguments, const orrelin::cli::CliContext& base) {
  std::ostringstream out, err;
  const orrelin::cli::CliContext context{out, err, base.settingsFolder, base.shippedFolders, base.now,
                                         base.secondsEastOfUtc};
  Report r;
  const int status = orrelin::cli::RunCli(arguments, context);
  if (status != 0) {
    r.title = "exit status " + std::to_string(status) + ": " + err.str();
    return r;
  }
  const auto json = nlohmann::ordered_json::parse(out.str());
  r.title = json["title"].get<std::string>();
  for (const auto& [caption, text] : json["boxes"].items()) r.boxes.emplace_back(caption, text.get<std::string>());
  for (const auto& line : json["lines"]) r.lines.emplace_back(line[0].get<std::string>(), line[1].get<std::string>());
  r.messages = json["messages"].get<std::vector<std::string>>();
  if (!err.str().empty()) r.messages.push_back("stderr: " + err.str());
  return r;
}

// The first difference: which box, line or message, and both texts; empty when none.
std::string FirstDifference(const Report& window, const Report& cli) {
  auto both = [](const std::string& what, const std::string& w, const std::string& c) {
    return what + ": window \"" + w + "\", command line \"" + c + "\"";
  };
  if (window.title != cli.title) return both("title", window.title, cli.title);
  for (std::size_t i = 0; i < std::max(window.boxes.size(), cli.boxes.size()); ++i) {
    if (i >= window.boxes.size()) return "box \"" + cli.boxes[i].first + "\" only in the command line's report";
    if (i >= cli.boxes.size()) return "box \"" + window.boxes[i].first + "\" only in the window";
    if (window.boxes[i].first != cli.boxes[i].first) {
      return both("box " + std::to_string(i + 1), window.boxes[i].first, cli.boxes[i].first);
    }
    if (window.boxes[i].second != cli.boxes[i].second) {
      return both("box \"" + window.boxes[i].first + "\"", window.boxes[i].second, cli.boxes[i].second);
    }
  }
  for (std::size_t i = 0; i < std::max(window.lines.size(), cli.lines.size()); ++i) {
    const std::pair<std::string, std::string> none{"<none>", "<none>"};
    const auto& w = i < window.lines.size() ? window.lines[i] : none;
    const auto& c = i < cli.lines.size() ? cli.lines[i] : none;
    if (w != c) return both("line " + std::to_string(i + 1), w.first + " | " + w.second, c.first + " | " + c.second);
  }
  if (window.messages != cli.messages) {
    auto joined = [](const std::vector<std::string>& m) {
      std::string text;
      for (const auto& s : m) text += (text.empty() ? "" : " / ") + s;
      return text;
    };
    return both("messages", joined(window.messages), joined(cli.messages));
  }
  return {};
}

struct BodyButton {
  const char* button;
  const char* cli;
};
const BodyButton kBodies[] = {{"Sun", "sun"},         {"Moon", "moon"},       {"Mercury", "mercury"},
                              {"Venus", "venus"},     {"Mars", "mars"},       {"Jupiter", "jupiter"},
                              {"Saturn", "saturn"},   {"Uranus", "uranus"},   {"Neptune", "neptune"}};

}  // namespace

class WindowMatchesCommandLineTest : public QObject {
  Q_OBJECT

 private:
  orrelin::testing::FreshStarts starts_;

  static void Type(QLineEdit* box, const std::string& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, QString::fromStdString(text));
  }

  // Types the observation into the main window; empty, or what the window did not take.
  static std::string TypeObservation(TOrrelinForm& form, const Observation& o) {
    auto* bc = Find<QCheckBox>(form, "chBChr");
    if (bc->isChecked() != o.beforeChrist) bc->click();
    Find<DateBox>(form, "DateTimePicker1")->SetDate(o.date);
    const std::pair<const char*, const std::string*> boxes[] = {
        {"Edit1", &o.latDeg},       {"Edit2", &o.latMin},          {"Edit3", &o.lonDeg},
        {"Edit4", &o.lonMin},       {"edtHeight", &o.height},      {"edtPressure", &o.pressure},
        {"edtTemperature", &o.temperature}, {"Edit5", &o.offset},  {"edtTime", &o.time}};
    for (const auto& [name, text] : boxes) Type(Find<QLineEdit>(form, name), *text);
    Find<QRadioButton>(form, o.north ? "RadioButton1" : "RadioButton2")->click();
    Find<QRadioButton>(form, o.west ? "RadioButton3" : "RadioButton4")->click();
    for (const auto& [name, text] : boxes) {
      if (Find<QLineEdit>(form, name)->text().toStdString() != *text) {
        return std::string(name) + " holds \"" + Find<QLineEdit>(form, name)->text().toStdString() + "\"";
      }
    }
    const orrelin::CivilDate shown = Find<DateBox>(form, "DateTimePicker1")->Date();
    if (shown.year != o.date.year || shown.month != o.date.month || shown.day != o.date.day) {
      return "the date box holds " + DateText(shown);
    }
    return {};
  }

  // Every body's report in the window and from the command line for `count` observations;
  // the differences found, each with its moment, place, body and command line.
  std::vector<std::string> CompareReports(int count, int firstYear, int lastYear, int beforeChristOneIn,
                                          bool precise, std::uint32_t seed) {
    RecordingMessageSink sink;
    const orrelin::StartEnvironment env = starts_.Next(true);
    TOrrelinForm form(env, sink);
    form.show();
    if (Find<QCheckBox>(form, "chPrecise")->isChecked() != precise) Find<QCheckBox>(form, "chPrecise")->click();
    const std::filesystem::path cliSettings = starts_.NextFolder().toStdString();
    std::filesystem::create_directories(cliSettings);
    std::ostringstream unused;
    const orrelin::cli::CliContext context{unused, unused, cliSettings, {ORRELIN_SHIPPED_STAR_DIR}, env.now,
                                           env.secondsEastOfUtc};

    QTest::mouseClick(Find<QPushButton>(form, "Stars"), Qt::LeftButton);
    auto* stars = Find<QTableWidget>(form.StarForm(), "StringGrid1");
    std::vector<int> namedRows;
    for (int row = 0; row < stars->rowCount(); ++row) {
      if (stars->item(row, 0) != nullptr && !stars->item(row, 0)->text().trimmed().isEmpty()) namedRows.push_back(row);
    }
    if (namedRows.empty()) return {"the star window lists no named star"};

    RandomObservations random(seed);
    std::vector<std::string> differences;
    for (int n = 0; n < count; ++n) {
      const Observation o = random.Next(firstYear, lastYear, beforeChristOneIn);
      // Each report lays the window out anew with an animation that only the event loop
      // deletes: it runs now and then, as it would between a user's clicks.
      if (n % 25 == 0) QTest::qWait(20);
      sink.messages.clear();
      const std::string typed = TypeObservation(form, o);
      if (!typed.empty() || !sink.messages.empty()) {
        differences.push_back(Describe(o) + ": the main window did not take it: " + typed +
                              (sink.messages.empty() ? "" : " (" + sink.messages.front() + ")"));
        continue;
      }
      const int starRow = namedRows[static_cast<std::size_t>(random.Below(static_cast<int>(namedRows.size())))];
      const std::string starName = stars->item(starRow, 0)->text().toStdString();
      for (std::size_t b = 0; b <= std::size(kBodies); ++b) {
        const bool star = b == std::size(kBodies);
        sink.messages.clear();
        if (star) {
          Find<QPushButton>(form, "Stars")->click();
          stars->cellClicked(starRow, 0);
          Find<QPushButton>(form.StarForm(), "btnValues")->click();
        } else {
          Find<QPushButton>(form, kBodies[b].button)->click();
        }
        const Report window = ReadReportWindow(form.PlanetForm(), sink.messages);
        const std::vector<std::string> what =
            star ? std::vector<std::string>{"star", starName} : std::vector<std::string>{kBodies[b].cli};
        const std::vector<std::string> arguments = Arguments(o, what, precise);
        const std::string difference = FirstDifference(window, ReadCommandLine(arguments, context));
        if (!difference.empty()) {
          differences.push_back((star ? "star " + starName : std::string(kBodies[b].button)) + " on " + Describe(o) +
                                ": " + difference + "\n    " + ShellLine(arguments));
        }
      }
    }
    return differences;
  }

  // The first differences in full on the error output (a failure's own message is cut
  // short), their number and the first one in the failure.
  static QByteArray Listed(const std::vector<std::string>& differences) {
    for (std::size_t i = 0; i < std::min<std::size_t>(differences.size(), 30); ++i) {
      std::fprintf(stderr, "%s\n", differences[i].c_str());
    }
    if (differences.empty()) return {};
    return QByteArray::fromStdString(std::to_string(differences.size()) + " reports differ, the first: " +
                                     differences.front().substr(0, differences.front().find('\n')));
  }

 private slots:
  void everyBodyGivesTheSameReportForRandomMomentsAndPlaces() {
    const std::vector<std::string> differences = CompareReports(MomentCount(), 1, 2999, 50, false, 20261209);
    QVERIFY2(differences.empty(), Listed(differences).constData());
  }

  void thePreciseReportIsTheSameToo() {
    const std::vector<std::string> differences =
        CompareReports(std::max(1, MomentCount() / 10), 1800, 2399, 0, true, 18002399);
    QVERIFY2(differences.empty(), Listed(differences).constData());
  }
};

QTEST_MAIN(WindowMatchesCommandLineTest)
#include "window_matches_command_line_test.moc"
