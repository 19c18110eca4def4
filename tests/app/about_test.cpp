#include "app/about.h"

#include <gtest/gtest.h>

namespace orrelin {
namespace {

TEST(About, VersionAndLinks) {
  EXPECT_EQ(VersionText(1, 2, 3, 4), "Version: 1.2.3.4");
  EXPECT_EQ(VersionText(10, 0, 0, 250), "Version: 10.0.0.250");
  EXPECT_EQ(ProgramVersionText(), "Version: 0.2.0.0");
  EXPECT_EQ(LinkTarget("  someone@example.org ", true), "mailto:someone@example.org");
  EXPECT_EQ(LinkTarget("\thttps://example.org/  ", false), "https://example.org/");
}

}  // namespace
}  // namespace orrelin
