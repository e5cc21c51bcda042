// The screen cursor belongs to the backend.
#include "toolkit/cursor.h"

#include "toolkit/backend.h"

namespace toolkit {

Cursor screen_cursor() { return backend::screen_cursor(); }

bool shift_key_down() { return backend::shift_key_down(); }

std::int64_t key_time_ms() { return backend::key_time_ms(); }

void set_screen_cursor(Cursor cursor) { backend::set_screen_cursor(cursor); }

}  // namespace toolkit
