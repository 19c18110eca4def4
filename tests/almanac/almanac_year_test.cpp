// The yearly list: what it holds, in which order and in which words, against the
// published dates and against a high-accuracy ephemeris for one whole year.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "almanac/almanac_calendar.h"
#include "almanac/almanac_year.h"
#include "almanac/proximity.h"

namespace orrelin {
namespace {

std::vector<AlmanacLine> YearList(int year, double offsetHours = 0.0) {
  const AlmanacRange range = AlmanacRangeOf(year, offsetHours);
  std::vector<AlmanacEvent> events = CollectYearEvents(range);
  SortEvents(events);
  return AlmanacLines(events, range);
}

bool Holds(const std::vector<AlmanacLine>& lines, const std::string& date, const std::string& textStart) {
  for (const auto& l : lines) {
    if (l.date == date && l.text.rfind(textStart, 0) == 0) return true;
  }
  return false;
}

TEST(AlmanacYear, TheYear2000) {
  const auto lines = YearList(2000);
  EXPECT_TRUE(Holds(lines, "2000-01-21", "Total lunar ECLIPSE, magnitude = "));
  EXPECT_TRUE(Holds(lines, "2000-07-16", "Total lunar ECLIPSE, magnitude = "));
  EXPECT_TRUE(Holds(lines, "2000-02-05", "Partial solar ECLIPSE, greatest magnitude = 0.580"));
  EXPECT_TRUE(Holds(lines, "2000-04-23", "EASTER SUNDAY"));
  EXPECT_TRUE(Holds(lines, "2000-11-28", "Jupiter in opposition with the Sun"));
  EXPECT_TRUE(Holds(lines, "2000-07-01", "Mars in conjunction with the Sun"));
  int mars = 0;
  for (const auto& l : lines) mars += l.text.rfind("Mars in", 0) == 0 ? 1 : 0;
  EXPECT_EQ(mars, 1);  // no opposition of Mars in 2000
  for (std::size_t i = 1; i < lines.size(); ++i) EXPECT_LE(lines[i - 1].instant, lines[i].instant);
  // The spring equinox's line with its seconds, in local time of the place.
  EXPECT_TRUE(Holds(YearList(2000, -2), "2000-03-20", "Spring equinox"));
  for (const auto& l : YearList(2000, -2)) {
    if (l.text == "Spring equinox") {
      EXPECT_EQ(l.Line(), "2000-03-20   09h 35m 24s    Spring equinox");
    }
  }
}

TEST(AlmanacYear, The2026ListAgainstPyEphemAndThePublishedEclipses) {
  // UT instants of the seasons and the Moon's phases of 2026 from PyEphem 4.1.4.
  struct Reference {
    double jdUt;
    const char* text;
  };
  const std::vector<Reference> reference = {
      {2461043.91864, "Full Moon"},       {2461051.15857, "Last quarter"},  {2461059.32771, "New Moon"},
      {2461066.69954, "First quarter"},   {2461073.42304, "Full Moon"},     {2461081.02990, "Last quarter"},
      {2461089.00075, "New Moon"},        {2461096.01913, "First quarter"}, {2461102.98460, "Full Moon"},
      {2461110.90170, "Last quarter"},    {2461118.55792, "New Moon"},      {2461120.11520, "Spring equinox"},
      {2461125.30391, "First quarter"},   {2461132.59160, "Full Moon"},     {2461140.70247, "Last quarter"},
      {2461147.99426, "New Moon"},        {2461154.60532, "First quarter"}, {2461162.22438, "Full Moon"},
      {2461170.38220, "Last quarter"},    {2461177.33401, "New Moon"},      {2461183.96588, "First quarter"},
      {2461191.86467, "Full Moon"},       {2461199.91697, "Last quarter"},  {2461206.62089, "New Moon"},
      {2461212.85036, "Summer solstice"}, {2461213.41342, "First quarter"}, {2461221.49763, "Full Moon"},
      {2461229.31175, "Last quarter"},    {2461235.90522, "New Moon"},      {2461242.96217, "First quarter"},
      {2461251.10807, "Full Moon"},       {2461258.59820, "Last quarter"},  {2461265.23379, "New Moon"},
      {2461272.61547, "First quarter"},   {2461280.67947, "Full Moon"},     {2461287.82719, "Last quarter"},
      {2461294.64369, "New Moon"},        {2461302.36368, "First quarter"}, {2461306.50358, "Fall equinox"},
      {2461310.20067, "Full Moon"},       {2461317.05901, "Last quarter"},  {2461324.15973, "New Moon"},
      {2461332.17541, "First quarter"},   {2461339.67482, "Full Moon"},     {2461346.35303, "Last quarter"},
      {2461353.79309, "New Moon"},        {2461361.99149, "First quarter"}, {2461369.12048, "Full Moon"},
      {2461375.75597, "Last quarter"},    {2461383.53596, "New Moon"},      {2461391.73792, "First quarter"},
      {2461396.36805, "Winter solstice"}, {2461398.56122, "Full Moon"},     {2461405.29127, "Last quarter"},
  };
  const AlmanacRange range = AlmanacRangeOf(2026, 0);
  std::vector<AlmanacEvent> events = CollectYearEvents(range);
  SortEvents(events);
  std::vector<const AlmanacEvent*> phasesAndSeasons;
  for (const auto& e : events) {
    if (e.kind == kSeasonEvent || (e.kind == kMoonEvent && e.text.find("ECLIPSE") == std::string::npos)) {
      phasesAndSeasons.push_back(&e);
    }
  }
  ASSERT_EQ(phasesAndSeasons.size(), reference.size());
  double largest = 0;
  for (std::size_t i = 0; i < reference.size(); ++i) {
    EXPECT_EQ(phasesAndSeasons[i]->text, reference[i].text) << i;
    const double minutes = std::fabs(phasesAndSeasons[i]->instant - range.deltaTSeconds / 86400.0 - reference[i].jdUt) * 1440;
    largest = std::max(largest, minutes);
    EXPECT_LT(minutes, 2.0) << reference[i].text << " " << reference[i].jdUt;
  }
  std::printf("2026: seasons and phases within %.2f minutes of PyEphem\n", largest);
  // The year's eclipses as the published tables give them.
  const auto lines = AlmanacLines(events, range);
  EXPECT_TRUE(Holds(lines, "2026-02-17", "Annular solar ECLIPSE"));
  EXPECT_TRUE(Holds(lines, "2026-03-03", "Total lunar ECLIPSE"));
  EXPECT_TRUE(Holds(lines, "2026-08-12", "Total solar ECLIPSE"));
  EXPECT_TRUE(Holds(lines, "2026-08-28", "Partial lunar ECLIPSE"));
}

TEST(AlmanacYear, YearsBeforeChristAndBeforeEaster) {
  EXPECT_EQ(AlmanacTitle(1 - 3), "Almanac for the year -2");  // 3 B.C.
  const auto bc = YearList(-2);
  ASSERT_FALSE(bc.empty());
  EXPECT_EQ(bc.front().date.rfind("-0002-", 0), 0u);
  for (const auto& l : bc) EXPECT_NE(l.text, "EASTER SUNDAY");
  for (const auto& l : YearList(1582)) EXPECT_NE(l.text, "EASTER SUNDAY");
  EXPECT_TRUE(Holds(YearList(1583), "1583-04-10", "EASTER SUNDAY"));
}

TEST(AlmanacYear, AnEventBelongsToTheYearOfItsLocalDate) {
  // Delta T is five hours in 495 B.C.: the range is tested on the civil instants, so
  // the Full Moon of the year's last evening closes its year and does not open the next.
  struct Case {
    int year;
    double offsetHours;
  };
  for (const Case c : {Case{-494, 0}, Case{-493, 0}, Case{-494, 5}, Case{-494, -10}, Case{1994, 5}, Case{2026, -2}}) {
    const auto lines = YearList(c.year, c.offsetHours);
    ASSERT_FALSE(lines.empty());
    const std::string year = lines.front().date.substr(0, lines.front().date.size() - 6);
    for (const auto& l : lines) EXPECT_EQ(l.date.substr(0, l.date.size() - 6), year) << c.year << " " << l.Line();
    EXPECT_EQ(year, c.year < 0 ? "-0" + std::to_string(-c.year) : std::to_string(c.year));
  }
  EXPECT_TRUE(Holds(YearList(-494), "-0494-12-31", "Full Moon"));
}

TEST(AlmanacYear, EasterSortsAtTheStartOfItsLocalDate) {
  // 1994, five hours west of Greenwich: the Last quarter of Saturday evening, April 2nd,
  // is after midnight UT, yet it comes before Easter Sunday, April 3rd.
  const auto lines = YearList(1994, 5);
  std::size_t easter = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].text == "EASTER SUNDAY") easter = i;
  }
  ASSERT_GT(easter, 0u);
  EXPECT_EQ(lines[easter].date, "1994-04-03");
  EXPECT_EQ(lines[easter - 1].date, "1994-04-02");
  EXPECT_EQ(lines[easter - 1].text, "Last quarter");
  for (std::size_t i = 0; i < easter; ++i) EXPECT_LE(lines[i].date, "1994-04-03") << lines[i].Line();
  for (std::size_t i = easter + 1; i < lines.size(); ++i) EXPECT_GT(lines[i].date, "1994-04-03") << lines[i].Line();
  // The start of its local date, in dynamical time like every other instant.
  EXPECT_DOUBLE_EQ(lines[easter].localJulianDay, 2449445.5);
}

TEST(AlmanacYear, EqualInstantsKeepTheExchangeSortsOrder) {
  std::vector<AlmanacEvent> events = {{5.0, "A", 2}, {5.0, "B", 2}, {1.0, "C", 2}, {5.0, "D", 2}};
  SortEvents(events);
  std::vector<std::string> order;
  for (const auto& e : events) order.push_back(e.text);
  // C swaps with A, which lands behind B: a stable sort would give C, A, B, D.
  EXPECT_EQ(order, (std::vector<std::string>{"C", "B", "A", "D"}));
}

TEST(AlmanacYear, ASeasonHalfASecondBeforeMidnight) {
  const AlmanacRange range = AlmanacRangeOf(2026, -2);
  const double localMidnight = 2461212.5;  // 2026 June 21, 0h local
  AlmanacEvent e{localMidnight - 0.3 / 86400.0 + range.deltaTSeconds / 86400.0 + range.offsetDays,
                 "Summer solstice", kSeasonEvent};
  const auto lines = AlmanacLines({e}, range);
  EXPECT_EQ(lines[0].Line(), "2026-06-20   24h 00m 00s    Summer solstice");
}

TEST(AlmanacYear, PlanetsSeenNearEachOther) {
  EXPECT_DOUBLE_EQ(ProximitySeparation(10, 359, 11, 1), 3.0);  // azimuths the short way round
  std::vector<std::string> names;
  for (int p = 0; p < kProximityPairs; ++p) {
    const PairNames n = ProximityPairNames(p);
    names.push_back(std::string(n.first) + "-" + n.second);
  }
  EXPECT_EQ(names.front(), "Jupiter-Mars");
  EXPECT_EQ(names[6], "Mars-Mercury");
  EXPECT_EQ(names[11], "Saturn-Mercury");
  EXPECT_EQ(names.back(), "Venus-Uranus");
  std::array<std::optional<PairClosest>, kProximityPairs> found;
  found[6] = PairClosest{0.156, 2461000.5};
  found[0] = PairClosest{2.96, 2461001.5};
  const auto events = ProximityEvents(found);
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].text, "Jupiter and Mars seen near each other: 3.0°");
  EXPECT_EQ(events[1].text, "Mars and Mercury seen near each other: 0.16°");
  EXPECT_EQ(events[1].kind, kProximity);
}

TEST(AlmanacYear, TheProximitySearchDoesNotDependOnItsThreads) {
  // 2020 December: Jupiter and Saturn closer than a tenth of a degree on the 21st.
  Observer helsinki;
  helsinki.latitude = 60.16;
  helsinki.longitude = -24.955;
  const AlmanacRange range = AlmanacRangeOf(2020, -2);
  ProximityInput in;
  in.firstDay = range.start + 334;  // December 1, local midnight
  in.days = 31;
  in.observer = helsinki;
  in.deltaTSeconds = range.deltaTSeconds;
  in.threads = 1;
  const auto one = ProximitySearch(in);
  in.threads = 3;
  const auto three = ProximitySearch(in);
  for (int p = 0; p < kProximityPairs; ++p) {
    ASSERT_EQ(one[p].has_value(), three[p].has_value()) << p;
    if (one[p]) {
      EXPECT_EQ(one[p]->instant, three[p]->instant) << p;
      EXPECT_EQ(one[p]->separation, three[p]->separation) << p;
    }
  }
  ASSERT_TRUE(one[2].has_value());  // Jupiter and Saturn
  EXPECT_LT(one[2]->separation, 0.2);
  // Listed at a whole local hour of the sample: the conversion takes off Delta T and the offset.
  const auto lines = AlmanacLines(ProximityEvents(one), range);
  for (const auto& l : lines) {
    // The great conjunction of 2020 December 21 (18h UT), as |dh| + |dA| from Helsinki measures it.
    if (l.text.rfind("Jupiter and Saturn", 0) == 0) {
      EXPECT_TRUE(l.date == "2020-12-21" || l.date == "2020-12-22");
    }
    const double hours = (l.localJulianDay + 0.5 - std::floor(l.localJulianDay + 0.5)) * 24;
    EXPECT_NEAR(hours, std::round(hours), 1e-6) << l.Line();
  }
}

TEST(AlmanacYear, PrintedPagesHold45LinesThen49) {
  std::vector<std::string> list(120, "x");
  list[0] = "";
  const PageArea area{2400, 6000, 300};
  const auto pages = AlmanacPages(list, 2026, area, MonospacedTextWidth(area));
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].texts[0].text, "Almanac for the year 2026");
  EXPECT_EQ(pages[0].texts[0].pointSize, 16);
  EXPECT_EQ(pages[0].texts.size(), 1u + 45u);  // the title and lines 0..44 (the counter starts at 3)
  EXPECT_EQ(pages[0].texts[1].y, 200);         // an empty line does not advance
  EXPECT_EQ(pages[0].texts[2].y, 200 + 110);
  EXPECT_EQ(pages[1].texts[0].text, "2");
  // The line that passes 48 starts the next page with the counter at 0: 49 a page.
  EXPECT_EQ(pages[1].texts.size(), 1u + 49u);
}

TEST(AlmanacYear, PrintedPagesStayOnLetterAndA4AtAnyResolution) {
  // Full pages of the longest lines a list has, on the printable part of Letter and A4
  // (10 points of margin) at 300 and 1200 pixels to the inch.
  std::vector<std::string> list(150, "2000-02-05   14h 50m           Partial solar ECLIPSE, greatest magnitude = 0.580");
  list[0] = "Local time at 60° 09.7' N, 24° 57.3' E: UTC + 2 h";
  for (const PageArea area : {PageArea{2466, 3216, 300}, PageArea{2395, 3424, 300}, PageArea{9866, 12866, 1200},
                              PageArea{9583, 13699, 1200}}) {
    const TextWidth width = MonospacedTextWidth(area);
    const auto pages = AlmanacPages(list, -2999, area, width);
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_EQ(pages[1].texts.size(), 1u + 49u);
    for (const auto& page : pages) {
      for (const auto& t : page.texts) {
        EXPECT_GE(t.x, 0);
        EXPECT_LE(t.x + width(t.text, t.pointSize), area.width) << t.text << " " << area.dpi;
        EXPECT_LE(t.y + area.LineHeight(t.pointSize), area.height) << t.text << " " << area.dpi;
      }
    }
    EXPECT_EQ(pages[0].texts[1].pointSize, 10);  // these pages need no smaller print
  }
}

}  // namespace
}  // namespace orrelin
