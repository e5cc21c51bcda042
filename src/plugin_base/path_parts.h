// Parts of file paths as the plug-in's dialogs and files use them.
#pragma once

#include <string>
#include <string_view>

// Everything before the last separator; a drive root such as C:\ keeps its separator; empty
// when there is no separator.
std::u16string folder_part(const std::u16string& path, char16_t separator);

// Everything after the last separator (the whole path when there is none).
std::u16string file_name_part(const std::u16string& path, char16_t separator);

// The model path less its last four characters (whatever they are: the ".ifc"), or the whole
// path when it is not longer: what side-car and report file names are made from.
std::u16string model_stem(const std::u16string& model_path);

// The extension of the path's last component, from its last dot, in lower case (ASCII letters);
// empty when it has none.
std::u16string extension_part(const std::u16string& path);

// The path with extension (such as ".csv") appended unless it already ends in it, in any letter case.
std::u16string with_extension(std::u16string path, std::u16string_view extension);
