#include "core/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace orrelin {
namespace {

struct UnaryCase {
  std::string name;
  std::function<double(double)> f;
  double x;
  double expected;
  double tolerance;
};

TEST(Angles, UnaryFunctionsMatchTheirDefinitions) {
  const std::vector<UnaryCase> cases = {
      {"SinDeg 30", SinDeg, 30, 0.5, 1e-15},
      {"CosDeg 60", CosDeg, 60, 0.5, 1e-15},
      {"TanDeg 45", TanDeg, 45, 1.0, 1e-15},
      {"TanDeg 90 is large, not infinite", TanDeg, 90, 1.633123935319537e16, 1e2},
      {"ArcSinDeg 1 exactly", ArcSinDeg, 1, 90.0, 0},
      {"ArcSinDeg -1", ArcSinDeg, -1, -90.0, 0},
      {"ArcSinDeg beyond 1 is not clamped", ArcSinDeg, 1.000001, 90.00009, 1e-9},
      {"ArcSinDeg 0.5", ArcSinDeg, 0.5, 30.0, 1e-13},
      {"ArcCosDeg 1", ArcCosDeg, 1, 0.0, 0},
      {"ArcCosDeg -1", ArcCosDeg, -1, 180.0, 0},
      {"ArcCosDeg 0", ArcCosDeg, 0, 90.0, 0},
      {"ArcCosDeg 0.5", ArcCosDeg, 0.5, 60.0, 1e-13},
      {"ArcTanDeg 1", ArcTanDeg, 1, 45.0, 1e-14},
      {"ArcTanDeg -1e300 stays in range", ArcTanDeg, -1e300, -90.0, 1e-12},
      {"Log10 1000", Log10, 1000, 3.0, 1e-15},
      {"FloorReal -2.5", FloorReal, -2.5, -3.0, 0},
      {"FloorReal -3", FloorReal, -3, -3.0, 0},
      {"FloorReal 2.7", FloorReal, 2.7, 2.0, 0},
      {"ReduceAngle 725.25", ReduceAngle, 725.25, 5.25, 1e-12},
      {"ReduceAngle -370.5", ReduceAngle, -370.5, -10.5, 1e-12},
      {"ReduceAngle -0.25", ReduceAngle, -0.25, -0.25, 0},
      {"ReduceAngle of a huge angle", ReduceAngle, 1e20 + 0.0, 280.0, 1e-9},
      {"NormalizeAngle -370.5", NormalizeAngle, -370.5, 349.5, 1e-12},
      {"NormalizeAngle 360", NormalizeAngle, 360, 0.0, 0},
      {"NormalizeAngle -0.25", NormalizeAngle, -0.25, 359.75, 0},
      {"SignedAngle 190", SignedAngle, 190, -170, 0},
      {"SignedAngle -190", SignedAngle, -190, 170, 0},
      {"SignedAngle 180", SignedAngle, 180, 180, 0},
      {"SignedAngle 540 folds once only", SignedAngle, 540, 180, 0},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(c.f(c.x), c.expected, c.tolerance) << c.name;
  }
}

TEST(Angles, QuadrantArcTanPlacesEachQuadrant) {
  struct Case {
    double a, b, expected;
  };
  const std::vector<Case> cases = {{1, 1, 45},  {-1, 1, 135}, {-1, -1, 225},
                                   {1, -1, 315}, {1, 0, 0},     {-1, 0, 180}};
  for (const auto& c : cases) {
    EXPECT_NEAR(QuadrantArcTan(c.a, c.b), c.expected, 1e-12) << c.a << ", " << c.b;
  }
}

TEST(Angles, TruncatingPrimitivesRoundTowardZero) {
  EXPECT_EQ(Int(-2.7), -2.0);
  EXPECT_NEAR(Frac(-2.7), -0.7, 1e-15);
  EXPECT_EQ(Trunc(-2.7), -2);
  EXPECT_EQ(Trunc(2.999), 2);
  // Values no 64-bit integer holds saturate instead of being undefined.
  EXPECT_EQ(Trunc(1e300), INT64_MAX);
  EXPECT_EQ(Trunc(-1e300), INT64_MIN);
  EXPECT_EQ(Trunc(std::nan("")), 0);
}

}  // namespace
}  // namespace orrelin
