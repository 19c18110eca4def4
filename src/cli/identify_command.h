#pragma once
// The command line's identification: the sight as typed into the identification
// window, the window's texts as text or JSON.
#include <optional>
#include <string>
#include <vector>

#include "identify/identification.h"

namespace orrelin::cli {

// "--hs 35 20.5" as the two boxes of the sextant altitude; the minutes may be left out.
IdentifySight SightOf(const std::string& sextantAltitude, const std::string& azimuth, const std::string& limit);

// The observed panel and the panels shown, best first, aligned.
std::string IdentifyText(const IdentifyResult& result);
// {"observed": {...}, "candidates": [{...}, ...], "messages": [...]}
std::string IdentifyJson(const IdentifyResult& result, const std::vector<std::string>& messages);

}  // namespace orrelin::cli
