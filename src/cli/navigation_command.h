#pragma once
// "orrelin-cli sight" and "orrelin-cli fix": a sight reduced to its line of position,
// and the fix from a file of sights, as text or JSON.
#include <string>
#include <vector>

#include "navigation/fix.h"
#include "navigation/robust_fix.h"
#include "navigation/sight_series.h"
#include "navigation/sight_reduction.h"
#include "navigation/sight_texts.h"

namespace orrelin::cli {

// The texts (navigation/sight_texts.h) are the Sights window's too; the JSON is the
// command line's own.

// What looks wrong in a reduction that still reduces: Hc below the horizon, an intercept
// over 60'. The text says them on the error output, the JSON in "warnings".
std::vector<std::string> SightWarnings(const navigation::SightReduction& reduction);
std::string SightJson(const navigation::Sight& sight, const navigation::SightReduction& reduction,
                      const std::vector<std::string>& warnings);
// The messages are those the text output says on the error output.
// With four lines or more, "suspect" (the suspect lines' line numbers in the sights
// file) and "robust_fix" follow.
std::string FixJson(const navigation::CheckedFix& checked, const std::vector<int>& lineNumbers,
                    const navigation::GeoPosition& assumed, const std::vector<std::string>& messages);

// One series of a sights file: its sights and their line numbers, in time order.
struct FileSeries {
  std::vector<navigation::Sight> sights;
  std::vector<int> lineNumbers;
  navigation::SightSeries series;
};
// {"bodies": [{"name", "n", "intercept_min", "spread_min", "flagged", "representative",
// "meridian"}]}: the sights by their line numbers.
std::string SeriesJson(const std::vector<FileSeries>& series);

}  // namespace orrelin::cli
