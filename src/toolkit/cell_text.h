// What a grid's cells show, in words a screen reader can say: the texts drawn in a cell, else its
// swatch's colour by name and code ("red E03C31"), or the dialog's "no colour" text.
#pragma once

#include <string>

namespace toolkit {

class DrawGrid;

std::u16string cell_text(const DrawGrid& grid, int col, int row);
// The row's cells that show something, separated by a comma and a blank.
std::u16string row_text(const DrawGrid& grid, int row);

}  // namespace toolkit
