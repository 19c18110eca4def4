#include "navigation/sights_file.h"

#include <cmath>

#include "app/date_box.h"
#include "core/angle_text.h"
#include "core/encoding.h"
#include "core/fields.h"
#include "core/numbers.h"
#include "navigation/sight_reduction.h"
#include "report/observer_reading.h"

namespace orrelin::navigation {

namespace {

// "59 50.5 N": degrees, minutes and the hemisphere letter of one coordinate.
std::optional<double> ReadCoordinate(const std::vector<std::string>& words, int limit, char positive, char negative) {
  if (words.size() != 3 || words[2].size() != 1) return std::nullopt;
  const char h = static_cast<char>(std::toupper(static_cast<unsigned char>(words[2][0])));
  if (h != positive && h != negative) return std::nullopt;
  const auto angle = ReadPlaceAngle(words[0], words[1], limit);
  if (!angle) return std::nullopt;
  return h == positive ? *angle : -*angle;
}

std::string CoordinateText(double x, char positive, char negative) {
  const DegMinFieldTexts f = DegMinFields(x);
  return f.degrees + " " + f.minutes + " " + (x < 0 ? negative : positive);
}

// A field as a message quotes it: at most 40 characters of it, or "an empty field".
std::string Quoted(const std::string& field) {
  if (field.empty()) return "an empty field";
  return QuotedText(field, 40);
}

constexpr int kFields = 8;       // utc .. temperature
constexpr int kWatchFields = 3;  // watch, we, zd
constexpr double kWatchAgreement = 1.0;  // seconds between the utc and the watch's UT

bool HoldsASight(const std::string& line) { return !line.empty() && line != kSightsHeader && line != kSightsWatchHeader; }

std::vector<std::string> LineFields(const std::string& line) {
  std::vector<std::string> f;
  for (int n = 0; n < kFields + kWatchFields; ++n) f.push_back(ExtractField(line, ",", n));
  return f;
}

bool HasWatchFields(const std::vector<std::string>& fields) {
  for (std::size_t i = kFields; i < fields.size(); ++i) {
    if (!fields[i].empty()) return true;
  }
  return false;
}

std::vector<std::string> SightFields(const Sight& s) {
  return {UtcMomentText(s.julianDayUt),        s.body,
          LimbText(s.limb),                    SextantAltitudeText(s.sextantAltitude),
          ShortestText(s.indexError),          ShortestText(s.heightOfEye),
          ShortestText(s.pressure),            ShortestText(s.temperature)};
}

}  // namespace

std::optional<double> ReadSextantAltitude(const std::string& text) {
  const std::vector<std::string> words = SplitAtBlanks(text);
  if (words.empty() || words.size() > 2) return std::nullopt;
  return ReadPlaceAngle(words[0], words.size() == 2 ? words[1] : "0", 90);
}

std::optional<GeoPosition> ReadPosition(const std::string& text) {
  std::string spaced = text;
  for (char& c : spaced) c = c == ',' ? ' ' : c;
  const std::vector<std::string> words = SplitAtBlanks(spaced);
  if (words.size() != 6) return std::nullopt;
  const auto latitude = ReadCoordinate({words[0], words[1], words[2]}, 90, 'N', 'S');
  const auto longitude = ReadCoordinate({words[3], words[4], words[5]}, 180, 'E', 'W');
  if (!latitude || !longitude) return std::nullopt;
  return GeoPosition{*latitude, *longitude};
}

std::optional<Limb> ReadLimb(const std::string& text) {
  const std::string key = LowerCaseText(text);
  if (key.empty() || key == "centre" || key == "center") return Limb::kCentre;
  if (key == "lower") return Limb::kLower;
  if (key == "upper") return Limb::kUpper;
  return std::nullopt;
}

std::string LimbText(Limb limb) { return limb == Limb::kLower ? "lower" : limb == Limb::kUpper ? "upper" : ""; }

std::string SextantAltitudeText(double degrees) {
  const DegMinFieldTexts f = DegMinFields(degrees);
  return f.degrees + " " + f.minutes;
}

std::string PositionText(const GeoPosition& p) {
  return CoordinateText(p.latitude, 'N', 'S') + ", " + CoordinateText(p.longitude, 'E', 'W');
}

std::optional<SightRecord> ReadSightRecord(const std::string& line, std::string& problem) {
  const std::vector<std::string> f = LineFields(line);
  auto refuse = [&problem](const std::string& what) {
    problem = what;
    return std::nullopt;
  };
  SightRecord record;
  Sight& s = record.sight;
  std::string why;
  if (!f[8].empty()) {
    record.watch = ReadWatchTime(f[8], f[9], f[10], why);
    if (!record.watch) return refuse(why);
  }
  if (!f[0].empty() || !record.watch) {
    const auto utc = ReadUtcMoment(f[0], why);
    if (!utc) return refuse("the time (" + why + ")");
    s.julianDayUt = *utc;
    if (record.watch) {
      const double apart = std::fabs(UtOfWatchTime(*record.watch) - *utc) * 86400.0;
      if (apart > kWatchAgreement + 1e-6) {
        return refuse("the utc and the watch time disagree by " + FixedText(apart, 0) + " s (the watch gives " +
                      UtcMomentText(UtOfWatchTime(*record.watch)) + " UT)");
      }
    }
  } else {
    s.julianDayUt = UtOfWatchTime(*record.watch);
  }
  s.body = f[1];
  if (s.body.empty()) return refuse("no body");
  if (!IsSightBody(s.body)) return refuse("no body of the almanacs is called " + Quoted(f[1]));
  const auto limb = ReadLimb(f[2]);
  if (!limb) return refuse("the limb is lower, upper or empty, not " + Quoted(f[2]));
  s.limb = *limb;
  const auto hs = ReadSextantAltitude(f[3]);
  if (!hs) return refuse("the sextant altitude is degrees and minutes (\"23 41.6\"), not " + Quoted(f[3]));
  s.sextantAltitude = *hs;
  const auto ie = f[4].empty() ? std::optional<double>(0.0) : ReadBoundedDecimal(f[4], -60.0, 60.0);
  const auto height = ReadBoundedDecimal(f[5], 0.0, kMaxHeightOfEye);
  const auto pressure = f[6].empty() ? std::optional<double>(1010.0) : ReadBoundedDecimal(f[6], 0.0, kMaxPressure);
  const auto temperature = f[7].empty() ? std::optional<double>(10.0) : ReadBoundedDecimal(f[7], kMinTemperature, kMaxTemperature);
  if (!ie) return refuse("the index error is minutes within 60, not " + Quoted(f[4]));
  if (!height) return refuse("the height of eye is metres from 0 to 8900, not " + Quoted(f[5]));
  if (!pressure || !temperature) return refuse("the pressure or the temperature does not read");
  s.indexError = *ie;
  s.heightOfEye = *height;
  s.pressure = *pressure;
  s.temperature = *temperature;
  return record;
}

std::optional<Sight> ReadSightLine(const std::string& line, std::string& problem) {
  const auto record = ReadSightRecord(line, problem);
  if (!record) return std::nullopt;
  return record->sight;
}

std::string SightLine(const Sight& s) { return SightsFileLine(SightFields(s)); }

std::string SightLine(const Sight& s, const std::optional<WatchTime>& watch) {
  if (!watch) return SightLine(s);
  std::vector<std::string> fields = SightFields(s);
  fields.insert(fields.end(), {UtcMomentText(watch->reading), WatchErrorText(watch->fastSeconds),
                               ZoneDescriptionText(watch->zoneDescription)});
  return SightsFileLine(fields);
}

std::vector<std::vector<std::string>> SightsFileRows(const std::vector<std::string>& lines) {
  std::vector<std::vector<std::string>> rows;
  for (const std::string& line : lines) {
    if (!HoldsASight(line)) continue;
    std::vector<std::string> fields = LineFields(line);
    if (!HasWatchFields(fields)) fields.resize(kFields);
    rows.push_back(fields);
  }
  return rows;
}

std::string SightsFileLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    std::string field = fields[i];
    for (char& c : field) c = (c == ',' || c == '\n' || c == '\r') ? ' ' : c;
    line += (i ? "," : "") + field;
  }
  return line;
}

std::vector<std::string> SightsFileLines(const std::vector<std::vector<std::string>>& rows) {
  bool watch = false;
  for (const auto& fields : rows) watch = watch || HasWatchFields(fields);
  std::vector<std::string> lines{watch ? kSightsWatchHeader : kSightsHeader};
  for (const auto& fields : rows) lines.push_back(SightsFileLine(fields));
  return lines;
}

SightsFile ReadSights(const std::vector<std::string>& lines) {
  SightsFile file;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (!HoldsASight(lines[i])) continue;
    std::string problem;
    if (const auto s = ReadSightRecord(lines[i], problem)) {
      file.sights.push_back(s->sight);
      file.lineNumbers.push_back(static_cast<int>(i + 1));
      file.watches.push_back(s->watch);
    } else {
      file.problems.push_back("line " + WholeText(static_cast<long long>(i + 1)) + ": " + problem);
    }
  }
  return file;
}

std::vector<std::string> SightsLines(const std::vector<Sight>& sights) {
  std::vector<std::vector<std::string>> rows;
  for (const Sight& s : sights) rows.push_back(SightFields(s));
  return SightsFileLines(rows);
}

}  // namespace orrelin::navigation
