#pragma once
// The command line's identification: the sight as typed into the identification
// window, the window's texts as text or JSON.
#include <optional>
#include <string>
#include <vector>

#include "identify/identify_form.h"

namespace orrelin::cli {

// "--hs 35 20.5" as the two boxes of the sextant altitude; the minutes may be left out.
TIdentifyForm SightOf(const std::string& sextantAltitude, const std::string& azimuth, const std::string& limit);

// The observed panel and the panels shown, best first, aligned.
std::string IdentifyText(const TIdentifyForm& form);
// {"observed": {...}, "candidates": [{...}, ...], "messages": [...]}
std::string IdentifyJson(const TIdentifyForm& form, const std::vector<std::string>& messages);

}  // namespace orrelin::cli
