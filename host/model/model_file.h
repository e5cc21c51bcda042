// The model file of our own: what the viewer reports of a model (tree, attributes, properties,
// boxes), without its triangles, in a UTF-8 text that both builds of torv-host read. The Windows
// build has no IFC reader, so this is how it opens a real model that the Linux build has read.
//
//   TORV-MODEL 1
//   o PARENT ENTITY NAME DESCRIPTION TAG GUID REPRESENTATION BOUNDS    one line an object, in id order
//   k KIND SET NAME                                                    a property key, numbered from 0
//   p KEY VALUE                                                        the object's properties
//   end COUNT
//
// Fields are separated by tabs; backslash, tab, LF and CR in texts are written \\ \t \n \r.
// PARENT is the index of an earlier object, or - at the top; REPRESENTATION is 0 or 1; BOUNDS is
// "-" or the six numbers min x y z, max x y z separated by blanks. KIND is text, integer, boolean
// or real; a key comes before the first property that names it, so that a set's names are
// written once, and VALUE is the text or the number. Numbers are written as the shortest text
// that reads back as the same double.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/model.h"

namespace host {

inline constexpr std::string_view model_file_magic = "TORV-MODEL";
inline constexpr int model_file_version = 1;
// Four characters, like ".ifc": the plug-in names side-car files after the model's path less its
// last four characters.
inline constexpr std::string_view model_file_extension = ".tvm";

// Whether the file begins with the model file's header word, whatever its name.
bool is_model_file(const std::filesystem::path& file);

// The file's text for a model, and the model of a text. The parse throws std::runtime_error with
// the reason (which line, what is wrong) when the text is not a whole model file it can read.
std::string model_file_text(const Model& model);
Model parse_model_file(std::string_view text);

// Writes the file whole or not at all; throws std::runtime_error naming the file and the reason.
void write_model_file(const Model& model, const std::filesystem::path& file);
// Reads a model file; the model's path is the file's own. Throws std::runtime_error naming the
// file and the reason.
Model read_model_file(const std::filesystem::path& file);

}  // namespace host
