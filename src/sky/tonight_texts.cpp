#include "sky/tonight_texts.h"

#include "core/angle_text.h"
#include "core/numbers.h"
#include "sky/text_column.h"

namespace orrelin::sky {

std::optional<Darkness> DarknessNamed(const std::string& word) {
  if (word == "nautical") return Darkness::kNautical;
  if (word == "astronomical") return Darkness::kAstronomical;
  return std::nullopt;
}

TonightInput TonightInputFor(const Observer& observer, double dayJulianDayUt, const TonightChoice& choice,
                             const StarCatalogue& catalogue, const UtcMinusLocalAt& utcMinusLocal) {
  TonightInput in;
  in.observer = observer;
  in.dayJulianDayUt = dayJulianDayUt;
  in.darkness = choice.darkness;
  in.minimumAltitude = choice.minimumAltitude;
  in.magnitudeLimit = choice.magnitudeLimit;
  in.stars = CatalogueStarsTo(catalogue, choice.magnitudeLimit);
  in.utcMinusLocal = utcMinusLocal;
  return in;
}

TonightCells CellsOf(const TonightBody& b, const UtcMinusLocalAt& utcMinusLocal) {
  const auto local = [&](double jd) { return LocalClockText(utcMinusLocal, jd); };
  TonightCells cells;
  cells.name = b.name;
  if (b.magnitude) cells.magnitude = FixedText(*b.magnitude, 1);
  if (b.illuminated) cells.magnitude = FixedText(*b.illuminated, 0) + "%";
  cells.above = local(b.aboveFromJulianDayUt) + "-" + local(b.aboveToJulianDayUt);
  if (b.transitJulianDayUt) cells.transit = local(*b.transitJulianDayUt);
  cells.altitude = FixedText(b.transitAltitude, 1) + kDegreeSign;
  cells.best = local(b.bestJulianDayUt);
  if (b.stays == TonightBody::Stays::kNeverSets) cells.stays = "never sets";
  return cells;
}

std::string DarkHoursText(const TonightList& list, const UtcMinusLocalAt& utcMinusLocal) {
  if (!list.darkFromJulianDayUt) return "";
  return "Dark from " + LocalMinuteText(utcMinusLocal, *list.darkFromJulianDayUt) + " to " +
         LocalMinuteText(utcMinusLocal, *list.darkToJulianDayUt) + " local time";
}

std::string TonightText(const TonightList& list, const UtcMinusLocalAt& utcMinusLocal) {
  if (!list.darkFromJulianDayUt) return "";
  std::string out = DarkHoursText(list, utcMinusLocal) + "\n\n";
  out += TextColumn("Body", 16) + TextColumn("Mag", 7) + TextColumn("Above", 15) + TextColumn("Transit", 9) +
         TextColumn("Alt", 8) + "Best\n";
  for (const TonightBody& b : list.bodies) {
    const TonightCells c = CellsOf(b, utcMinusLocal);
    // The degree sign is two bytes: nine of them are eight columns.
    out += TextColumn(c.name, 16) + TextColumn(c.magnitude, 7) + TextColumn(c.above, 15) + TextColumn(c.transit, 9) +
           TextColumn(c.altitude, 9) + c.best + (c.stays.empty() ? "" : "  " + c.stays) + "\n";
  }
  return out;
}

std::vector<std::string> TonightMessages(const TonightList& list, const std::string& catalogueMessage) {
  std::vector<std::string> messages;
  if (!catalogueMessage.empty()) messages.push_back(catalogueMessage);
  messages.insert(messages.end(), list.messages.begin(), list.messages.end());
  for (const TonightBody& b : list.bodies) {
    if (b.illuminated) messages.push_back(b.name + ": " + FixedText(*b.illuminated, 1) + "% illuminated");
  }
  return messages;
}

}  // namespace orrelin::sky
