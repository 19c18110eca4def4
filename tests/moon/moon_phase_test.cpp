#include "moon/moon_phase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

TEST(MoonPhase, DrawingCases) {
  struct Case {
    std::string name, percent, elongation;
    bool straight;
    int halfWidth;
    bool leftHalf;
    bool fill;
    int fillX;
  };
  const std::vector<Case> cases = {
      {"half, waxing: line, left half dark", "50.0", "90", true, 0, true, true, 5},
      {"quarter lit, waxing: crescent on the right", "25.0", "60", false, 14, false, true, 5},
      {"quarter lit, waning: crescent on the left", "25.0", "270", false, 14, true, true, 57},
      {"three quarters, waxing", "75.0", "120", false, 14, true, true, 5},
      {"three quarters, waning", "75.0", "240", false, 14, false, true, 57},
      {"nearly full: no fill", "99.5", "178", false, 27, true, false, 5},
      {"180 counts as waxing", "99.0", "180", false, 27, true, false, 5},
      {"181 counts as waning", "99.0", "181", false, 27, false, false, 57},
  };
  for (const auto& c : cases) {
    MoonPhaseDrawing g;
    ASSERT_TRUE(MoonPhaseGeometry(c.percent, c.elongation, 62, 62, g)) << c.name;
    EXPECT_EQ(g.straightTerminator, c.straight) << c.name;
    EXPECT_EQ(g.halfWidth, c.halfWidth) << c.name;
    if (!c.straight) {
      EXPECT_EQ(g.terminatorLeftHalf, c.leftHalf) << c.name;
    }
    EXPECT_EQ(g.fill, c.fill) << c.name;
    EXPECT_EQ(g.fillX, c.fillX) << c.name;
    EXPECT_EQ(g.fillY, 31) << c.name;
    EXPECT_EQ(g.disk.left, 3);
    EXPECT_EQ(g.disk.right, 59);
    EXPECT_EQ(g.disk.top, 2);
    EXPECT_EQ(g.disk.bottom, 60);
    EXPECT_EQ(g.terminator.left, 31 - c.halfWidth) << c.name;
  }
}

TEST(MoonPhase, UnreadableTextsDrawNothing) {
  MoonPhaseDrawing g;
  EXPECT_FALSE(MoonPhaseGeometry("", "90", 62, 62, g));
  EXPECT_FALSE(MoonPhaseGeometry("50.0", "9x", 62, 62, g));
}

}  // namespace
}  // namespace orrelin
