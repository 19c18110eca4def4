// The command-line program: parsing the arguments and running the command given.
#include "cli/cli_program.h"

#include <CLI/CLI.hpp>

#include "cli/commands/command_support.h"
#include "cli/commands/command_unit.h"
#include "core/version.h"

namespace orrelin::cli {

std::vector<CommandHelp> CommandHelps() {
  CLI::App app;
  const auto units = CommandUnits();
  for (const auto& unit : units) unit->Add(app);
  std::vector<CommandHelp> helps;
  for (const CLI::App* command : app.get_subcommands([](CLI::App*) { return true; })) {
    CommandHelp help{command->get_name(), command->get_description(), {}};
    for (const bool positional : {true, false}) {
      for (const CLI::Option* option : command->get_options()) {
        if (option->get_name().empty() || option->get_name() == "--help") continue;
        if (option->get_positional() != positional) continue;
        const bool flag = option->get_expected_max() == 0;
        help.options.push_back(OptionHelp{option->get_name(), flag || positional ? "" : option->get_type_name(),
                                          option->get_description(), option->get_required()});
      }
    }
    helps.push_back(help);
  }
  return helps;
}

int RunCli(const std::vector<std::string>& arguments, const CliContext& context) {
  CLI::App app{
      "Orrelin: astronomy and celestial navigation from the command line.\n"
      "Place and moment options not given come from the saved settings of the window program\n"
      "(or, before it was ever closed, the first-start place Helsinki); the date and time\n"
      "default to now. Nothing is ever written to the settings.",
      "orrelin-cli"};
  app.set_version_flag("--version", std::string(kProgramName) + " " + kVersion);
  app.require_subcommand(1);
  // A wrong command line is one message, on one line, with where to read more.
  app.failure_message([](const CLI::App* program, const CLI::Error& e) {
    // An option of another command, or of none: named with the command it was given to.
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
      for (const CLI::App* command : program->get_subcommands()) {
        for (const std::string& extra : command->remaining()) {
          if (extra.rfind("--", 0) == 0) {
            return command->get_name() + " does not take " + extra + " (orrelin-cli " + command->get_name() +
                   " --help lists its options)\n";
          }
        }
      }
    }
    return std::string(e.what()) + " (orrelin-cli --help lists the commands and options)\n";
  });
  const auto units = CommandUnitsFor(arguments);
  std::vector<const CLI::App*> commands;
  for (const auto& unit : units) commands.push_back(unit->Add(app));

  // CLI11 takes the arguments last first.
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::Success& e) {
    return app.exit(e, context.out, context.err);
  } catch (const CLI::ParseError& e) {
    app.exit(e, context.out, context.err);
    return kExitBadInput;
  }
  for (const CLI::App* command : app.get_subcommands()) {
    if (const auto message = DecimalCommaMessage(*command)) {
      context.err << *message << '\n';
      return kExitBadInput;
    }
  }
  for (std::size_t i = 0; i < units.size(); ++i) {
    if (commands[i]->parsed()) return units[i]->Run(context);
  }
  return 0;
}

}  // namespace orrelin::cli
