// torv-host's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

struct CommandLine {
  bool help = false;           // --help or -h: the usage, and nothing else
  bool version = false;        // --version: the versions, and nothing else
  std::u16string plugin_path;  // empty: the plug-in library beside torv-host
  std::u16string language = u"en";
  bool touch_mode = false;
  std::string script;          // empty: standard input
  std::string model_file;      // an IFC file or a model file of save-model, or
  std::string generator_spec;  // a generated model
};

// Throws std::invalid_argument with a message for the user.
CommandLine parse_command_line(const std::vector<std::string>& arguments);

inline constexpr const char* usage =
    "usage: torv-host [--plugin PATH] [--lang CODE] [--touch] [--script FILE] MODEL.ifc|MODEL.tvm | "
    "--generate SPEC\n"
    "       torv-host --help | --version\n"
    "  --plugin PATH  the plug-in library (default: the one beside torv-host)\n"
    "  --lang CODE    the viewer's language: en, de, pl (default en)\n"
    "  --touch        the viewer in touch mode (the panels' rows 26 pixels high, not 18)\n"
    "  --script FILE  the session's commands (default: standard input; help lists them)\n"
    "  SPEC: default, or key=value pairs separated by commas: sites, storeys, assemblies, parts,\n"
    "        loose, depth, batch=text|integer|boolean|real|none, values=a;b;c, parts_batch=TEXT, no_guid=N,\n"
    "        no_representation=N, uuid_guid=N, part_weight=KG, path=MODEL-PATH\n";

}  // namespace host
