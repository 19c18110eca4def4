// The triad and the pair recommended among a twilight's bodies.
#include "navigation/plan_recommendation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace orrelin::navigation {
namespace {

std::vector<std::string> Names(const std::vector<PlannedBody>& bodies, const std::vector<std::size_t>& chosen) {
  std::vector<std::string> names;
  for (std::size_t i : chosen) names.push_back(bodies[i].name);
  return names;
}

TEST(PlanRecommendation, ChoosesByTheRuleAndSaysIt) {
  const struct {
    const char* what;
    std::vector<PlannedBody> bodies;
    std::vector<std::string> triad;
  } cases[] = {
      {"three at 120 degrees, a fourth crowding one of them",
       {{"A", 30, 10, 1.0}, {"B", 40, 130, 1.0}, {"C", 50, 250, 1.0}, {"D", 45, 20, 0.0}},
       {"A", "B", "C"}},
      {"a triad half a degree narrower but brighter wins",
       {{"Dim1", 30, 0, 2.5}, {"Dim2", 30, 120, 2.5}, {"Dim3", 30, 240, 2.5}, {"Bright", 30, 239.5, -1.0}},
       {"Dim1", "Dim2", "Bright"}},
      {"the band's edges belong to it; outside is listed but not chosen",
       {{"Low", 15.0, 0, 1}, {"High", 70.0, 120, 1}, {"Mid", 40, 240, 1}, {"Zenith", 70.1, 60, -4}, {"Horizon", 14.9, 180, -4}},
       {"Low", "High", "Mid"}},
  };
  for (const auto& c : cases) {
    const Recommendation r = RecommendBodies(c.bodies, {});
    EXPECT_EQ(Names(c.bodies, r.triad), c.triad) << c.what;
    EXPECT_EQ(r.rule.rfind("Triad: of the bodies between 15\xC2\xB0 and 70\xC2\xB0, the three whose smallest", 0), 0u)
        << r.rule;
  }
  // The pair: the difference of azimuth nearest 90 degrees.
  const std::vector<PlannedBody> square{{"N", 30, 0, 1}, {"E", 30, 95, 1}, {"S", 30, 175, 1}, {"W", 30, 269, 1}};
  const Recommendation r = RecommendBodies(square, {});
  ASSERT_TRUE(r.pair);
  EXPECT_EQ(square[r.pair->first].name + square[r.pair->second].name, "NW");  // 91: nearer 90 than 95, 94 and 80
  EXPECT_DOUBLE_EQ(r.pairAngle, 91.0);
  EXPECT_DOUBLE_EQ(AzimuthDifference(350.0, 10.0), 20.0);
  EXPECT_DOUBLE_EQ(AzimuthDifference(0.0, 180.0), 180.0);

  // Two in the band: no triad, and the rule says why; the pair is still marked.
  const std::vector<PlannedBody> two{{"A", 30, 0, 1}, {"B", 30, 90, 1}, {"C", 80, 180, 1}};
  const Recommendation none = RecommendBodies(two, {});
  EXPECT_TRUE(none.triad.empty());
  EXPECT_TRUE(none.pair);
  EXPECT_EQ(none.rule.rfind("No triad: fewer than three bodies between 15\xC2\xB0 and 70\xC2\xB0.", 0), 0u) << none.rule;
  EXPECT_EQ(RecommendBodies(two, {20, 85}).triad.size(), 3u);
}

// Against every triad of random skies: none cuts better by more than the tolerance, and
// none within it is brighter.
TEST(PlanRecommendation, NoTriadBeatsTheChosenOne) {
  std::mt19937 random(20261209);
  std::uniform_real_distribution<double> altitude(0, 90), azimuth(0, 360), magnitude(-1.5, 3.0);
  for (int sky = 0; sky < 200; ++sky) {
    std::vector<PlannedBody> bodies(3 + sky % 12);
    for (auto& b : bodies) b = {"", altitude(random), azimuth(random), magnitude(random)};
    const Recommendation r = RecommendBodies(bodies, {});
    std::vector<std::size_t> band;
    for (std::size_t i = 0; i < bodies.size(); ++i)
      if (bodies[i].hc >= 15 && bodies[i].hc <= 70) band.push_back(i);
    ASSERT_EQ(r.triad.empty(), band.size() < 3);
    if (r.triad.empty()) continue;
    const auto spread = [&](std::size_t i, std::size_t j, std::size_t k) {
      return std::min({AzimuthDifference(bodies[i].zn, bodies[j].zn), AzimuthDifference(bodies[i].zn, bodies[k].zn),
                       AzimuthDifference(bodies[j].zn, bodies[k].zn)});
    };
    const double chosenLight = bodies[r.triad[0]].magnitude + bodies[r.triad[1]].magnitude + bodies[r.triad[2]].magnitude;
    EXPECT_DOUBLE_EQ(r.triadSpread, spread(r.triad[0], r.triad[1], r.triad[2]));
    double largest = 0;
    for (std::size_t a = 0; a < band.size(); ++a)
      for (std::size_t b = a + 1; b < band.size(); ++b)
        for (std::size_t c = b + 1; c < band.size(); ++c) largest = std::max(largest, spread(band[a], band[b], band[c]));
    EXPECT_GE(r.triadSpread, largest - kTriadTolerance) << "sky " << sky;
    for (std::size_t a = 0; a < band.size(); ++a)
      for (std::size_t b = a + 1; b < band.size(); ++b)
        for (std::size_t c = b + 1; c < band.size(); ++c) {
          if (spread(band[a], band[b], band[c]) < largest - kTriadTolerance) continue;
          EXPECT_GE(bodies[band[a]].magnitude + bodies[band[b]].magnitude + bodies[band[c]].magnitude, chosenLight)
              << "sky " << sky;
        }
  }
}

}  // namespace
}  // namespace orrelin::navigation
