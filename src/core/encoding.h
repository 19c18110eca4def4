#pragma once
// Text is UTF-8 inside the program; the star catalogue and older text files hold
// single-byte Windows-1252.
#include <string>
#include <string_view>

namespace orrelin {

bool IsValidUtf8(std::string_view text);
std::string Windows1252ToUtf8(std::string_view text);
// A UTF-8 text in Windows-1252; characters it has no byte for become "?".
std::string Utf8ToWindows1252(std::string_view text);
// The text itself when it is valid UTF-8, else its Windows-1252 reading.
std::string AsUtf8(std::string_view text);
// Cuts a UTF-8 text to at most n characters (not bytes).
std::string CutToCharacters(std::string_view text, std::size_t n);
// A typed text as a message quotes it: at most n characters of it, then "..." where
// it was cut (a pasted page must not become a page of message).
std::string QuotedText(std::string_view text, std::size_t n);

}  // namespace orrelin
