// Every form that exists, in creation order: what the desktop's commands look forms up in.
#pragma once

#include <string_view>
#include <vector>

namespace toolkit {

class Form;

const std::vector<Form*>& all_forms();
// The last created form of this name that still exists; null when there is none.
Form* find_form(std::string_view name);

}  // namespace toolkit
