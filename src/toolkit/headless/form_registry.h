// The headless screen: every form that exists, in creation order.
#pragma once

#include <string_view>
#include <vector>

namespace toolkit {
class Form;
}

namespace toolkit::headless {

std::vector<Form*>& forms();
// The last created form of this name that still exists; null when there is none.
Form* find_form(std::string_view name);

}  // namespace toolkit::headless
