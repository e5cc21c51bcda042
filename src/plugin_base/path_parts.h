// Parts of file paths as the plug-in's dialogs and files use them.
#pragma once

#include <string>

// Everything before the last separator; a drive root such as C:\ keeps its separator; empty
// when there is no separator.
std::u16string folder_part(const std::u16string& path, char16_t separator);

// Everything after the last separator (the whole path when there is none).
std::u16string file_name_part(const std::u16string& path, char16_t separator);

// The model path less its last four characters (whatever they are: the ".ifc"), or the whole
// path when it is not longer: what side-car and report file names are made from.
std::u16string model_stem(const std::u16string& model_path);

// The path with ".csv" appended unless its extension, in any letter case, is already ".csv".
std::u16string with_csv_extension(std::u16string path);
