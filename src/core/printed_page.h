#pragma once
// A printout laid out as logic: texts at printer positions, page by page. The window
// layer draws them; tests check the layout without a printer.
#include <string>
#include <vector>

namespace orrelin {

struct PrintedText {
  int x = 0, y = 0;  // the text's top-left, in printer pixels
  int pointSize = 10;
  std::string text;
};
struct PrintedPage {
  std::vector<PrintedText> texts;
};

}  // namespace orrelin
