#pragma once
// The daily pages laid out as the nautical almanacs lay them out: a left-hand page of
// Aries, the four navigational planets and the stars, and a right-hand page of the Sun,
// the Moon and the risings and settings; as text lines and as printed pages.
#include <string>
#include <vector>

#include "core/printed_page.h"
#include "daily/daily_pages.h"

namespace orrelin::daily {

std::vector<std::string> LeftPageLines(const DailyPages& pages);
std::vector<std::string> RightPageLines(const DailyPages& pages);
// Both pages, one after the other, for a terminal.
std::string DailyPagesText(const DailyPages& pages);
// The two pages in pixels of a page with `dpi` pixels to the inch: monospaced lines in
// the size that lets the longest line fit the page's width and the lines its height.
std::vector<PrintedPage> DailyPagesPrinted(const DailyPages& pages, int pageWidth, int pageHeight, int dpi = 300);

// The almanacs' forms: "182 05.2", "S22 41.5", "06 19" (hours and minutes), and for a
// phenomenon that does not happen "****" (above all day), "----" (below all day) and
// "////" (twilight all night).
std::string AlmanacGha(double degrees);
std::string AlmanacDeclination(double degrees);
std::string AlmanacTime(double hours);
std::string AlmanacPhenomenon(const Phenomenon& p);

}  // namespace orrelin::daily
