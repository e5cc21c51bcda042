// The screen cursor, and CursorWait: the hourglass for as long as a long operation runs.
#pragma once

#include <cstdint>

namespace toolkit {

enum class Cursor { normal, wait };

Cursor screen_cursor();

// Whether Shift is held with the key being handled: Ctrl+Shift+Z types the character Ctrl+Z
// types.
bool shift_key_down();
// When the key being handled was typed, in milliseconds of a clock that only goes forward between
// keys (it may start anywhere).
std::int64_t key_time_ms();
void set_screen_cursor(Cursor cursor);

// Shows the hourglass and gives the previous cursor back on every way out of the scope.
class CursorWait {
 public:
  CursorWait() : previous_(screen_cursor()) { set_screen_cursor(Cursor::wait); }
  ~CursorWait() { set_screen_cursor(previous_); }
  CursorWait(const CursorWait&) = delete;
  CursorWait& operator=(const CursorWait&) = delete;

 private:
  Cursor previous_;
};

}  // namespace toolkit
