// The command-line front end.
#include <iostream>
#include <string>

#include "core/version.h"

int main(int argc, char** argv) {
  const std::string arg = argc > 1 ? argv[1] : "";
  if (arg == "--version" || arg.empty()) {
    std::cout << orrelin::kProgramName << ' ' << orrelin::kVersion << '\n';
    return 0;
  }
  std::cerr << "Unknown command: " << arg << '\n';
  return 2;
}
