// torv-host: the stand-in viewer. Loads the plug-in library as the viewer does, loads a model,
// and plays a session of user actions.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "api/host_state.h"
#include "app/command_line.h"
#include "app/host_platform.h"
#include "app/session.h"
#include "app/session_help.h"
#include "app/text_output.h"
#include "app/utf8_path.h"
#include "app/viewer.h"
#include "model/generated_model.h"
#include "model/ifc_import.h"
#include "model/model_file.h"

namespace {

host::Model load_model(const host::CommandLine& line) {
  if (!line.generator_spec.empty()) {
    host::GeneratorSpec spec = host::parse_generator_spec(line.generator_spec);
    // A viewer's model always comes from a file: side-car files go beside it.
    if (spec.path.empty())
      spec.path = (std::filesystem::temp_directory_path() / "torv-generated.ifc").u16string();
    host::Model model = host::generate_model(spec);
    model.description = "generated model (" + line.generator_spec + ") at " + host::utf8(model.path);
    return model;
  }
  const std::filesystem::path file = host::utf8_path(line.model_file);
  if (!std::filesystem::is_regular_file(file))
    throw std::invalid_argument("no such file: " + line.model_file);
  const auto start = std::chrono::steady_clock::now();
  // A model file is known by its first line, whatever its name.
  host::Model model = host::is_model_file(file) ? host::read_model_file(file) : host::read_ifc_model(file);
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.2f", took.count());
  model.description += ", read in " + std::string(seconds) + " s";
  return model;
}

void print_plugin(host::PluginLibrary& plugin, std::ostream& out) {
  const cpp::PluginInfo info = plugin.info();
  out << "plugin: " << host::utf8(info.name) << '\n'
      << "producer: " << host::utf8(info.producer) << '\n'
      << "web address: " << host::utf8(info.web_address) << '\n'
      << "email: " << host::utf8(info.email) << '\n'
      << "description: " << host::utf8(info.description) << '\n'
      << "data folder: " << host::utf8(info.data_folder) << '\n';
  const cpp::ApiVersion version = plugin.api_version();
  out << "api version: " << version.major << '.' << version.minor << '\n';
}

// The script is opened, and the plug-in library loaded, before the model is read: a mistake in
// the arguments is told at once, not after a model that takes seconds to read.
int run(const host::CommandLine& line) {
  host::HostState& state = host::host_state();
  state.language = line.language;
  state.touch_mode = line.touch_mode;

  std::ifstream script;
  if (!line.script.empty()) {
    const std::filesystem::path file = host::utf8_path(line.script);
    if (!std::filesystem::is_regular_file(file)) throw std::invalid_argument("no such file: " + line.script);
    script.open(file);
    if (!script) throw std::runtime_error("cannot read the script " + line.script);
  }
  if (!line.model_file.empty() && !std::filesystem::is_regular_file(host::utf8_path(line.model_file))) {
    throw std::invalid_argument("no such file: " + line.model_file);
  }
  const std::u16string plugin_path = line.plugin_path.empty()
                                         ? host::executable_folder() + host::default_plugin_file_name()
                                         : line.plugin_path;
  host::Viewer viewer(plugin_path);
  host::Model model = load_model(line);
  print_plugin(viewer.plugin(), std::cout);
  viewer.load_plugin();
  std::cout << "model: " << model.description << ", " << model.size() << " objects\n";
  viewer.load_model(std::move(model));

  const host::ModelLoader loader = [&line](const std::string& model_file, const std::string& generator_spec) {
    host::CommandLine request = line;
    request.model_file = model_file;
    request.generator_spec = generator_spec;
    return load_model(request);
  };
  host::Session session(viewer, std::cout, std::cerr, loader);
  if (line.script.empty()) {
    session.run(host::standard_input(), host::input_is_terminal());
  } else {
    session.run(script, false);
  }
  viewer.close();
  for (const std::string& fault : state.faults) std::cerr << "fault: " << fault << '\n';
  return session.failed() || !state.faults.empty() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  host::start_with_fixed_addresses(argv);
  try {
    const host::CommandLine line = host::parse_command_line(host::command_line_arguments(argc, argv));
    if (line.help) {
      std::cout << host::usage << "Session commands:\n" << host::session_help;
      return 0;
    }
    if (line.version) {
      std::cout << "torv-host " << TORV_VERSION << ", the viewer's API " << host::host_api_version.major
                << '.' << host::host_api_version.minor << '\n';
      return 0;
    }
    return run(line);
  } catch (const std::invalid_argument& error) {
    std::cerr << "torv-host: " << error.what() << '\n' << host::usage;
    return 2;
  } catch (const std::exception& error) {
    std::cerr << "torv-host: " << error.what() << '\n';
    return 2;
  }
}
