// Builds the shipped "Mstars.dat" from data/navigational-stars.csv:
// make-star-file <input.csv> <output.dat>
#include <fstream>
#include <iostream>
#include <string>

#include "core/fields.h"
#include "stars/star_file.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make-star-file <input.csv> <output.dat>\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "cannot read " << argv[1] << '\n';
    return 1;
  }
  std::string out;
  std::string line;
  std::getline(in, line);  // the header
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    orrelin::StarRecord record;
    for (std::size_t f = 0; f < orrelin::kStarFieldCount; ++f) {
      record.fields[f] = orrelin::ExtractField(line, ",", static_cast<int>(f));
      if (record.fields[f].size() > orrelin::kStarFieldCapacity[f]) {
        std::cerr << "field too long in: " << line << '\n';
        return 1;
      }
    }
    out += orrelin::EncodeStarRecord(record);
  }
  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file << out;
  return file ? 0 : 1;
}
