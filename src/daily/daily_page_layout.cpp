#include "daily/daily_page_layout.h"

#include <algorithm>
#include <cmath>

#include "core/angle_text.h"
#include "core/numbers.h"

namespace orrelin::daily {

namespace {

constexpr const char* kMonths[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                                   "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};

// A text right-aligned (or left-aligned) in a column of characters.
std::string Right(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}
std::string Left(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : text + std::string(width - text.size(), ' ');
}

std::string Title(const DailyPages& p) {
  std::string days, weekdays;
  for (int d = 0; d < kDays; ++d) {
    days += (d ? ", " : "") + WholeText(p.days[d].date.day);
    weekdays += (d ? ", " : "") + p.days[d].weekday.substr(0, 3);
  }
  const CivilDate& first = p.days[0].date;
  return WholeText(first.year) + " " + kMonths[first.month - 1] + " " + days + "   (" + weekdays + ")";
}

// "8 00", the day's number on its first hour only.
std::string HourLabel(const DailyPages& p, int h) {
  return Right(h % 24 == 0 ? WholeText(p.days[h / 24].date.day) : "", 2) + " " + TwoDigitText(h % 24);
}

std::string Minutes(double arcMinutes) { return FixedText(arcMinutes, 1); }

std::string Magnitude(double m) { return (m >= 0 ? "+" : "") + FixedText(m, 1); }

std::string StarColumn(const DailyPages& p, int row) {
  if (row == 0) return Left("STARS", 15) + Right("SHA", 9) + Right("Dec", 10);
  if (row - 1 >= static_cast<int>(p.stars.size())) return "";
  const Star& s = p.stars[static_cast<std::size_t>(row - 1)];
  return Left(s.name, 15) + Right(AlmanacGha(s.sha), 9) + Right(AlmanacDeclination(s.declination), 10);
}

// The right-hand page's phenomena column: the morning table, then the evening table.
std::string PhenomenaColumn(const DailyPages& p, int row) {
  const int n = static_cast<int>(p.latitudes.size());
  auto latitude = [](double lat) {
    return lat == 0 ? std::string("  0") : (lat > 0 ? "N" : "S") + Right(WholeText(static_cast<long long>(std::fabs(lat))), 2);
  };
  auto days = [&p](const std::string& what) {
    std::string text = Left(what, 6);
    for (int d = 0; d < kDays; ++d) text += Right(WholeText(p.days[d].date.day), 7);
    return text;
  };
  if (row == 0) return "Lat   Naut.  Civil  Sunrise " + days("Moonrise");
  if (row <= n) {
    const LatitudeRow& r = p.latitudes[static_cast<std::size_t>(row - 1)];
    std::string text = latitude(r.latitude) + "  " + Right(AlmanacPhenomenon(r.nauticalMorning), 6) + " " +
                       Right(AlmanacPhenomenon(r.civilMorning), 6) + " " + Right(AlmanacPhenomenon(r.sunrise), 6) +
                       "  " + std::string(6, ' ');
    for (int d = 0; d < kDays; ++d) text += Right(AlmanacPhenomenon(r.moonrise[d]), 7);
    return text;
  }
  if (row == n + 1) return "Lat   Sunset Civil  Naut.   " + days("Moonset");
  if (row <= 2 * n + 1) {
    const LatitudeRow& r = p.latitudes[static_cast<std::size_t>(row - n - 2)];
    std::string text = latitude(r.latitude) + "  " + Right(AlmanacPhenomenon(r.sunset), 6) + " " +
                       Right(AlmanacPhenomenon(r.civilEvening), 6) + " " + Right(AlmanacPhenomenon(r.nauticalEvening), 6) +
                       "  " + std::string(6, ' ');
    for (int d = 0; d < kDays; ++d) text += Right(AlmanacPhenomenon(r.moonset[d]), 7);
    return text;
  }
  return "";
}

// "03:12" minutes and seconds of the equation of time, with its sign.
std::string EquationText(double minutes) {
  const long long seconds = std::llround(std::fabs(minutes) * 60.0);
  return std::string(minutes < 0 ? "-" : "+") + TwoDigitText(seconds / 60) + ":" + TwoDigitText(seconds % 60);
}

}  // namespace

std::string AlmanacGha(double degrees) {
  const DegMinFieldTexts f = DegMinFields(degrees);
  const std::string minutes = (f.minutes.size() < 4 ? "0" : "") + f.minutes;
  return Right(f.degrees, 3) + " " + minutes;
}

std::string AlmanacDeclination(double degrees) {
  const DegMinFieldTexts f = DegMinFields(degrees);
  const std::string minutes = (f.minutes.size() < 4 ? "0" : "") + f.minutes;
  const bool zero = f.degrees == "0" && minutes == "00.0";
  return std::string(zero ? " " : degrees < 0 ? "S" : "N") + Right(f.degrees, 2) + " " + minutes;
}

std::string AlmanacTime(double hours) {
  long long minutes = std::llround(hours * 60.0);
  return TwoDigitText(minutes / 60) + " " + TwoDigitText(minutes % 60);
}

std::string AlmanacPhenomenon(const Phenomenon& p) {
  switch (p.kind) {
    case Phenomenon::Kind::kTime: return AlmanacTime(p.hours);
    case Phenomenon::Kind::kAlwaysAbove: return "****";
    case Phenomenon::Kind::kAlwaysBelow: return "----";
    case Phenomenon::Kind::kTwilightAllNight: return "////";
  }
  return "";
}

std::vector<std::string> LeftPageLines(const DailyPages& p) {
  std::vector<std::string> lines{Title(p), ""};
  // Each row: the hour (5), two blanks, Aries' GHA (8), a blank; then for each planet a
  // blank, GHA (8), a blank, declination (8), a blank; then a blank and the star.
  std::string names = Left("UT    ARIES", 16);
  std::string captions = Left("        GHA", 16);
  for (const Planet& planet : p.planets) {
    names += Left("  " + planet.name + " " + Magnitude(planet.magnitude), 19);
    captions += "    GHA      Dec   ";
  }
  lines.push_back(names + " " + StarColumn(p, 0));
  lines.push_back(captions);
  for (int h = 0; h < kHours; ++h) {
    std::string line = HourLabel(p, h) + "  " + AlmanacGha(p.aries[h]) + " ";
    for (const Planet& planet : p.planets) {
      line += " " + AlmanacGha(planet.hours[h].gha) + " " + AlmanacDeclination(planet.hours[h].declination) + " ";
    }
    line += " " + StarColumn(p, h + 1);
    lines.push_back(line);
    if (h % 24 == 23) lines.push_back("");
  }
  std::string passage = "Mer. Pass. Aries " + AlmanacTime(p.ariesMeridianPassage);
  for (const Planet& planet : p.planets) {
    passage += "   " + planet.name + " v " + Minutes(planet.v) + " d " + Minutes(planet.d) + " " +
               AlmanacTime(planet.meridianPassage);
  }
  lines.push_back(passage);
  return lines;
}

std::vector<std::string> RightPageLines(const DailyPages& p) {
  std::vector<std::string> lines{Title(p), ""};
  lines.push_back("UT     SUN                 MOON                                   " + PhenomenaColumn(p, 0));
  lines.push_back("      GHA      Dec        GHA      v     Dec      d     HP");
  int column = 1;
  for (int h = 0; h < kHours; ++h) {
    const MoonHour& m = p.moon[h];
    std::string line = HourLabel(p, h) + "  " + AlmanacGha(p.sun[h].gha) + " " + AlmanacDeclination(p.sun[h].declination) +
                       "  " + AlmanacGha(m.place.gha) + " " + Right(Minutes(m.v), 5) + " " +
                       AlmanacDeclination(m.place.declination) + " " + Right(Minutes(std::fabs(m.d)), 5) + " " +
                       Right(Minutes(m.hp), 5) + "     " + PhenomenaColumn(p, column++);
    lines.push_back(line);
    if (h % 24 == 23) lines.push_back("");
  }
  lines.push_back("SD " + Minutes(p.days[1].sunSemidiameter) + "   d " + Minutes(p.sunD) + "      SD " +
                  Minutes(p.days[1].moonSemidiameter));
  lines.push_back("");
  lines.push_back("Day  Eqn. of Time   Mer.    Moon Mer. Pass.   Age   Phase");
  lines.push_back("      00h    12h    Pass.   Upper   Lower     days  %");
  for (const DayFacts& f : p.days) {
    lines.push_back(Right(WholeText(f.date.day), 3) + "  " + EquationText(f.equationOfTime0h) + " " +
                    EquationText(f.equationOfTime12h) + "  " + AlmanacTime(f.sunMeridianPassage) + "   " +
                    Right(f.moonUpperPassage ? AlmanacTime(*f.moonUpperPassage) : "-- --", 5) + "   " +
                    Right(f.moonLowerPassage ? AlmanacTime(*f.moonLowerPassage) : "-- --", 5) + "     " +
                    Right(WholeText(static_cast<long long>(std::floor(f.moonAge))), 2) + "    " +
                    Right(WholeText(std::llround(f.moonIlluminated)), 3));
  }
  return lines;
}

std::string DailyPagesText(const DailyPages& pages) {
  std::string text;
  for (const auto& page : {LeftPageLines(pages), RightPageLines(pages)}) {
    for (const std::string& line : page) text += line + "\n";
    text += "\n";
  }
  return text;
}

std::vector<PrintedPage> DailyPagesPrinted(const DailyPages& pages, int pageWidth, int pageHeight, int dpi) {
  std::vector<PrintedPage> printed;
  for (const auto& lines : {LeftPageLines(pages), RightPageLines(pages)}) {
    std::size_t longest = 1;
    for (const std::string& line : lines) longest = std::max(longest, line.size());
    // A monospaced character is 0.6 of its size wide and a line 1.2 of it high; a point
    // is dpi/72 pixels.
    const double byWidth = pageWidth / (0.6 * static_cast<double>(longest)) * 72.0 / dpi;
    const double byHeight = pageHeight / (1.2 * static_cast<double>(lines.size())) * 72.0 / dpi;
    const int size = std::max(4, static_cast<int>(std::floor(std::min({byWidth, byHeight, 10.0}))));
    const int lineHeight = static_cast<int>(std::ceil(size * 1.2 * dpi / 72.0));
    PrintedPage page;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      page.texts.push_back({0, static_cast<int>(i) * lineHeight, size, lines[i]});
    }
    printed.push_back(std::move(page));
  }
  return printed;
}

}  // namespace orrelin::daily
