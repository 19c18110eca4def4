#pragma once
// Taking separated lines apart.
#include <string>

namespace orrelin {

// The Nth field (0-based) of text split at sep; empty beyond the last field.
std::string ExtractField(const std::string& text, const std::string& sep, int n);
// Field N, or fields N..M joined by the separator (M = 0, or M <= N: field N only).
std::string ExtractFields(const std::string& text, const std::string& sep, int n, int m);
// A to Z and the capitals Å, Ä, Ö, Ü lower-cased; everything else unchanged.
std::string LowerCaseText(const std::string& text);

}  // namespace orrelin
