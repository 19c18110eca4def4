// The real program run with random combinations of valid and invalid options, and
// over damaged files in its settings folder: every run ends within its time with
// status 0 and output that shows only numbers, or with status 2 and one message.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "cli_run.h"
#include "temp_folder.h"

namespace {

using orrelin::testing::ProgramRun;
using orrelin::testing::TempFolder;

#ifdef ORRELIN_SANITIZED
constexpr double kLimit = 10.0;  // the sanitizers make every run several times slower
#else
constexpr double kLimit = 1.0;
#endif

// The longest single argument Linux passes to a program (MAX_ARG_STRLEN less its NUL):
// a 1 MB argument never reaches it.
const std::string kHuge(128 * 1024 - 1, '9');

const std::vector<std::string> kDates = {"0001-01-01", "0000-01-01", "-4712-01-01", "9999-12-31", "99999-01-01",
                                         "2026-02-30", "1582-10-10", "1582-10-15", "1582-10-04", "2026-03-21",
                                         "2000-02-29", "1900-02-29", "", "x", "2026-13-01", kHuge};
const std::vector<std::string> kTimes = {"24:00:00", "23:59:60", "12:3", "00:00:00", "25:00:00", "12:00:00.5",
                                         "-1:00:00", "99999999999999999999:00:00", "12:00:00:00", "", "Åbo", kHuge};
const std::vector<std::string> kLatitudes = {"90 0 N", "90 0 S", "0 0 N",  "89 59.9 S", "90 1 N",    "-5 0 N",
                                             "nan 0 N", "1e308 0 N", "inf 0 S", "60 9.7 N", "60° 9′ N", "", kHuge};
const std::vector<std::string> kLongitudes = {"180 0 E", "180 0 W", "0 0 E", "179 59.9 W", "181 0 E",
                                              "-inf 0 W", "24 57.3 E", "24 57,3 E", "", kHuge};
const std::vector<std::string> kNumbers = {"0",   "8900", "1e308", "-1e308", "nan",   "inf", "-inf", "1e-320",
                                           "-0",  "99999999999999999999999", "67,2", "",    "14", "-14",
                                           "1100", "-90",  "60",    "\xff\xfe", "１２", kHuge};
const std::vector<std::string> kBodies = {"sun",    "moon",   "mercury", "venus",  "mars",   "jupiter",
                                          "saturn", "uranus", "neptune", "pluto",  "SUN",    "Åbo"};
const std::vector<std::string> kStars = {"Sirius", "polaris", "VEGA", "Nowhere", "", kHuge};
const std::vector<std::string> kAlmanacBodies = {"sun", "moon", "aries", "venus", "Sirius", "al na'ir", "pluto", ""};
const std::vector<std::string> kSteps = {"1h", "30m", "1d", "0h", "-1h", "x", "1e300h", "nanh"};
const std::vector<std::string> kWatchErrors = {"3 fast", "3 slow", "", "0", "3600 fast", "3601 slow", "-3 fast",
                                               "nan fast", "1e308 slow", "3", "fast", kHuge};
const std::vector<std::string> kZones = {"+2", "-10", "+12", "-12", "+13", "0", "-5:30", "+9.5", "+2.1", "inf",
                                         "", "1e308", kHuge};
const std::vector<std::string> kYears = {"0", "1", "2026", "2999", "3000", "-1", "1e3", "x", kHuge};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}

  const std::string& Pick(const std::vector<std::string>& from) { return from[Below(from.size())]; }
  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_); }

  // A command and a few of its options, valid or not.
  std::vector<std::string> Arguments() {
    std::vector<std::string> a;
    switch (Below(10)) {
      case 0: a = {"report", Pick(kBodies)}; break;
      case 1: a = {"report", "star", Pick(kStars)}; break;
      case 2: a = {"satellites"}; break;
      case 3: a = {"identify", "--hs", Pick(kNumbers) + " " + Pick(kNumbers), "--zn", Pick(kNumbers)}; break;
      case 4: a = {"almanac", Pick(kYears)}; break;
      case 5: a = {"places"}; break;
      case 6:
        a = {"ephemeris", Pick(kAlmanacBodies), Pick(kAlmanacBodies), "--from", Pick(kDates) + " 00:00", "--to",
             Pick(kDates) + " " + Pick(kTimes), "--step", Pick(kSteps)};
        break;
      case 7:
        a = {"time", "--watch", Pick(kTimes), "--we", Pick(kWatchErrors), "--zd", Pick(kZones), "--date", Pick(kDates)};
        break;
      case 8:
        a = {"sight", "--body", Pick(kBodies), "--limb", "lower", "--hs", "23 41.6", "--watch", Pick(kTimes), "--we",
             Pick(kWatchErrors), "--zd", Pick(kZones), "--date", Pick(kDates)};
        break;
      default: a = {"stars"}; break;
    }
    const bool computes = a[0] != "places" && a[0] != "stars" && a[0] != "time";
    for (std::size_t n = Below(5); n > 0 && computes; --n) {
      switch (Below(10)) {
        case 0: a.insert(a.end(), {"--date", Pick(kDates)}); break;
        case 1: a.insert(a.end(), {"--time", Pick(kTimes)}); break;
        case 2: a.insert(a.end(), {"--lat", Pick(kLatitudes)}); break;
        case 3: a.insert(a.end(), {"--lon", Pick(kLongitudes)}); break;
        case 4: a.insert(a.end(), {"--height", Pick(kNumbers)}); break;
        case 5: a.insert(a.end(), {"--pressure", Pick(kNumbers)}); break;
        case 6: a.insert(a.end(), {"--temp", Pick(kNumbers)}); break;
        case 7: a.insert(a.end(), {"--offset", Pick(kNumbers)}); break;
        case 8: a.insert(a.end(), {"--delta", Pick(kNumbers)}); break;
        default: a.push_back("--bc"); break;
      }
    }
    if (Below(3) == 0) a.push_back("--json");
    if (Below(20) == 0) a.push_back("--no-such-option");
    for (auto& argument : a) argument.resize(std::min(argument.size(), kHuge.size()));
    return a;
  }

 private:
  std::mt19937 random_;
};

std::string Shown(const std::vector<std::string>& arguments) {
  std::string text;
  for (const auto& a : arguments) text += " '" + (a.size() > 40 ? a.substr(0, 40) + "...(" + std::to_string(a.size()) + ")" : a) + "'";
  return text;
}

// What every run must be: on time, 0 with numbers only, or 2 with one message.
void ExpectCleanEnd(const ProgramRun& r, const std::string& what) {
  static const std::regex notANumber("\\b(nan|inf|infinity)\\b", std::regex::icase);
  EXPECT_FALSE(r.timedOut) << what;
  EXPECT_LT(r.seconds, kLimit) << what;
  ASSERT_TRUE(r.status == 0 || r.status == 2) << what << "\nstatus " << r.status << "\n" << r.err.substr(0, 2000);
  if (r.status == 0) {
    EXPECT_FALSE(std::regex_search(r.out, notANumber)) << what << "\n" << r.out.substr(0, 2000);
    return;
  }
  EXPECT_TRUE(r.out.empty()) << what;
  EXPECT_FALSE(r.err.empty()) << what;
  // A message for what is wrong (the identification names each wrong box), not a dump.
  EXPECT_LE(std::count(r.err.begin(), r.err.end(), '\n'), 2) << what << "\n" << r.err.substr(0, 2000);
  EXPECT_EQ(r.err.back(), '\n') << what;
  EXPECT_EQ(r.err.find("\n\n"), std::string::npos) << what;
}

TEST(CliProperties, RandomOptionsEndCleanlyWithinASecond) {
  const char* given = std::getenv("ORRELIN_PROPERTY_SEED");
  const unsigned seed = given ? static_cast<unsigned>(std::strtoul(given, nullptr, 10)) : 20261208u;
  const int runs = std::getenv("ORRELIN_PROPERTY_RUNS") ? std::atoi(std::getenv("ORRELIN_PROPERTY_RUNS")) : 400;
  Generator generate(seed);
  TempFolder config;
  for (int i = 0; i < runs; ++i) {
    std::vector<std::string> arguments = generate.Arguments();
    const std::string what = "seed " + std::to_string(seed) + ", run " + std::to_string(i) + ":" + Shown(arguments);
    arguments.insert(arguments.begin(), ORRELIN_CLI_PATH);
    ExpectCleanEnd(orrelin::testing::RunProgram(arguments, config.Path(), kLimit * 2), what);
    if (::testing::Test::HasFailure()) break;  // the first failure, with its seed and run, is enough
  }
}

TEST(CliProperties, DamagedFilesInTheSettingsFolderEndCleanly) {
  const std::filesystem::path damaged = ORRELIN_TEST_DATA_DIR "/damaged";
  for (const auto& entry : std::filesystem::directory_iterator(damaged)) {
    const std::string name = entry.path().filename().string();
    const char* target = name.rfind("settings-", 0) == 0 ? "settings.ini"
                         : name.rfind("stars-", 0) == 0  ? "Mstars.dat"
                         : name.rfind("places-", 0) == 0 ? "Position.txt"
                                                         : nullptr;
    if (target == nullptr) continue;
    TempFolder config;
    const auto folder = config.Path() / "Tarvek" / "Orrelin";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(entry.path(), folder / target);
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"report", "sun"}, {"report", "star", "Vega"}, {"identify", "--hs", "35", "--zn", "120"},
          {"places"}, {"stars", "--json"}, {"report", "moon", "--place", "Helsinki"}}) {
      std::vector<std::string> arguments = command;
      arguments.insert(arguments.begin(), ORRELIN_CLI_PATH);
      const ProgramRun r = orrelin::testing::RunProgram(arguments, config.Path(), kLimit * 2);
      const std::string what = name + ":" + Shown(command);
      // Damage is told on the error output, the result (when there is one) follows.
      EXPECT_FALSE(r.timedOut) << what;
      ASSERT_TRUE(r.status == 0 || r.status == 2) << what << "\n" << r.err;
      if (r.status == 2) {
        EXPECT_FALSE(r.err.empty()) << what;
      }
    }
  }
}

}  // namespace
