#include "navigation/sheet_grid.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include "core/angles.h"
#include "core/numbers.h"

namespace orrelin::navigation::sheet {

namespace {

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

}  // namespace

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

}  // namespace orrelin::navigation::sheet
