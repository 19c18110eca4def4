#include "cli/report_command.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <array>
#include <sstream>

#include "app/date_box.h"
#include "app/main_window.h"
#include "app/place_list.h"
#include "cli/text_columns.h"
#include "core/checks.h"
#include "core/clock.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "report/body_report.h"
#include "report/observer_reading.h"
#include "report/report_boxes.h"

namespace orrelin::cli {

namespace {


// "60 9.7 N" into the degrees and minutes boxes and the hemisphere.
bool ApplyAngle(const std::string& text, int limit, char positive, char negative, std::string& degrees,
                std::string& minutes, bool& positiveChosen, MessageSink& sink) {
  const std::vector<std::string> w = SplitAtBlanks(text);
  const std::string hemispheres = std::string(1, positive) + " or " + std::string(1, negative);
  if (w.size() != 3 || w[2].size() != 1) {
    sink.ShowMessage("Give degrees, minutes and " + hemispheres + ", e.g. \"60 9.7 " + positive + "\"");
    return false;
  }
  const char hemisphere = static_cast<char>(std::toupper(static_cast<unsigned char>(w[2][0])));
  if (hemisphere != positive && hemisphere != negative) {
    sink.ShowMessage("The hemisphere is " + hemispheres);
    return false;
  }
  if (!CheckIntRange(w[0], limit, sink) || !CheckMinutes(w[0], w[1], limit, sink)) return false;
  degrees = w[0];
  minutes = w[1];
  positiveChosen = hemisphere == positive;
  return true;
}

// Says the option's name before each message: "--lat: 0 .. 59.9".
class OptionSink : public MessageSink {
 public:
  OptionSink(std::string option, MessageSink& sink) : option_(std::move(option)), sink_(sink) {}
  void Beep() override {}
  void ShowMessage(const std::string& text) override { sink_.ShowMessage(option_ + ": " + text); }

 private:
  std::string option_;
  MessageSink& sink_;
};

bool ApplyBounded(const std::optional<std::string>& option, const char* name, double lowest, double highest,
                  const std::string& message, std::string& box, MessageSink& sink) {
  if (!option) return true;
  if (!ReadBoundedDecimal(*option, lowest, highest)) {
    OptionSink(name, sink).ShowMessage(message);
    return false;
  }
  box = *option;
  return true;
}

std::size_t CharacterCount(const std::string& text) {
  std::size_t n = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

std::string Padded(const std::string& text, std::size_t width) {
  const std::size_t n = CharacterCount(text);
  return text + std::string(width > n ? width - n : 0, ' ');
}

}  // namespace

MainWindowRecord StartingRecord(const SettingsFile& settings, std::time_t now, long secondsEastOfUtc,
                                MessageSink& sink) {
  MainWindowRecord main;
  TakePcTime(main, now, secondsEastOfUtc);
  const SettingsRead read = settings.ReadSection();
  if (!read.readable) sink.ShowMessage(SettingsUnreadableMessage(settings, read.problem));
  const RestoredSettings restored = RestoreMainSettings(read.values, main);
  if (!restored.present) PutFirstStartDefaults(main);
  if (!restored.resetKeys.empty()) sink.ShowMessage(ResetKeysMessage(settings, restored.resetKeys));
  main.date = DateOfInstant(now, 0);  // the time is UTC, so is the date
  return main;
}

bool ApplyPlaceOptions(const PlaceOptions& o, MainWindowRecord& main, MessageSink& sink,
                       const std::filesystem::path& placeList) {
  OptionSink latSink("--lat", sink), lonSink("--lon", sink), heightSink("--height", sink);
  if (o.zone && o.offset) {
    OptionSink("--zone", sink).ShowMessage("give either a time zone or --offset, not both");
    return false;
  }
  if (o.place) {
    OptionSink placeSink("--place", sink);
    MainWindowRecord chosen = main;
    chosen.place = *o.place;
    RecordingMessageSink listSink;
    if (!ApplyPlace(placeList, chosen, listSink)) {
      placeSink.ShowMessage(listSink.messages.empty() ? "No place named " + *o.place + " in " + placeList.string()
                                                      : listSink.messages.back());
      return false;
    }
    main = chosen;
  }
  if (o.latitude && !ApplyAngle(*o.latitude, 90, 'N', 'S', main.latDeg, main.latMin, main.north, latSink)) {
    return false;
  }
  if (o.longitude && !ApplyAngle(*o.longitude, 180, 'W', 'E', main.lonDeg, main.lonMin, main.west, lonSink)) {
    return false;
  }
  if (o.height) {
    if (!CheckRealRange(*o.height, kMaxHeightOfEye, heightSink)) return false;
    main.height = *o.height;
  }
  if (!ApplyBounded(o.pressure, "--pressure", 0.0, kMaxPressure,
                    "give the air pressure in millibars, from 0 to 1100", main.pressure, sink) ||
      !ApplyBounded(o.temperature, "--temp", kMinTemperature, kMaxTemperature,
                    "give the temperature in degrees Celsius, from -90 to 60", main.temperature, sink) ||
      !ApplyBounded(o.offset, "--offset", -kMaxOffsetHours, kMaxOffsetHours,
                    "give UTC minus local time in hours, from -14 to 14", main.utcMinusLocal, sink)) {
    return false;
  }
  // A typed offset rules instead of the place's zone; a typed zone instead of either.
  if (o.offset) main.zone.clear();
  if (o.zone) main.zone = *o.zone;
  main.beforeChrist = o.beforeChrist;
  if (o.date) {
    const DateRead date = ReadDateText(*o.date, o.beforeChrist);
    if (!date.date) {
      OptionSink("--date", sink).ShowMessage(date.message);
      return false;
    }
    main.date = *date.date;
  }
  if (o.time) {
    if (!IsClockTime(*o.time)) {
      OptionSink("--time", sink).ShowMessage(kMessageBadTime);
      return false;
    }
    main.time = *o.time;
  }
  if (o.delta) {
    if (ReadDeltaBox(*o.delta).status == DeltaBoxStatus::kRefused) {
      OptionSink("--delta", sink).ShowMessage(kMessageBadDeltaT);
      return false;
    }
    main.delta = *o.delta;
    main.deltaTyped = true;
  }
  main.precise = o.precise;  // scripts ask for it each time, whatever the window saved
  UpdateLocalTime(main);
  return true;
}

std::string PlaceListText(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    const std::string coordinates = line.substr(std::min(line.size(), line.find('=') + 1));
    out += TrimmedRight(Padded(PlaceName(line), 22) + Padded(ExtractField(coordinates, ",", 0), 14) +
                        Padded(ExtractField(coordinates, ",", 1), 15) + ExtractField(coordinates, ",", 2)) +
           "\n";
  }
  return out;
}

std::string PlaceListJson(const std::vector<std::string>& lines) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const auto& line : lines) {
    const std::string coordinates = line.substr(std::min(line.size(), line.find('=') + 1));
    list.push_back({{"name", PlaceName(line)},
                    {"latitude", ExtractField(coordinates, ",", 0)},
                    {"longitude", ExtractField(coordinates, ",", 1)},
                    {"offset", ExtractField(coordinates, ",", 2)}});
  }
  return list.dump(2) + "\n";
}

ReportOutcome RunReport(const MainWindowRecord& main, Body body, const StarWindowRecord* star) {
  ReportOutcome outcome;
  RecordingMessageSink sink;
  MainWindowRecord asked = main;
  asked.body = body;
  outcome.report = BodyReport(asked, outcome.report, sink, star).report;
  outcome.messages = sink.messages;
  // A run that stopped leaves the result boxes empty.
  outcome.ok = !outcome.report.julianDays.empty();
  return outcome;
}

std::optional<StarWindowRecord> StarWindowOf(const std::vector<StarRecord>& catalogue, const std::string& name) {
  const std::string wanted = LowerCaseText(name);
  for (std::size_t i = 0; i < catalogue.size(); ++i) {
    if (!catalogue[i].Name().empty() && LowerCaseText(catalogue[i].Name()) == wanted) {
      StarWindowRecord window;
      window.rows = catalogue;
      SelectStarRow(window, i);
      return window;
    }
  }
  return std::nullopt;
}

std::string StarListText(const std::vector<StarRecord>& catalogue) {
  std::array<std::size_t, kStarFieldCount> widths{};
  for (std::size_t c = 0; c < kStarFieldCount; ++c) widths[c] = CharacterCount(kStarColumnCaptions[c]);
  for (const auto& r : catalogue) {
    for (std::size_t c = 0; c < kStarFieldCount; ++c) widths[c] = std::max(widths[c], CharacterCount(r.fields[c]));
  }
  auto line = [&](auto cell) {
    std::string text;
    for (std::size_t c = 0; c < kStarFieldCount; ++c) text += Padded(cell(c), widths[c] + 2);
    return TrimmedRight(text) + "\n";
  };
  std::string out = line([](std::size_t c) { return std::string(kStarColumnCaptions[c]); });
  std::size_t named = 0;
  for (const auto& r : catalogue) {
    out += line([&](std::size_t c) { return r.fields[c]; });
    named += r.Name().empty() ? 0 : 1;
  }
  return out + "\n" + kStarCountPrefix + WholeText(static_cast<long long>(named)) + "\n";
}

std::string StarListJson(const std::vector<StarRecord>& catalogue) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const auto& r : catalogue) {
    nlohmann::ordered_json star;
    for (std::size_t c = 0; c < kStarFieldCount; ++c) star[kStarColumnCaptions[c]] = r.fields[c];
    list.push_back(star);
  }
  return list.dump(2) + "\n";
}

std::string ReportText(const ReportWindowRecord& report) {
  std::ostringstream out;
  out << report.title << "\n\n";
  const auto boxes = ReportBoxes(report);
  std::size_t width = 0;
  for (const auto& [caption, text] : boxes) width = std::max(width, CharacterCount(caption));
  for (const auto& [caption, text] : boxes) out << TrimmedRight(Padded(caption, width + 2) + text) << '\n';
  out << '\n';
  width = 0;
  for (const auto& label : report.lines.labels) width = std::max(width, CharacterCount(label));
  for (std::size_t i = 0; i < report.lines.labels.size(); ++i) {
    out << TrimmedRight(Padded(report.lines.labels[i], width + 2) + report.lines.values[i]) << '\n';
  }
  return out.str();
}

std::string ReportJson(const ReportWindowRecord& report, const std::vector<std::string>& messages) {
  nlohmann::ordered_json j;
  j["title"] = report.title;
  j["boxes"] = nlohmann::ordered_json::object();
  for (const auto& [caption, text] : ReportBoxes(report)) j["boxes"][caption] = text;
  j["lines"] = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < report.lines.labels.size(); ++i) {
    j["lines"].push_back({report.lines.labels[i], report.lines.values[i]});
  }
  j["messages"] = messages;
  return j.dump(2) + "\n";
}

}  // namespace orrelin::cli
