#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  // The comma-locale runs are worthless if the locale did not take: fail them loudly.
  if (std::getenv("ORRELIN_REQUIRE_COMMA_LOCALE") != nullptr &&
      std::strcmp(std::localeconv()->decimal_point, ",") != 0) {
    std::fprintf(stderr, "The comma-decimal locale is not installed (LC_ALL=%s)\n", std::getenv("LC_ALL"));
    return 1;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
