// The daily pages against an independent program (python3-ephem, from
// tools/daily-page-reference.py): risings, settings and twilights at Greenwich, and
// what the pages must hold.
#include "daily/daily_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "daily/daily_page_layout.h"
#include "precise/nautical.h"

namespace orrelin::daily {
namespace {

const LatitudeRow& RowAt(const DailyPages& pages, double latitude) {
  return *std::find_if(pages.latitudes.begin(), pages.latitudes.end(),
                       [latitude](const LatitudeRow& r) { return r.latitude == latitude; });
}

CivilDate DayBefore(CivilDate d) {
  if (--d.day == 0) {
    if (--d.month == 0) {
      d.month = 12;
      --d.year;
    }
    d.day = DaysInMonth(d.year, d.month);
  }
  return d;
}

void ExpectTime(const Phenomenon& p, double hours, double minutes, const std::string& what) {
  if (hours < 0) {
    EXPECT_NE(p.kind, Phenomenon::Kind::kTime) << what;
    return;
  }
  ASSERT_EQ(p.kind, Phenomenon::Kind::kTime) << what;
  EXPECT_NEAR(p.hours, hours, minutes / 60.0) << what;
}

TEST(DailyPages, SunriseSunsetAndTwilightsAgreeWithAnIndependentProgramToAMinute) {
  struct Case {
    CivilDate day;
    double latitude;
    double times[6];  // nautical, civil, sunrise, sunset, civil, nautical; hours UT (-1: none)
  };
  const Case cases[] = {
    {{2026, 12, 9}, 60, {6.9458, 7.8808, 8.8196, 14.9197, 15.8584, 16.7931}},
    {{2026, 12, 9}, 0, {5.0010, 5.4361, 5.8097, 17.9343, 18.3081, 18.7433}},
    {{2026, 12, 9}, -40, {3.1805, 3.8657, 4.4073, 19.3409, 19.8834, 20.5702}},
    {{2026, 6, 21}, 50, {2.0050, 3.1000, 3.8451, 20.2154, 20.9604, 22.0554}},
    {{2026, 3, 20}, 30, {5.2057, 5.6691, 6.0666, 18.1889, 18.5870, 19.0512}},
  };
  for (const Case& c : cases) {
    std::string why;
    const auto pages = ComputeDailyPages(DayBefore(c.day), why);
    ASSERT_TRUE(pages.has_value()) << why;
    const LatitudeRow& r = RowAt(*pages, c.latitude);
    const Phenomenon* events[] = {&r.nauticalMorning, &r.civilMorning, &r.sunrise,
                                  &r.sunset,          &r.civilEvening, &r.nauticalEvening};
    for (int i = 0; i < 6; ++i) ExpectTime(*events[i], c.times[i], 1.0, std::to_string(c.latitude) + " #" + std::to_string(i));
  }
}

TEST(DailyPages, MoonriseAndMoonsetAgreeWithAnIndependentProgramToTwoMinutes) {
  struct Case {
    CivilDate day;
    double latitude;
    double rise, set;  // hours UT
  };
  const Case cases[] = {
    {{2026, 12, 8}, 50, 7.6858, 14.9967},
    {{2026, 12, 8}, 0, 5.1653, 17.5769},
    {{2026, 12, 8}, -30, 4.0270, 18.7636},
    {{2026, 12, 9}, 50, 8.6819, 15.7671},
    {{2026, 12, 9}, 0, 6.0199, 18.4356},
    {{2026, 12, 9}, -30, 4.8145, 19.6464},
    {{2026, 12, 10}, 50, 9.4950, 16.7139},
    {{2026, 12, 10}, 0, 6.8766, 19.2857},
    {{2026, 12, 10}, -30, 5.6772, 20.4473},
    {{2026, 12, 20}, 50, 12.7880, 3.5431},
    {{2026, 12, 20}, 0, 14.4975, 2.0295},
    {{2026, 12, 20}, -30, 15.3351, 1.3266},
  };
  for (const Case& c : cases) {
    std::string why;
    const auto pages = ComputeDailyPages(c.day, why);
    ASSERT_TRUE(pages.has_value()) << why;
    const LatitudeRow& r = RowAt(*pages, c.latitude);
    ExpectTime(r.moonrise[0], c.rise, 2.0, "rise " + std::to_string(c.day.day) + " " + std::to_string(c.latitude));
    ExpectTime(r.moonset[0], c.set, 2.0, "set " + std::to_string(c.day.day) + " " + std::to_string(c.latitude));
  }
}

TEST(DailyPages, HoldTheAlmanacsQuantitiesInTheirPlaces) {
  std::string why;
  const auto pages = ComputeDailyPages({2026, 12, 8}, why);
  ASSERT_TRUE(pages.has_value()) << why;
  // The hourly values are the ephemeris' own.
  const auto sun = precise::NauticalPlaceOf(*precise::NauticalBodyNamed("sun"), MomentOfJulianDayUt(2461383.5 + 5.0 / 24),  /* December 9, 05h */
                                            std::nullopt, why);
  EXPECT_NEAR(pages->sun[29].gha, sun->gha, 1e-9);
  EXPECT_EQ(pages->stars.size(), 58u);
  EXPECT_EQ(pages->stars.front().name, "Acamar");
  EXPECT_EQ(pages->stars.back().name, "Zubenelgenubi");
  EXPECT_EQ(pages->latitudes.size(), 31u);
  // December: the polar night at 72 N, the midnight sun's opposite at 60 S.
  EXPECT_EQ(RowAt(*pages, 72).sunrise.kind, Phenomenon::Kind::kAlwaysBelow);
  EXPECT_EQ(RowAt(*pages, -60).nauticalMorning.kind, Phenomenon::Kind::kTwilightAllNight);
  EXPECT_EQ(pages->days[1].weekday, "Wednesday");
  // The Sun crosses the meridian at 12h less the equation of time; the Moon is new on the 9th.
  EXPECT_NEAR(pages->days[1].sunMeridianPassage, 12.0 - pages->days[1].equationOfTime12h / 60.0, 1e-9);
  EXPECT_NEAR(pages->days[1].equationOfTime12h, 7.7, 0.1);
  EXPECT_LT(pages->days[1].moonAge, 1.0);
  EXPECT_LT(pages->days[1].moonIlluminated, 1.0);
  const auto none = ComputeDailyPages({1700, 1, 1}, why);
  EXPECT_FALSE(none.has_value());
}

TEST(DailyPageLayout, TheAlmanacsFormsAndBothPages) {
  struct Form {
    std::string text, expected;
  };
  const Form forms[] = {
      {AlmanacGha(182.0861), "182 05.2"},      {AlmanacGha(359.99999), "  0 00.0"},
      {AlmanacGha(5.5), "  5 30.0"},           {AlmanacDeclination(-22.6917), "S22 41.5"},
      {AlmanacDeclination(0.79855), "N 0 47.9"}, {AlmanacDeclination(-0.0001), "  0 00.0"},
      {AlmanacTime(8.8196), "08 49"},          {AlmanacTime(23.9999), "24 00"},
      {AlmanacPhenomenon({Phenomenon::Kind::kTwilightAllNight, 0}), "////"},
  };
  for (const Form& f : forms) EXPECT_EQ(f.text, f.expected);
  std::string why;
  const auto pages = ComputeDailyPages({2026, 12, 8}, why);
  const auto left = LeftPageLines(*pages);
  const auto right = RightPageLines(*pages);
  EXPECT_EQ(left.front(), "2026 DECEMBER 8, 9, 10   (Tue, Wed, Thu)");
  EXPECT_EQ(left.size(), 2u + 2u + 72u + 3u + 1u);
  EXPECT_EQ(left[4].substr(0, 16), " 8 00   76 46.1 ");
  EXPECT_NE(right[2].find("Moonrise"), std::string::npos);
  // Printed, every line fits the page's width and all of them its height, at the
  // printer's own resolution (A4 less 10 points of margin, at 300 and 1200 dpi).
  for (const PageArea area : {PageArea{2180, 3208, 300}, PageArea{9583, 13699, 1200}}) {
    for (const PrintedPage& page : DailyPagesPrinted(*pages, area.width, area.height, area.dpi)) {
      const PrintedText& last = page.texts.back();
      EXPECT_LE(last.y + area.LineHeight(last.pointSize), area.height);
      for (std::size_t i = 0; i < page.texts.size(); ++i) {
        const PrintedText& t = page.texts[i];
        EXPECT_LE(MonospacedTextWidth(area)(t.text, t.pointSize), area.width) << t.text;
        if (i > 0) {  // no overlap
          EXPECT_GE(t.y - page.texts[i - 1].y, area.LineHeight(t.pointSize)) << t.text;
        }
      }
    }
  }
}

}  // namespace
}  // namespace orrelin::daily
