#pragma once
// What a PDF file written by cairo shows, read back without a PDF library: each page's
// size, the fonts its texts use and the texts themselves (through each font's ToUnicode
// map, or Windows-1252 for a font without one), as a PDF viewer would copy them.
#include <zlib.h>

#include <cctype>
#include <charconv>
#include <map>
#include <string>
#include <vector>

#include "core/encoding.h"

namespace orrelin::testing {

struct PdfPage {
  double width = 0.0, height = 0.0;  // points
  std::vector<std::string> fonts;    // the base font of each text, in order
  std::string text;                  // every text shown, one after the other
  double firstX = 0.0, firstY = 0.0; // where the first text starts: points from the top-left
};

namespace pdf_detail {

using Objects = std::map<int, std::string>;

inline Objects ObjectsOf(const std::string& pdf) {
  Objects objects;
  for (std::size_t at = pdf.find(" 0 obj"); at != std::string::npos; at = pdf.find(" 0 obj", at)) {
    std::size_t start = at;
    while (start > 0 && std::isdigit(static_cast<unsigned char>(pdf[start - 1]))) --start;
    const std::size_t end = pdf.find("endobj", at);
    if (start == at || end == std::string::npos) break;
    objects[std::stoi(pdf.substr(start, at - start))] = pdf.substr(at + 6, end - at - 6);
    at = end;
  }
  return objects;
}

inline double NumberAt(const std::string& s, std::size_t& at) {
  while (at < s.size() && std::isspace(static_cast<unsigned char>(s[at]))) ++at;
  double x = 0.0;
  at = static_cast<std::size_t>(std::from_chars(s.data() + at, s.data() + s.size(), x).ptr - s.data());
  return x;
}

// The object number of "/Key N 0 R" in a dictionary, 0 without the key.
inline int Reference(const std::string& body, const std::string& key) {
  std::size_t at = body.find(key + " ");
  if (at == std::string::npos) return 0;
  at += key.size();
  return static_cast<int>(NumberAt(body, at));
}

inline std::string Inflated(const std::string& body) {
  std::size_t start = body.find("stream");
  if (start == std::string::npos) return {};
  start = body.find('\n', start) + 1;
  const std::string packed = body.substr(start, body.rfind("endstream") - start);
  std::string out(1 << 20, '\0');
  uLongf size = static_cast<uLongf>(out.size());
  if (uncompress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(packed.data()),
                 static_cast<uLong>(packed.size())) != Z_OK) {
    return {};
  }
  out.resize(size);
  return out;
}

inline std::string Utf8(unsigned code) {
  std::string s;
  if (code < 0x80) {
    s += static_cast<char>(code);
  } else if (code < 0x800) {
    s += static_cast<char>(0xC0 | code >> 6);
    s += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    s += static_cast<char>(0xE0 | code >> 12);
    s += static_cast<char>(0x80 | (code >> 6 & 0x3F));
    s += static_cast<char>(0x80 | (code & 0x3F));
  }
  return s;
}

inline unsigned Hex(const std::string& digits) { return static_cast<unsigned>(std::stoul(digits, nullptr, 16)); }

struct Font {
  std::string name;
  std::map<unsigned, std::string> unicode;  // code -> UTF-8; empty: Windows-1252
  std::size_t codeBytes = 1;
};

// The <code> <UTF-16BE> pairs of a ToUnicode map's bfchar sections (cairo writes no
// ranges), and how many bytes a code takes.
inline std::map<unsigned, std::string> UnicodeMap(const std::string& cmap, std::size_t& codeBytes) {
  std::map<unsigned, std::string> map;
  const std::size_t space = cmap.find('<', cmap.find("begincodespacerange"));
  codeBytes = (cmap.find('>', space) - space - 1) / 2;
  for (std::size_t at = cmap.find("beginbfchar"); at != std::string::npos; at = cmap.find("beginbfchar", at)) {
    const std::size_t end = cmap.find("endbfchar", at);
    for (std::size_t open = cmap.find('<', at); open < end; open = cmap.find('<', open)) {
      const std::size_t close = cmap.find('>', open), open2 = cmap.find('<', close), close2 = cmap.find('>', open2);
      const std::string target = cmap.substr(open2 + 1, close2 - open2 - 1);
      std::string text;
      for (std::size_t i = 0; i + 4 <= target.size(); i += 4) text += Utf8(Hex(target.substr(i, 4)));
      map[Hex(cmap.substr(open + 1, close - open - 1))] = text;
      open = close2;
    }
    at = end;
  }
  return map;
}

inline std::string Decoded(const std::string& codes, const Font& font) {
  if (font.unicode.empty()) return Windows1252ToUtf8(codes);
  std::string text;
  for (std::size_t i = 0; i + font.codeBytes <= codes.size(); i += font.codeBytes) {
    unsigned code = 0;
    for (std::size_t b = 0; b < font.codeBytes; ++b) code = code << 8 | static_cast<unsigned char>(codes[i + b]);
    const auto found = font.unicode.find(code);
    text += found != font.unicode.end() ? found->second : "\xEF\xBF\xBD";
  }
  return text;
}

// The bytes of a literal string "(...)" that starts at `at`, which ends past it.
inline std::string LiteralString(const std::string& s, std::size_t& at) {
  std::string bytes;
  int depth = 0;
  for (++at; at < s.size(); ++at) {
    char c = s[at];
    if (c == '\\') {
      c = s[++at];
      if (c >= '0' && c <= '7') {
        int value = 0;
        for (int n = 0; n < 3 && s[at] >= '0' && s[at] <= '7'; ++n, ++at) value = value * 8 + (s[at] - '0');
        --at;
        c = static_cast<char>(value);
      } else if (c == 'n') {
        c = '\n';
      } else if (c == 'r') {
        c = '\r';
      }
    } else if (c == '(') {
      ++depth;
    } else if (c == ')' && depth-- == 0) {
      ++at;
      break;
    }
    bytes += c;
  }
  return bytes;
}

}  // namespace pdf_detail

inline std::vector<PdfPage> ReadPdf(const std::string& pdf) {
  using namespace pdf_detail;
  const Objects objects = ObjectsOf(pdf);
  std::vector<PdfPage> pages;
  std::string kids;
  for (const auto& [n, body] : objects) {
    if (body.find("/Type /Pages") != std::string::npos) kids = body.substr(body.find("/Kids"));
  }
  for (std::size_t at = kids.find('[') + 1; kids[at] != ']';) {
    const int number = static_cast<int>(NumberAt(kids, at));
    NumberAt(kids, at);  // the generation
    at = kids.find('R', at) + 1;
    while (std::isspace(static_cast<unsigned char>(kids[at]))) ++at;
    const std::string& page = objects.at(number);
    PdfPage p;
    std::size_t box = page.find('[', page.find("/MediaBox")) + 1;
    NumberAt(page, box);
    NumberAt(page, box);
    p.width = NumberAt(page, box);
    p.height = NumberAt(page, box);
    // The page's fonts by their resource names.
    std::map<std::string, Font> fonts;
    const std::string& resources = objects.at(Reference(page, "/Resources"));
    const std::size_t fontsAt = resources.find("/Font");
    if (fontsAt != std::string::npos) {
      const std::size_t end = resources.find(">>", fontsAt);
      for (std::size_t name = resources.find('/', fontsAt + 5); name < end; name = resources.find('/', name + 1)) {
        std::size_t after = resources.find(' ', name);
        const std::string key = resources.substr(name, after - name);
        const std::string& font = objects.at(static_cast<int>(NumberAt(resources, after)));
        Font f;
        std::size_t base = font.find("/BaseFont /") + 11;
        f.name = font.substr(base, font.find_first_of(" \n", base) - base);
        if (const int map = Reference(font, "/ToUnicode")) f.unicode = UnicodeMap(Inflated(objects.at(map)), f.codeBytes);
        fonts[key] = f;
      }
    }
    // The content: strings are shown texts; "/name size Tf" sets the font; the first
    // "a b c d x y Tm" places the first text (cairo draws with y down from the top).
    const std::string content = Inflated(objects.at(Reference(page, "/Contents")));
    const Font* font = nullptr;
    std::vector<std::string> words;
    bool placed = false;
    for (std::size_t i = 0; i < content.size();) {
      const char c = content[i];
      if (std::isspace(static_cast<unsigned char>(c)) || c == '[' || c == ']') {
        ++i;
      } else if (c == '(' || (c == '<' && content[i + 1] != '<')) {
        std::string codes;
        if (c == '(') {
          codes = LiteralString(content, i);
        } else {
          const std::size_t close = content.find('>', i);
          for (std::size_t h = i + 1; h + 1 < close; h += 2) codes += static_cast<char>(Hex(content.substr(h, 2)));
          i = close + 1;
        }
        if (font != nullptr) {
          p.text += Decoded(codes, *font);
          p.fonts.push_back(font->name);
        }
      } else {
        const std::size_t end = content.find_first_of(" \n\r\t[]()<", i + 1);
        const std::string word = content.substr(i, end == i ? 1 : end - i);
        i += word.size();
        if (word == "Tf" && words.size() >= 2) font = &fonts[words[words.size() - 2]];
        if (word == "Tm" && !placed && words.size() >= 6) {
          std::size_t x = 0, y = 0;
          p.firstX = NumberAt(words[words.size() - 2], x);
          p.firstY = NumberAt(words[words.size() - 1], y);
          placed = true;
        }
        words.push_back(word);
      }
    }
    pages.push_back(p);
  }
  return pages;
}

}  // namespace orrelin::testing
