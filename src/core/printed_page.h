#pragma once
// A printout laid out as logic: texts at printer positions, page by page. The window
// layer draws them; tests check the layout without a printer.
#include <functional>
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

// The printable rectangle of a page in the printer's own pixels (its top-left is 0, 0),
// and how many of those pixels make an inch.
struct PageArea {
  int width = 0, height = 0;
  int dpi = 300;
  // A length laid out for a page of 300 pixels to the inch, in this page's pixels.
  int Pixels(int at300Dpi) const { return static_cast<int>((static_cast<long long>(at300Dpi) * dpi + 150) / 300); }
  // The height of a line of text of this many points: 1.2 of its size.
  int LineHeight(int pointSize) const { return (pointSize * 12 * dpi + 719) / 720; }
};

// How wide a text prints at a point size, in the page's pixels. The window layer
// measures with the printer's font.
using TextWidth = std::function<int(const std::string& text, int pointSize)>;

// A monospaced font's measure (0.6 of the size for each character), for layouts made
// without a printer.
inline TextWidth MonospacedTextWidth(const PageArea& area) {
  return [dpi = area.dpi](const std::string& text, int pointSize) {
    long long characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return static_cast<int>((characters * pointSize * 6 * dpi + 719) / 720);
  };
}

// The smallest print a list is shrunk to so that it fits the page.
inline constexpr int kSmallestPrintedSize = 5;

}  // namespace orrelin
