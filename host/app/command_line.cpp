// Parsing torv-host's arguments.
#include "app/command_line.h"

#include <stdexcept>

#include "platform/utf8.h"

namespace host {

CommandLine parse_command_line(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const auto value = [&]() -> const std::string& {
      if (i + 1 >= arguments.size()) throw std::invalid_argument(argument + " needs a value");
      return arguments[++i];
    };
    if (argument == "--help" || argument == "-h") {
      line.help = true;
      return line;
    }
    if (argument == "--version") {
      line.version = true;
      return line;
    }
    if (argument == "--plugin") {
      line.plugin_path = platform::from_utf8(value());
    } else if (argument == "--lang") {
      line.language = platform::from_utf8(value());
    } else if (argument == "--touch") {
      line.touch_mode = true;
    } else if (argument == "--script") {
      line.script = value();
    } else if (argument == "--generate") {
      line.generator_spec = value();
    } else if (argument.starts_with("-")) {
      throw std::invalid_argument("unknown option " + argument);
    } else if (line.model_file.empty()) {
      line.model_file = argument;
    } else {
      throw std::invalid_argument("one model only: " + argument);
    }
  }
  if (line.model_file.empty() == line.generator_spec.empty()) {
    throw std::invalid_argument("give either a model file or --generate SPEC");
  }
  return line;
}

}  // namespace host
