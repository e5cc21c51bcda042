// Simple lower-case folding of the scripts that names of building sites are written in (Latin,
// Greek, Cyrillic), one code unit at a time: how names are compared with capitals not minded.
#pragma once

namespace platform {

char16_t fold_case(char16_t c);

}  // namespace platform
