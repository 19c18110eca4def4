#include "almanac/almanac_year.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "almanac/almanac_calendar.h"
#include "almanac/eclipses.h"
#include "almanac/moon_phases.h"
#include "almanac/phenomena.h"
#include "almanac/seasons.h"
#include "core/angle_text.h"
#include "core/calendar.h"
#include "core/delta_t.h"
#include "core/numbers.h"

namespace orrelin {

namespace {

// No search of a year's events needs more steps; a damaged input cannot loop for ever.
constexpr int kMostSteps = 200;

// A number in at least `width` characters with `decimals` decimals, blanks in front.
std::string Width(double x, int width, int decimals) {
  std::string s = FixedText(x, decimals);
  return std::string(s.size() < static_cast<std::size_t>(width) ? width - s.size() : 0, ' ') + s;
}

// The range is tested on the civil instants, as the list shows them: an instant in
// dynamical time belongs to the year of its local date, never to the next one by Delta T.
struct Collector {
  const AlmanacRange& range;
  std::vector<AlmanacEvent>& events;
  double Ut(double instant) const { return instant - range.deltaTSeconds / 86400.0; }
  bool Inside(double instant) const { return range.start < Ut(instant) && Ut(instant) < range.end; }
  bool Beyond(double instant) const { return !(Ut(instant) <= range.end); }
  void Add(double instant, std::string text, int kind) {
    if (Inside(instant)) events.push_back({instant, std::move(text), kind});
  }
};

void AddSeasons(Collector& c) {
  static constexpr std::array<const char*, 4> kTexts{"Spring equinox", "Summer solstice", "Fall equinox",
                                                     "Winter solstice"};
  for (int s = 0; s < 4; ++s) c.Add(SeasonInstant(c.range.year, s), kTexts[static_cast<std::size_t>(s)], kSeasonEvent);
}

std::string SolarText(const Eclipse& e) {
  switch (e.type) {
    case kTotalSolar: return "Total solar ECLIPSE";
    case kAnnularSolar: return "Annular solar ECLIPSE";
    case kAnnularTotalSolar: return "Annular-total solar ECLIPSE";
    case kNonCentralTotalSolar: return "Non-central total solar ECLIPSE";
    case kNonCentralAnnularSolar: return "Non-central annular solar ECLIPSE";
    default: return "Partial solar ECLIPSE, greatest magnitude = " + Width(e.magnitude, 5, 3);
  }
}

std::string LunarText(const Eclipse& e) {
  const std::string magnitude = Width(e.magnitude, 4, 2);
  switch (e.type) {
    case kTotalLunar: return "Total lunar ECLIPSE, magnitude = " + magnitude;
    case kPartialLunar: return "Partial lunar ECLIPSE, magnitude = " + magnitude;
    default: return "Penumbral lunar ECLIPSE, magnitude = " + magnitude;
  }
}

template <typename Next, typename Text>
void AddEclipses(Collector& c, Next next, Text text) {
  double p = c.range.start - 1;
  for (int step = 0; step < kMostSteps && !c.Beyond(p); ++step) {
    const Eclipse e = next(p);
    if (!(e.jde > p)) break;  // no eclipse found: nothing further either
    p = e.jde;
    c.Add(e.jde, text(e), kMoonEvent);
  }
}

const char* PlanetName(int planet) {
  static constexpr std::array<const char*, 9> kNames{"", "Mercury", "Venus", "", "Mars", "Jupiter", "Saturn",
                                                     "Uranus", "Neptune"};
  return kNames[static_cast<std::size_t>(planet)];
}

void AddPhenomena(Collector& c) {
  for (const int planet : {kPhMercury, kPhVenus, kPhMars, kPhJupiter, kPhSaturn, kPhUranus, kPhNeptune}) {
    for (int phenomenon = 0; phenomenon < 2; ++phenomenon) {
      const bool inner = planet <= kPhVenus;
      const char* what = inner ? (phenomenon == 0 ? " in inferior conjunction with the Sun"
                                                  : " in superior conjunction with the Sun")
                               : (phenomenon == 0 ? " in opposition with the Sun" : " in conjunction with the Sun");
      long long k = PhenomenonCycle(c.range.year, planet, phenomenon) - 1;
      for (int step = 0; step < kMostSteps; ++step, ++k) {
        const double instant = PlanetPhenomenonInstant(planet, phenomenon, k);
        c.Add(instant, std::string(PlanetName(planet)) + what, kPhenomenon);
        if (c.Beyond(instant)) break;
      }
    }
  }
}

void AddElongations(Collector& c) {
  for (const int planet : {kPhMercury, kPhVenus}) {
    const long long k0 = PhenomenonCycle(c.range.year, planet, 0) - 1;
    for (int side = 0; side < 2; ++side) {
      const char* what = side == 0 ? " in greatest eastern elongation : " : " in greatest western elongation : ";
      long long k = k0;
      for (int step = 0; step < kMostSteps; ++step, ++k) {
        const Elongation e = GreatestElongation(planet, side, k);
        c.Add(e.jde, std::string(PlanetName(planet)) + what + Width(e.angle, 4, 1) + kDegreeSign, kPhenomenon);
        if (c.Beyond(e.jde)) break;
      }
    }
  }
}

void AddMoonPhases(Collector& c) {
  static constexpr std::array<const char*, 4> kTexts{"New Moon", "First quarter", "Full Moon", "Last quarter"};
  const long long g = static_cast<long long>(std::floor(4 * 12.3685 * (c.range.year - 2000) - 2.1));
  int phase = static_cast<int>(((g % 4) + 4) % 4);
  long long k = (g - phase) / 4;  // floor(g / 4)
  for (int step = 0; step < kMostSteps; ++step) {
    const double instant = MoonPhaseInstant(k, phase);
    c.Add(instant, kTexts[static_cast<std::size_t>(phase)], kMoonEvent);
    if (c.Beyond(instant)) break;
    if (++phase == 4) {
      phase = 0;
      ++k;
    }
  }
}

void AddEaster(Collector& c) {
  if (c.range.year < 1583) return;  // the Gregorian rule
  const MonthDay easter = EasterSunday(c.range.year);
  bool valid = true;
  const TCalendarDate date = DateToRecord({c.range.year, easter.month, easter.day}, valid);
  // At the start of its local date, in dynamical time like every other instant, so that
  // an event of Saturday evening sorts before it whatever the offset.
  const double localMidnight = JulianDay(date, 0.0, false).jd;
  const double utMidnight =
      c.range.clock.IsZone() ? c.range.clock.UtOfLocal(localMidnight) : localMidnight + c.range.offsetDays;
  AlmanacEvent e{utMidnight + c.range.deltaTSeconds / 86400.0, "EASTER SUNDAY", kEaster,
                 easter.month, easter.day};
  if (c.Inside(e.instant)) c.events.push_back(e);
}

std::string DateText(int year, int month, int day) {
  std::string y = WholeText(std::abs(year));
  y = std::string(y.size() < 4 ? 4 - y.size() : 0, '0') + y;
  return (year < 0 ? "-" : "") + y + "-" + TwoDigitText(month) + "-" + TwoDigitText(day);
}

// The time followed by its offset, in the blanks that pad it where they suffice.
std::string WithOffset(const std::string& time, double utcMinusLocalHours) {
  const std::size_t end = time.find_last_not_of(' ') + 1;
  std::string marked = time.substr(0, end) + " " + UtcOffsetSuffix(utcMinusLocalHours);
  if (marked.size() < time.size()) marked += std::string(time.size() - marked.size(), ' ');
  return marked;
}

}  // namespace

AlmanacRange AlmanacRangeOf(int year, double utcMinusLocalHours) {
  AlmanacRange r;
  r.year = year;
  r.offsetDays = utcMinusLocalHours / 24.0;
  r.start = JulianDayOfJanuary0(year) + 1 + r.offsetDays;
  r.end = JulianDayOfJanuary0(year + 1) + 1 + r.offsetDays;
  r.deltaTSeconds = DeltaT(CenturiesSinceJ2000((r.start + r.end) / 2));
  r.clock = LocalClock::Fixed(utcMinusLocalHours);
  return r;
}

AlmanacRange AlmanacRangeOf(int year, const LocalClock& clock) {
  if (!clock.IsZone()) return AlmanacRangeOf(year, clock.FixedOffsetHours());
  AlmanacRange r;
  r.year = year;
  r.start = clock.UtOfLocal(JulianDayOfJanuary0(year) + 1);
  r.end = clock.UtOfLocal(JulianDayOfJanuary0(year + 1) + 1);
  r.offsetDays = clock.UtcMinusLocalAt(r.start) / 24.0;
  r.deltaTSeconds = DeltaT(CenturiesSinceJ2000((r.start + r.end) / 2));
  r.clock = clock;
  return r;
}

std::vector<AlmanacEvent> CollectYearEvents(const AlmanacRange& range) {
  std::vector<AlmanacEvent> events;
  Collector c{range, events};
  AddSeasons(c);
  AddEclipses(c, NextSolarEclipse, SolarText);
  AddEclipses(c, NextLunarEclipse, LunarText);
  AddPhenomena(c);
  AddElongations(c);
  AddMoonPhases(c);
  AddEaster(c);
  return events;
}

std::vector<AlmanacEvent> ProximityEvents(const std::array<std::optional<PairClosest>, kProximityPairs>& pairs) {
  std::vector<AlmanacEvent> events;
  for (int p = 0; p < kProximityPairs; ++p) {
    const auto& found = pairs[static_cast<std::size_t>(p)];
    if (!found) continue;
    const PairNames names = ProximityPairNames(p);
    // Every pair's text ends with the degree sign, Mars and Mercury's too.
    events.push_back({found->instant,
                      std::string(names.first) + " and " + names.second + " seen near each other: " +
                          ShortAngleText(found->separation) + kDegreeSign,
                      kProximity});
  }
  return events;
}

void SortEvents(std::vector<AlmanacEvent>& events) {
  for (std::size_t i = 0; i + 1 < events.size(); ++i) {
    for (std::size_t j = i + 1; j < events.size(); ++j) {
      if (events[j].instant < events[i].instant) std::swap(events[i], events[j]);
    }
  }
}

std::vector<AlmanacLine> AlmanacLines(const std::vector<AlmanacEvent>& sorted, const AlmanacRange& range) {
  std::vector<AlmanacLine> lines;
  for (const AlmanacEvent& e : sorted) {
    AlmanacLine line;
    line.text = e.text;
    line.kind = e.kind;
    line.instant = e.instant;
    const double ut = e.instant - range.deltaTSeconds / 86400.0;
    // A zone's clock reads each event with the offset of its own moment (Easter: of its
    // local midnight, where the event stands).
    const ZoneOffset zone = range.clock.IsZone() ? range.clock.OffsetAt(ut) : ZoneOffset{};
    const double local = range.clock.IsZone() ? ut - zone.utcMinusLocalHours / 24.0 : ut - range.offsetDays;
    const CalendarInstant when = CalendarFromJulianDay(local);
    const double dayFraction = when.day - std::floor(when.day);
    line.localJulianDay = e.kind == kEaster ? std::round(local - 0.5) + 0.5 : local;  // Easter: its 0h
    line.date = e.kind == kEaster ? DateText(range.year, e.easterMonth, e.easterDay)
                                  : DateText(when.year, when.month, static_cast<int>(std::floor(when.day)));
    line.time = EventTimeText(e.kind, dayFraction);
    if (zone.repeated && e.kind != kEaster) line.time = WithOffset(line.time, zone.utcMinusLocalHours);
    lines.push_back(line);
  }
  return lines;
}

std::string AlmanacTitle(int astronomicalYear) { return "Almanac for the year " + WholeText(astronomicalYear); }

std::vector<PrintedPage> AlmanacPages(const std::vector<std::string>& listLines, int astronomicalYear,
                                      const PageArea& area, const TextWidth& textWidth) {
  // The counter starts at 3 and a page ends when it passes 48: 45 lines on page 1, 49 on
  // the others. The step is a sixtieth of the page and a little, unless that would run
  // the last line off the page; the print gets smaller when the lines cannot fit.
  constexpr int kFirstPageLines = 45, kPageLines = 49;
  const int firstTop = area.Pixels(200), top = area.Pixels(120);
  int size = 10, step = 0, widest = 0;
  for (;; --size) {
    const int line = area.LineHeight(size);
    step = std::min({area.height / 60 + area.Pixels(10), (area.height - top - line) / kPageLines,
                     (area.height - firstTop - line) / kFirstPageLines});
    widest = 0;
    for (const std::string& l : listLines) widest = std::max(widest, textWidth(l, size));
    if (size <= kSmallestPrintedSize || (widest <= area.width && line <= step)) break;
  }
  const int left = std::clamp(area.width - widest, 0, area.Pixels(300));
  const std::string title = AlmanacTitle(astronomicalYear);
  std::vector<PrintedPage> pages(1);
  pages[0].texts.push_back({std::clamp(area.width - textWidth(title, 16), 0, area.Pixels(860)), area.Pixels(50), 16, title});
  int y = firstTop;
  int counter = 3;
  for (const std::string& line : listLines) {
    if (++counter > 48) {
      pages.emplace_back();
      const std::string number = WholeText(static_cast<long long>(pages.size()));
      pages.back().texts.push_back({std::min(area.Pixels(1200), area.width - textWidth(number, 10)), area.Pixels(50), 10, number});
      y = top;
      counter = 0;
    }
    if (!line.empty()) y += step;
    pages.back().texts.push_back({left, y, size, line});
  }
  return pages;
}

}  // namespace orrelin
