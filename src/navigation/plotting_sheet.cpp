#include "navigation/plotting_sheet.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "core/angles.h"
#include "core/numbers.h"
#include "navigation/sights_file.h"

namespace orrelin::navigation {

namespace {

constexpr SheetBox kFrame = kSheetFrame;
constexpr double kLabelInset = 3.0;       // millimetres between a label and the frame (its ticks are shorter)
constexpr double kCharacterWidth = 0.62;  // of the font's size: DejaVu Sans' digits take 0.64, its text less
constexpr double kGridSpacing = 25.0;     // millimetres at least between grid lines
constexpr double kTickSpacing = 1.2;      // millimetres at least between ticks
constexpr double kGridTextSize = 2.4;

// Nautical miles north and east of the assumed position.
struct Miles {
  double north = 0.0, east = 0.0;
};

Miles MilesFrom(const GeoPosition& assumed, const GeoPosition& p) {
  return {(p.latitude - assumed.latitude) * 60.0,
          (p.longitude - assumed.longitude) * 60.0 * CosDeg((p.latitude + assumed.latitude) / 2.0)};
}

// A scale of 1, 2 or 5 times a power of ten miles per centimetre that holds the extent.
double NiceScale(double milesAcross) {
  const double side = std::min(kFrame.right - kFrame.left, kFrame.bottom - kFrame.top);
  const double perCentimetre = std::max(milesAcross, 0.5) / (side / 10.0);
  const double power = std::pow(10.0, std::floor(std::log10(perCentimetre)));
  for (double step : {1.0, 2.0, 5.0, 10.0}) {
    if (step * power >= perCentimetre) return step * power / 10.0;
  }
  return power;
}

class Sheet {
 public:
  Sheet(double milesPerMillimetre, Miles centre) : scale_(milesPerMillimetre), centre_(centre) {}
  SheetPoint At(Miles m) const {
    return {kCentreX + (m.east - centre_.east) / scale_, kCentreY - (m.north - centre_.north) / scale_};
  }
  Miles MilesAt(SheetPoint p) const {
    return {centre_.north - (p.y - kCentreY) * scale_, centre_.east + (p.x - kCentreX) * scale_};
  }
  double Scale() const { return scale_; }

 private:
  static constexpr double kCentreX = (kFrame.left + kFrame.right) / 2, kCentreY = (kFrame.top + kFrame.bottom) / 2;
  double scale_;
  Miles centre_;
};

Miles Along(Miles from, double bearing, double miles) {
  return {from.north + miles * CosDeg(bearing), from.east + miles * SinDeg(bearing)};
}

std::size_t CharacterCount(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a UTF-8 continuation byte
  }));
}

SheetItem Text(SheetPoint at, const std::string& text, double size) {
  SheetItem t;
  t.kind = SheetItem::Kind::kText;
  t.from = at;
  t.text = text;
  t.textSize = size;
  t.textWidth = kCharacterWidth * size * static_cast<double>(CharacterCount(text));
  return t;
}

SheetItem Segment(SheetPoint from, SheetPoint to, double width, SheetItem::Tone tone,
                  SheetItem::Role role = SheetItem::Role::kOther) {
  SheetItem l;
  l.kind = SheetItem::Kind::kLine;
  l.from = from;
  l.to = to;
  l.width = width;
  l.tone = tone;
  l.role = role;
  return l;
}

// The part of the segment a-b inside the box, as parameters 0..1 (Liang and Barsky).
std::optional<std::pair<double, double>> Clip(SheetPoint a, SheetPoint b, const SheetBox& box) {
  double t0 = 0.0, t1 = 1.0;
  const double dx = b.x - a.x, dy = b.y - a.y;
  const std::array<std::pair<double, double>, 4> sides{{{-dx, a.x - box.left},
                                                        {dx, box.right - a.x},
                                                        {-dy, a.y - box.top},
                                                        {dy, box.bottom - a.y}}};
  for (const auto& [p, q] : sides) {
    if (p == 0.0) {
      if (q < 0.0) return std::nullopt;
      continue;
    }
    const double t = q / p;
    if (p < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
  }
  return std::make_pair(t0, t1);
}

SheetPoint Between(SheetPoint a, SheetPoint b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

SheetBox Grown(const SheetBox& b, double by) { return {b.left - by, b.top - by, b.right + by, b.bottom + by}; }

bool Overlap(const SheetBox& a, const SheetBox& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Within(const SheetBox& inner, const SheetBox& outer) {
  return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top && inner.bottom <= outer.bottom;
}

// A text whose box has its centre at the point.
SheetItem CentredText(SheetPoint centre, const std::string& text, double size) {
  SheetItem t = Text({}, text, size);
  const SheetBox b = TextBox(t);
  t.from = {centre.x - t.textWidth / 2, centre.y + (b.bottom - b.top) / 2 - 0.25 * size};
  return t;
}

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
std::vector<SheetItem> AroundMark(SheetPoint at, double radius, const std::string& text, double size) {
  std::vector<SheetItem> out;
  const SheetItem probe = Text({}, text, size);
  const SheetBox b = TextBox(probe);
  const double hx = (b.right - b.left) / 2, hy = (b.bottom - b.top) / 2;
  for (double gap : {1.0, 4.0, 9.0}) {
    for (double bearing : {45.0, 135.0, 315.0, 225.0, 90.0, 270.0, 0.0, 180.0}) {
      const double dx = SinDeg(bearing), dy = -CosDeg(bearing);
      const double reach = radius + gap + hx * std::fabs(dx) + hy * std::fabs(dy);
      out.push_back(CentredText({at.x + dx * reach, at.y + dy * reach}, text, size));
    }
  }
  return out;
}

// Candidates beside a line a-b, on either side, nearer its ends first.
std::vector<SheetItem> BesideLine(SheetPoint a, SheetPoint b, const std::string& text, double size) {
  std::vector<SheetItem> out;
  const double length = std::hypot(b.x - a.x, b.y - a.y);
  if (length <= 0) return {Text(a, text, size)};
  const double nx = -(b.y - a.y) / length, ny = (b.x - a.x) / length;
  const SheetBox box = TextBox(Text({}, text, size));
  const double reach = (box.right - box.left) / 2 * std::fabs(nx) + (box.bottom - box.top) / 2 * std::fabs(ny) + 1.0;
  for (double f : {0.15, 0.85, 0.28, 0.72, 0.06, 0.94, 0.4, 0.6, 0.5}) {
    const SheetPoint p = Between(a, b, f);
    for (double side : {1.0, -1.0}) out.push_back(CentredText({p.x + side * nx * reach, p.y + side * ny * reach}, text, size));
  }
  return out;
}

// "35° 30' N": a grid line's latitude or longitude, tenths of a minute when the grid needs them.
std::string GridText(double degrees, char positive, char negative, bool tenths) {
  const double minutes = std::round(std::fabs(degrees) * 60.0 * (tenths ? 10.0 : 1.0)) / (tenths ? 10.0 : 1.0);
  const long long whole = static_cast<long long>(std::floor(minutes / 60.0 + 1e-9));
  const double rest = minutes - 60.0 * static_cast<double>(whole);
  std::string m = tenths ? FixedText(rest, 1) : WholeText(static_cast<long long>(std::llround(rest)));
  if (rest < 9.95 && m.size() < (tenths ? 4u : 2u)) m = "0" + m;
  const char hemisphere = minutes == 0 ? ' ' : degrees < 0 ? negative : positive;
  std::string text = WholeText(whole) + "\xC2\xB0 " + m + "'";
  if (hemisphere != ' ') text += std::string(" ") + hemisphere;
  return text;
}

// The smallest of the steps (minutes of arc) that is at least `least` millimetres long.
double StepOf(std::initializer_list<double> steps, double millimetresPerMinute, double least) {
  for (double s : steps) {
    if (s * millimetresPerMinute >= least) return s;
  }
  return *(steps.end() - 1);
}

// Whether a multiple of the step (in minutes) is also one of the coarser step.
bool MultipleOf(double minutes, double step) {
  const double n = minutes / step;
  return std::fabs(n - std::round(n)) < 1e-6;
}

// The latitude and longitude grid in the frame, the frame with its minute ticks, and the
// grid's labels in the margins.
void AddGrid(std::vector<SheetItem>& items, const Sheet& sheet, const GeoPosition& assumed) {
  using Tone = SheetItem::Tone;
  using Role = SheetItem::Role;
  auto latitudeAt = [&](double y) { return assumed.latitude + sheet.MilesAt({0, y}).north / 60.0; };
  auto pointOf = [&](double latitude, double longitude) {
    return sheet.At(MilesFrom(assumed, {latitude, longitude}));
  };
  auto longitudeAt = [&](SheetPoint p) {
    const double latitude = latitudeAt(p.y);
    return assumed.longitude + sheet.MilesAt(p).east / (60.0 * CosDeg((latitude + assumed.latitude) / 2.0));
  };
  const double top = latitudeAt(kFrame.top), bottom = latitudeAt(kFrame.bottom);
  const double perMinute = 1.0 / sheet.Scale();  // millimetres per minute of latitude
  const double perMinuteEast = perMinute * CosDeg((top + bottom) / 2.0);
  const double latitudeStep = StepOf({1, 2, 5, 10, 20, 30, 60, 120, 300, 600}, perMinute, kGridSpacing);
  const double longitudeStep = StepOf({1, 2, 5, 10, 20, 30, 60, 120, 300, 600}, perMinuteEast, kGridSpacing);
  // Ticks at whole minutes, or at a round number of them where minutes would crowd.
  const double latitudeTick = StepOf({1, 2, 5, 10, 30, 60}, perMinute, kTickSpacing);
  const double longitudeTick = StepOf({1, 2, 5, 10, 30, 60}, perMinuteEast, kTickSpacing);
  const double west = std::min(longitudeAt({kFrame.left, kFrame.top}), longitudeAt({kFrame.left, kFrame.bottom}));
  const double east = std::max(longitudeAt({kFrame.right, kFrame.top}), longitudeAt({kFrame.right, kFrame.bottom}));

  // Parallels and their ticks on the left and right edges.
  for (double m = std::ceil(bottom * 60.0 / latitudeTick) * latitudeTick; m <= top * 60.0; m += latitudeTick) {
    const double y = pointOf(m / 60.0, assumed.longitude).y;
    const bool gridLine = MultipleOf(m, latitudeStep);
    const double length = gridLine || MultipleOf(m, 5 * latitudeTick) ? 2.2 : 1.2;
    items.push_back(Segment({kFrame.left, y}, {kFrame.left + length, y}, 0.2, Tone::kInk, Role::kGrid));
    items.push_back(Segment({kFrame.right - length, y}, {kFrame.right, y}, 0.2, Tone::kInk, Role::kGrid));
    if (!gridLine) continue;
    items.push_back(Segment({kFrame.left, y}, {kFrame.right, y}, 0.15, Tone::kFaint, Role::kGrid));
    SheetItem label = Text({}, GridText(m / 60.0, 'N', 'S', latitudeStep < 1), kGridTextSize);
    label.from = {kFrame.left - 1.5 - label.textWidth, y + 0.275 * kGridTextSize};
    items.push_back(label);
  }
  // Meridians (a little slanted: a minute of longitude shortens toward the pole) and
  // their ticks on the top and bottom edges.
  const double frameTop = top, frameBottom = bottom;
  for (double m = std::ceil(west * 60.0 / longitudeTick) * longitudeTick; m <= east * 60.0; m += longitudeTick) {
    const double longitude = m / 60.0;
    const SheetPoint a = pointOf(frameTop, longitude), b = pointOf(frameBottom, longitude);
    const bool gridLine = MultipleOf(m, longitudeStep);
    const double length = gridLine || MultipleOf(m, 5 * longitudeTick) ? 2.2 : 1.2;
    if (a.x >= kFrame.left && a.x <= kFrame.right) {
      items.push_back(Segment({a.x, kFrame.top}, {a.x, kFrame.top + length}, 0.2, Tone::kInk, Role::kGrid));
    }
    if (b.x >= kFrame.left && b.x <= kFrame.right) {
      items.push_back(Segment({b.x, kFrame.bottom - length}, {b.x, kFrame.bottom}, 0.2, Tone::kInk, Role::kGrid));
    }
    if (!gridLine) continue;
    if (const auto part = Clip(a, b, kFrame)) {
      items.push_back(Segment(Between(a, b, part->first), Between(a, b, part->second), 0.15, Tone::kFaint, Role::kGrid));
    }
    if (b.x < kFrame.left || b.x > kFrame.right) continue;
    double shown = longitude;
    if (shown > 180) shown -= 360;
    if (shown <= -180) shown += 360;
    SheetItem label = Text({}, GridText(shown, 'E', 'W', longitudeStep < 1), kGridTextSize);
    label.from = {std::clamp(b.x - label.textWidth / 2, 0.5, kSheetSize - 0.5 - label.textWidth), kFrame.bottom + 4.5};
    items.push_back(label);
  }
  // The frame.
  const SheetPoint corners[] = {{kFrame.left, kFrame.top}, {kFrame.right, kFrame.top}, {kFrame.right, kFrame.bottom},
                                {kFrame.left, kFrame.bottom}};
  for (int i = 0; i < 4; ++i) items.push_back(Segment(corners[i], corners[(i + 1) % 4], 0.35, Tone::kInk));
}

void AddScaleAndNorth(std::vector<SheetItem>& items, double milesPerMillimetre) {
  // A bar of a round number of miles (1, 2 or 5 times a power of ten), at most 40 mm long.
  const double most = 40.0 * milesPerMillimetre;
  const double power = std::pow(10.0, std::floor(std::log10(most)));
  const double miles = most >= 5 * power ? 5 * power : most >= 2 * power ? 2 * power : power;
  const double length = miles / milesPerMillimetre;
  const double y = kFrame.bottom + 13.0;
  items.push_back(Segment({kFrame.left, y}, {kFrame.left + length, y}, 0.5, SheetItem::Tone::kInk));
  for (double x : {kFrame.left, kFrame.left + length}) {
    items.push_back(Segment({x, y - 2.0}, {x, y + 2.0}, 0.3, SheetItem::Tone::kInk));
  }
  items.push_back(Text({kFrame.left + length + 2.0, y + 1.0}, ShortestText(miles) + " nm", 3.0));
  // North, in the right margin.
  const double x = (kFrame.right + kSheetSize) / 2;
  SheetItem north;
  north.kind = SheetItem::Kind::kArrow;
  north.from = {x, kFrame.top + 28.0};
  north.to = {x, kFrame.top + 10.0};
  north.width = 0.5;
  items.push_back(north);
  items.push_back(CentredText({x, kFrame.top + 6.0}, "N", 3.0));
}

}  // namespace

SheetBox TextBox(const SheetItem& t) {
  return {t.from.x, t.from.y - 0.8 * t.textSize, t.from.x + t.textWidth, t.from.y + 0.25 * t.textSize};
}

SheetColour ToneColour(SheetItem::Tone tone) {
  switch (tone) {
    case SheetItem::Tone::kInk: return {0, 0, 0};
    case SheetItem::Tone::kLine: return {0, 64, 166};
    case SheetItem::Tone::kFix: return {204, 0, 0};
    case SheetItem::Tone::kFaint: return {115, 115, 115};
  }
  return {0, 0, 0};
}

std::array<std::pair<SheetPoint, SheetPoint>, 2> ArrowHead(const SheetItem& arrow) {
  const double angle = std::atan2(arrow.to.y - arrow.from.y, arrow.to.x - arrow.from.x);
  std::array<std::pair<SheetPoint, SheetPoint>, 2> head;
  int i = 0;
  for (double side : {-0.45, 0.45}) {
    head[i++] = {arrow.to, {arrow.to.x - 2.5 * std::cos(angle + side), arrow.to.y - 2.5 * std::sin(angle + side)}};
  }
  return head;
}

PlottingSheet DrawPlottingSheet(const Fix& fix, const GeoPosition& assumed) {
  using Tone = SheetItem::Tone;
  const Miles fixed = MilesFrom(assumed, fix.position);
  // What must be on the sheet: the assumed position, the fix, each intercept's foot.
  double north0 = std::min(0.0, fixed.north), north1 = std::max(0.0, fixed.north);
  double east0 = std::min(0.0, fixed.east), east1 = std::max(0.0, fixed.east);
  for (const FixLine& l : fix.lines) {
    const Miles foot = Along({}, l.azimuth, l.intercept);
    north0 = std::min(north0, foot.north);
    north1 = std::max(north1, foot.north);
    east0 = std::min(east0, foot.east);
    east1 = std::max(east1, foot.east);
  }
  const double across = std::max(north1 - north0, east1 - east0) * 1.3;
  PlottingSheet sheet;
  sheet.milesPerMillimetre = NiceScale(across);
  const Sheet s(sheet.milesPerMillimetre, {(north0 + north1) / 2, (east0 + east1) / 2});
  std::vector<SheetItem>& items = sheet.items;
  AddGrid(items, s, assumed);

  Labeller labels;
  const SheetBox inside = Grown(kFrame, -kLabelInset);
  // Each line of position across the whole frame: through its intercept's foot, on
  // through the fix and beyond, with its azimuth arrow from the assumed position.
  struct Labelled {
    SheetPoint a, b;
    std::string text;
  };
  std::vector<Labelled> lineLabels;
  for (const FixLine& l : fix.lines) {
    // The line as it runs near the fix (its residual off it, square to the azimuth there):
    // far from the assumed position the line plotted from it would pass the fix by the
    // curve of the circle of equal altitude.
    const Miles foot = Along(fixed, l.azimuthAtFix, l.residual);
    // The intercept from the assumed position along its azimuth, to where it meets the line.
    const double toward = CosDeg(l.azimuth - l.azimuthAtFix);
    const double intercept = std::fabs(toward) > 0.5 ? (foot.north * CosDeg(l.azimuthAtFix) + foot.east * SinDeg(l.azimuthAtFix)) / toward
                                                     : l.intercept;
    SheetItem arrow;
    arrow.kind = SheetItem::Kind::kArrow;
    arrow.from = s.At({});
    arrow.to = s.At(Along({}, l.azimuth, std::max(std::fabs(intercept), 4.0 * s.Scale()) * (intercept >= 0 ? 1.0 : -1.0)));
    arrow.width = 0.25;
    arrow.dashed = true;
    arrow.tone = Tone::kFaint;
    items.push_back(arrow);
    labels.AvoidSegment(arrow.from, arrow.to);
    for (const auto& [a, b] : ArrowHead(arrow)) labels.AvoidSegment(a, b);

    const double reach = 2.0 * kSheetSize * s.Scale();  // farther than the sheet is wide
    const SheetPoint a = s.At(Along(foot, l.azimuthAtFix + 90.0, reach)), b = s.At(Along(foot, l.azimuthAtFix - 90.0, reach));
    const auto part = Clip(a, b, kFrame);
    if (!part) continue;
    const SheetPoint from = Between(a, b, part->first), to = Between(a, b, part->second);
    items.push_back(Segment(from, to, 0.4, Tone::kLine, SheetItem::Role::kLineOfPosition));
    labels.AvoidSegment(from, to);
    lineLabels.push_back({from, to,
                          l.body + " " + FixedText(std::fabs(l.intercept), 1) + (l.intercept >= 0 ? " T " : " A ") +
                              FixedText(l.azimuth, 0) + "\xC2\xB0"});
  }

  SheetItem ap;
  ap.kind = SheetItem::Kind::kCircle;
  ap.from = s.At({});
  ap.radius = 1.2;
  items.push_back(ap);
  labels.AvoidBox(Grown({ap.from.x, ap.from.y, ap.from.x, ap.from.y}, ap.radius + 0.3));
  const SheetPoint fixAt = s.At(fixed);
  double fixRadius = 2.5;
  if (fix.ellipse) {
    SheetItem e;
    e.kind = SheetItem::Kind::kEllipse;
    e.from = fixAt;
    e.radius = std::max(fix.ellipse->major / sheet.milesPerMillimetre, 0.4);
    e.minorRadius = std::max(fix.ellipse->minor / sheet.milesPerMillimetre, 0.4);
    e.angle = fix.ellipse->orientation;
    e.tone = Tone::kFix;
    items.push_back(e);
    fixRadius = std::max(fixRadius, e.radius);
  }
  SheetItem dot;
  dot.kind = SheetItem::Kind::kDot;
  dot.from = fixAt;
  dot.radius = 1.0;
  dot.tone = Tone::kFix;
  items.push_back(dot);
  SheetItem ring = dot;
  ring.kind = SheetItem::Kind::kCircle;
  ring.radius = 2.5;
  items.push_back(ring);
  labels.AvoidBox(Grown({fixAt.x, fixAt.y, fixAt.x, fixAt.y}, fixRadius + 0.3));

  // The labels last, each where it covers no line and no other label.
  items.push_back(labels.Place(AroundMark(fixAt, fixRadius, "Fix " + PositionText(fix.position), 3.2), inside));
  items.push_back(labels.Place(AroundMark(ap.from, ap.radius, "AP " + PositionText(assumed), 2.6), inside));
  for (const Labelled& l : lineLabels) items.push_back(labels.Place(BesideLine(l.a, l.b, l.text, 3.0), inside));
  AddScaleAndNorth(items, sheet.milesPerMillimetre);
  return sheet;
}

}  // namespace orrelin::navigation
