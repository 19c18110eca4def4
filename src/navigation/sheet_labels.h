#pragma once
// Labels on the plotting sheet where no line and no other label or mark is: the
// candidate places around a mark and beside a line, and the labeller that takes the
// first free one.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "navigation/sheet_geometry.h"

namespace orrelin::navigation::sheet {

// Places labels where no line and no other label or mark is.
class Labeller {
 public:
  void AvoidSegment(SheetPoint a, SheetPoint b) { segments_.emplace_back(a, b); }
  void AvoidBox(const SheetBox& box) { boxes_.push_back(box); }

  // The first of the candidates that is free, else the first that lies within.
  SheetItem Place(const std::vector<SheetItem>& candidates, const SheetBox& within) {
    const SheetItem* chosen = nullptr;
    for (const SheetItem& c : candidates) {
      if (!Within(TextBox(c), within)) continue;
      if (chosen == nullptr) chosen = &c;
      if (Free(TextBox(c))) {
        chosen = &c;
        break;
      }
    }
    SheetItem placed = chosen != nullptr ? *chosen : candidates.front();
    boxes_.push_back(TextBox(placed));
    return placed;
  }

 private:
  bool Free(const SheetBox& box) const {
    const SheetBox clear = Grown(box, 0.4);
    for (const auto& [a, b] : segments_) {
      if (Clip(a, b, clear)) return false;
    }
    return std::none_of(boxes_.begin(), boxes_.end(), [&clear](const SheetBox& b) { return Overlap(clear, b); });
  }

  std::vector<std::pair<SheetPoint, SheetPoint>> segments_;
  std::vector<SheetBox> boxes_;
};

// Candidates around a mark of the radius: right, above-right, above, ... at a small gap.
std::vector<SheetItem> AroundMark(SheetPoint at, double radius, const std::string& text, double size);
// Candidates beside a line a-b, on either side, nearer its ends first.
std::vector<SheetItem> BesideLine(SheetPoint a, SheetPoint b, const std::string& text, double size);

}  // namespace orrelin::navigation::sheet
