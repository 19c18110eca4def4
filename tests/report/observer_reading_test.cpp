#include "report/observer_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orrelin {
namespace {

TEST(ObserverReading, PlaceAnglesWithinWhatAPlaceCanBe) {
  struct Case {
    std::string degrees, minutes;
    int limit;
    bool reads;
    double value;
  };
  const std::vector<Case> cases = {
      {"60", "9.7", 90, true, 60 + 9.7 / 60}, {"0", "30", 90, true, 0.5},  {"90", "0", 90, true, 90},
      {"90", "", 90, true, 90},             {"180", "0.0", 180, true, 180}, {"45", "59.99", 90, true, 45 + 59.99 / 60},
      {"91", "0", 90, false, 0},            {"90", "0.1", 90, false, 0},    {"181", "0", 180, false, 0},
      {"45", "60", 90, false, 0},           {"45", "-1", 90, false, 0},     {"-5", "0", 180, false, 0},
      {"", "0", 90, false, 0},              {"abc", "0", 90, false, 0},     {"60x", "0", 90, false, 0},
      {"45", "x", 90, false, 0},            {"1000000000000", "0", 180, false, 0},
  };
  for (const auto& c : cases) {
    const auto r = ReadPlaceAngle(c.degrees, c.minutes, c.limit);
    EXPECT_EQ(r.has_value(), c.reads) << c.degrees << " " << c.minutes;
    if (r && c.reads) {
      EXPECT_NEAR(*r, c.value, 1e-12) << c.degrees << " " << c.minutes;
    }
  }
}

TEST(ObserverReading, TheDeltaBox) {
  struct Case {
    std::string text;
    DeltaBoxStatus status;
    double value;
  };
  const std::vector<Case> cases = {
      {"69.2", DeltaBoxStatus::kRead, 69.2},       {"-1000000", DeltaBoxStatus::kRead, -1e6},
      {"67,2", DeltaBoxStatus::kUsePoint, 67},     {"64.7x", DeltaBoxStatus::kUsePoint, 647},
      {"abc", DeltaBoxStatus::kRefused, 0},        {"nan", DeltaBoxStatus::kRefused, 0},
      {"inf", DeltaBoxStatus::kRefused, 0},        {"1e400", DeltaBoxStatus::kRefused, 0},
      {"-1e30", DeltaBoxStatus::kRefused, 0},      {"1000000.1", DeltaBoxStatus::kRefused, 0},
      {"99999999999999999999x", DeltaBoxStatus::kRefused, 0},
  };
  for (const auto& c : cases) {
    const DeltaBoxRead r = ReadDeltaBox(c.text);
    EXPECT_EQ(r.status, c.status) << c.text;
    EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
  }
}

TEST(ObserverReading, TheObserverOfTheBoxes) {
  MainWindowRecord m;
  m.latDeg = "60";
  m.latMin = "";
  m.north = false;
  m.lonDeg = "24";
  m.lonMin = "57.3";
  m.west = false;
  m.height = "2";
  m.pressure = "1010";
  m.temperature = "-90";
  m.utcMinusLocal = "";  // a place listed without an offset: UTC
  const auto o = ReadObserver(m);
  ASSERT_TRUE(o);
  EXPECT_EQ(PlaceBoxCorrections(m).latMin, std::optional<std::string>("0.0"));  // what the window shows
  EXPECT_FALSE(PlaceBoxCorrections(m).lonMin);
  EXPECT_DOUBLE_EQ(o->latitude, -60);
  EXPECT_DOUBLE_EQ(o->longitude, -24.955);
  EXPECT_DOUBLE_EQ(o->utcMinusLocal, 0);
  for (const char* offset : {"14", "-14", "+5.75"}) {
    m.utcMinusLocal = offset;
    EXPECT_TRUE(ReadObserver(m)) << offset;
  }
  for (const char* offset : {"14.5", "abc", "-", "1e9"}) {
    m.utcMinusLocal = offset;
    EXPECT_FALSE(ReadObserver(m)) << offset;
  }
}

}  // namespace
}  // namespace orrelin
