// orrelin-cli: the program's results for scripts.
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/settings_folder.h"
#include "cli/cli_program.h"
#include "core/clock.h"

int main(int argc, char** argv) {
  const std::time_t now = std::time(nullptr);
  std::vector<std::filesystem::path> shipped, modules;
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
  if (!ec) {
    shipped = {program, program / ".." / "share" / "orrelin"};
    // Built: beside the program; installed: the library folder's orrelin.
    modules = {program, (program / ORRELIN_MODULES_FROM_PROGRAM).lexically_normal()};
  }
  orrelin::cli::CliContext context{std::cout, std::cerr, orrelin::SettingsFolder(), shipped, now,
                                   orrelin::ComputerZoneOffset(now), true};
  context.moduleFolders = modules;
  return orrelin::cli::RunCli(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), context);
}
