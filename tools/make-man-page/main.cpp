// make-man-page TEMPLATE OUTPUT: the command line's man page, its synopsis and its
// list of commands and options written from the program's own help (CommandHelps), so
// that a new option cannot be missing from it. The template holds the rest of the
// page, with @VERSION@, @SYNOPSIS@ and @COMMANDS@ where they go.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "cli/cli_program.h"
#include "core/version.h"

namespace {

// Text for troff: backslashes and hyphens escaped, quotes as \(dq, no line starting a request.
std::string Troff(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') out += "\\e";
    else if (c == '-') out += "\\-";
    else if (c == '"') out += "\\(dq";
    else if (c == '\n') out += "\n.br\n";
    else out += c;
  }
  return out;
}

std::string Replaced(std::string text, const std::string& key, const std::string& by) {
  const auto at = text.find(key);
  if (at != std::string::npos) text.replace(at, key.size(), by);
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make-man-page TEMPLATE OUTPUT\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  if (!in) {
    std::cerr << "make-man-page: cannot read " << argv[1] << "\n";
    return 1;
  }
  std::string page((std::istreambuf_iterator<char>(in)), {});
  std::ostringstream synopsis, commands;
  bool first = true;
  for (const orrelin::cli::CommandHelp& command : orrelin::cli::CommandHelps()) {
    if (!first) synopsis << ".br\n";
    first = false;
    synopsis << ".B orrelin\\-cli " << Troff(command.name) << "\n";
    bool options = false;
    for (const orrelin::cli::OptionHelp& option : command.options) {
      if (option.value.empty() && option.name.rfind("--", 0) != 0) {
        synopsis << (option.required ? ".I " : ".RI [ ") << Troff(option.name) << (option.required ? "\n" : " ]\n");
      } else if (option.required) {
        synopsis << ".BI " << Troff(option.name) << " \" " << Troff(option.value) << "\"\n";
      } else {
        options = true;
      }
    }
    if (options) synopsis << ".RI [ options ]\n";
    commands << ".SS " << Troff(command.name) << "\n" << Troff(command.description) << ".\n";
    for (const orrelin::cli::OptionHelp& option : command.options) {
      commands << ".TP\n";
      if (option.name.rfind("--", 0) != 0) {
        commands << ".I " << Troff(option.name) << "\n";
      } else if (option.value.empty()) {
        commands << ".B " << Troff(option.name) << "\n";
      } else {
        commands << ".BI " << Troff(option.name) << " \" " << Troff(option.value) << "\"\n";
      }
      commands << Troff(option.description) << (option.required ? " (required)" : "") << "\n";
    }
  }
  page = Replaced(page, "@VERSION@", orrelin::kVersion);
  page = Replaced(page, "@SYNOPSIS@\n", synopsis.str());
  page = Replaced(page, "@COMMANDS@\n", commands.str());
  std::ofstream out(argv[2], std::ios::binary);
  out << page;
  return out ? 0 : 1;
}
