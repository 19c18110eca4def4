#include "cli/ephemeris_command.h"

#include <nlohmann/json.hpp>

#include <cmath>

#include "almanac/almanac_calendar.h"
#include "app/date_box.h"
#include "cli/json_number.h"
#include "core/angle_text.h"
#include "core/calendar.h"
#include "core/clock.h"
#include "core/numbers.h"

namespace orrelin::cli {

namespace {

// "1h", "10m", "30s", "1d", "0.5h": the step in days.
std::optional<double> ReadStep(const std::string& text) {
  if (text.size() < 2) return std::nullopt;
  const NumberRead n = ReadDecimal(text.substr(0, text.size() - 1));
  static const std::pair<char, double> kUnits[] = {{'s', 86400.0}, {'m', 1440.0}, {'h', 24.0}, {'d', 1.0}};
  for (const auto& [unit, perDay] : kUnits) {
    if (text.back() == unit && n.ok && n.value > 0 && n.value / perDay >= 1.0 / 86400.0) return n.value / perDay;
  }
  return std::nullopt;
}

std::string Optional(const std::optional<double>& x, std::string (*text)(double)) { return x ? text(*x) : ""; }

std::string SignedMinutes(double minutes) { return FixedText(minutes, 1); }

double Rounded(double x) { return JsonNumber(x, 6); }

// The row's quantities by column name, for JSON and CSV.
std::vector<std::pair<const char*, std::optional<double>>> Columns(const precise::NauticalPlace& p) {
  return {{"gha_deg", p.gha},
          {"sha_deg", p.sha},
          {"dec_deg", p.declination},
          {"hp_deg", p.horizontalParallax},
          {"sd_deg", p.semidiameter},
          {"v_arcmin", p.v},
          {"d_arcmin", p.d},
          {"magnitude", p.magnitude},
          {"illuminated", p.illuminated},
          {"altitude_deg", p.horizon ? std::optional<double>(p.horizon->altitude) : std::nullopt},
          {"azimuth_deg", p.horizon ? std::optional<double>(p.horizon->azimuth) : std::nullopt}};
}

}  // namespace

std::string GhaText(double degrees) { return DegMinText(degrees); }

std::string DeclinationText(double degrees) {
  const std::string text = DegMinText(degrees);
  return (text == DegMinText(0.0) ? "  " : degrees < 0 ? "S " : "N ") + text;
}

std::string MinutesText(double degrees) { return FixedText(degrees * 60.0, 1) + "'"; }

std::optional<EphemerisRequest> ReadEphemerisRequest(const std::vector<std::string>& bodies, const std::string& from,
                                                     const std::string& to, const std::string& step,
                                                     std::string& message, std::size_t mostRows) {
  EphemerisRequest r;
  for (const std::string& name : bodies) {
    const auto body = precise::NauticalBodyNamed(name);
    if (!body) {
      message = "No body of the almanacs is called " + name +
                ": sun, moon, aries, mercury .. neptune, or a navigational star";
      return std::nullopt;
    }
    r.bodies.push_back(*body);
  }
  auto refuse = [&message](const std::string& why) {
    message = why;
    return std::nullopt;
  };
  std::string why;
  const auto first = ReadUtcMoment(from, why);
  if (!first) return refuse("--from: " + why);
  const auto last = ReadUtcMoment(to, why);
  if (!last) return refuse("--to: " + why);
  const auto days = ReadStep(step);
  if (!days) return refuse("--step: give a number and s, m, h or d (\"1h\", \"10m\")");
  if (*last < *first) return refuse("--to comes before --from");
  const double rows = (std::floor((*last - *first) / *days + 1e-6) + 1.0) * static_cast<double>(r.bodies.size());
  if (rows > static_cast<double>(mostRows)) {
    return refuse("That is " + FixedText(rows, 0) + " rows; at most " + WholeText(static_cast<long long>(mostRows)) +
                  " at once");
  }
  r.fromJulianDay = *first;
  r.toJulianDay = *last;
  r.stepDays = *days;
  return r;
}

std::optional<std::vector<EphemerisRow>> EphemerisRows(const EphemerisRequest& request, std::string& message) {
  std::vector<EphemerisRow> rows;
  const auto steps = static_cast<long long>(std::floor((request.toJulianDay - request.fromJulianDay) / request.stepDays + 1e-6));
  for (long long i = 0; i <= steps; ++i) {
    const double jd = request.fromJulianDay + static_cast<double>(i) * request.stepDays;
    for (const auto& body : request.bodies) {
      std::string why;
      const auto place = precise::NauticalPlaceOf(body, MomentOfJulianDayUt(jd), request.observer, why);
      if (!place) {
        message = body.name + " at " + UtcMomentText(jd) + ": " + why;
        return std::nullopt;
      }
      rows.push_back({jd, UtcMomentText(jd), body.name, *place});
    }
  }
  return rows;
}

std::string EphemerisText(const std::vector<EphemerisRow>& rows) {
  auto column = [](std::string text, std::size_t width) {
    std::size_t characters = 0;
    for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
    if (characters < width) text.append(width - characters, ' ');
    return text;
  };
  std::string out = column("UT", 21) + column("Body", 16) + column("GHA", 12) + column("SHA", 12) + column("Dec", 14) +
                    column("HP", 8) + column("SD", 8) + column("v", 7) + column("d", 7) + column("Hc", 12) + "Zn\n";
  for (const EphemerisRow& r : rows) {
    const auto& p = r.place;
    out += column(r.ut, 21) + column(r.body, 16) + column(GhaText(p.gha), 12) + column(Optional(p.sha, GhaText), 12) +
           column(r.body == "Aries" ? "" : DeclinationText(p.declination), 14) +
           column(Optional(p.horizontalParallax, MinutesText), 8) + column(Optional(p.semidiameter, MinutesText), 8) +
           column(Optional(p.v, SignedMinutes), 7) + column(Optional(p.d, SignedMinutes), 7) +
           column(p.horizon ? AltitudeText(p.horizon->altitude) : "", 12) +
           (p.horizon ? FixedText(p.horizon->azimuth, 1) + kDegreeSign : "") + "\n";
  }
  return out;
}

std::string EphemerisJson(const std::vector<EphemerisRow>& rows) {
  nlohmann::ordered_json all = nlohmann::ordered_json::array();
  for (const EphemerisRow& r : rows) {
    nlohmann::ordered_json row;
    row["ut"] = r.ut;
    row["body"] = r.body;
    for (const auto& [name, value] : Columns(r.place)) {
      if (value && !(r.body == "Aries" && std::string(name) == "dec_deg")) row[name] = Rounded(*value);
    }
    all.push_back(row);
  }
  return JsonText(all);
}

std::string EphemerisCsv(const std::vector<EphemerisRow>& rows) {
  std::string out = "ut,body";
  for (const auto& [name, value] : Columns({})) out += std::string(",") + name;
  out += "\n";
  for (const EphemerisRow& r : rows) {
    out += r.ut + ",\"" + r.body + "\"";
    for (const auto& [name, value] : Columns(r.place)) {
      const bool shown = value && !(r.body == "Aries" && std::string(name) == "dec_deg");
      out += "," + (shown ? ShortestText(Rounded(*value)) : std::string());
    }
    out += "\n";
  }
  return out;
}

}  // namespace orrelin::cli
