#pragma once
// Taking separated lines apart.
#include <string>
#include <vector>

namespace orrelin {

// The Nth field (0-based) of text split at sep; empty beyond the last field.
std::string ExtractField(const std::string& text, const std::string& sep, int n);
// Field N, or fields N..M joined by the separator (M = 0, or M <= N: field N only).
std::string ExtractFields(const std::string& text, const std::string& sep, int n, int m);
// The words of a text, split at blanks (several blanks count as one).
std::vector<std::string> SplitAtBlanks(const std::string& text);
// A to Z and the capitals Å, Ä, Ö, Ü lower-cased; everything else unchanged.
std::string LowerCaseText(const std::string& text);

}  // namespace orrelin
