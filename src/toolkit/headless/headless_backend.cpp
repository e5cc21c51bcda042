// The headless backend: windows exist only in memory, dialogs are answered by the desktop's queue
// (cancelled when nothing is queued), message boxes go to the desktop, the cursor is a value.
#include <algorithm>
#include <vector>

#include "platform/utf8.h"
#include "toolkit/backend.h"
#include "toolkit/cursor.h"
#include "toolkit/desktop/desktop_answers.h"
#include "toolkit/desktop/desktop_link.h"
#include "toolkit/dialogs.h"
#include "toolkit/form.h"
#include "toolkit/form_input.h"
#include "toolkit/form_registry.h"
#include "toolkit/popup_menu.h"
#include "toolkit/widgets.h"

namespace toolkit::backend {
namespace {

Cursor current_cursor = Cursor::normal;

// What the headless forms' controls are called on Windows, so that window lists read alike.
const char* class_name(const Control* control) {
  if (dynamic_cast<const Button*>(control) != nullptr || dynamic_cast<const CheckBox*>(control) != nullptr)
    return "Button";
  if (dynamic_cast<const ComboBox*>(control) != nullptr) return "Edit";
  if (dynamic_cast<const DrawGrid*>(control) != nullptr) return "TorvGrid";
  return "TorvForm";
}

std::u16string text_of(const Control* control) {
  if (const auto* button = dynamic_cast<const Button*>(control)) return button->text();
  if (const auto* box = dynamic_cast<const CheckBox*>(control)) return box->caption();
  if (const auto* edit = dynamic_cast<const ComboBox*>(control)) return edit->text();
  return {};
}

// The other forms are disabled while a dialog runs, as the system does with the windows behind it.
class DisabledForms {
 public:
  explicit DisabledForms(const Form* dialog) {
    for (Form* other : all_forms()) {
      if (other == dialog || !other->enabled()) continue;
      other->set_enabled(false);
      disabled_.push_back(other);
    }
  }
  ~DisabledForms() {
    std::for_each(disabled_.rbegin(), disabled_.rend(), [](Form* other) { other->set_enabled(true); });
  }
  DisabledForms(const DisabledForms&) = delete;
  DisabledForms& operator=(const DisabledForms&) = delete;

 private:
  std::vector<Form*> disabled_;
};

}  // namespace

void initialize() { desktop::connect_desktop(); }

void finalize() { desktop::disconnect_desktop(); }

void form_created(Form&) {}

void form_destroyed(Form&) {}

void form_changed(Form&) {}

void control_changed(Control&) {}

void* window_handle(Form& form) { return &form; }

void send_input(Form& form, const UserInput& input) { take_input(form, input); }

void click(Control& control) { click_control(control); }

void type_keys(Form& form, const std::vector<KeyStroke>& strokes) { press_keys(form, strokes); }

void choose_from_context_menu(Form& form, Point point, const std::string& item) {
  press_mouse(form, MouseButton::right, point);
  PopupMenu* menu = context_menu_at(form, point);
  if (menu == nullptr) return;
  menu->popup();
  if (MenuItem* chosen = menu->find(item)) menu->choose(*chosen);
}

void run_modal(Form& form) {
  const DisabledForms others(&form);
  desktop::answer_form(form);
}

bool run_file_dialog(FileDialog& dialog, void*) {
  const DisabledForms others(nullptr);
  return desktop::answer_file_dialog(dialog);
}

void show_message(void*, std::u16string_view text, std::u16string_view caption, MessageIcon icon) {
  desktop::desktop_message(platform::to_utf8(caption), platform::to_utf8(text), static_cast<int>(icon));
  const DisabledForms others(nullptr);
  desktop::answer_message_box();
}

std::string window_list() {
  std::string out;
  for (const Form* form : all_forms()) {
    out += std::string(class_name(form)) + '\t' + platform::to_utf8(form->caption()) + '\t' +
           (form->visible() ? "visible" : "hidden") + '\t' + (form->enabled() ? "enabled" : "disabled") +
           '\n';
  }
  const auto modal = std::find_if(all_forms().rbegin(), all_forms().rend(),
                                  [](const Form* form) { return form->visible() && form->enabled(); });
  const Control* focused = modal != all_forms().rend() ? (*modal)->focused : nullptr;
  out += "focus\t" + std::string(focused != nullptr ? class_name(focused) : "") + '\t' +
         platform::to_utf8(text_of(focused)) + '\n';
  return out;
}

bool ask_question(void*, std::u16string_view text, std::u16string_view caption) {
  const DisabledForms others(nullptr);
  return desktop::answer_question(text, caption);
}

Cursor screen_cursor() { return current_cursor; }

bool shift_key_down() { return stroke_shift_down(); }

// The keys come in bursts with no time between them; only a pause lets time pass.
std::int64_t key_time_ms() { return stroke_pauses_ms(); }

void set_screen_cursor(Cursor cursor) { current_cursor = cursor; }

// A screen of 1920 × 1080 pixels.
Rect screen_area() { return {0, 0, 1920, 1080}; }

// A tool window's frame: a 4-pixel border and a small caption; a dialog's: a thicker caption.
int frame_width(const Form& form) { return form.style() == FormStyle::tool_window ? 8 : 6; }

int frame_height(const Form& form) { return form.style() == FormStyle::tool_window ? 24 : 29; }

Point inside_work_area(const Form& form, Point at) {
  const Rect area = screen_area();
  return {std::max(std::min(at.x, area.right() - form.width()), area.left),
          std::max(std::min(at.y, area.bottom() - form.height()), area.top)};
}

// The headless desktop has no picker of its own: colours are typed into the dialog's field.
std::optional<Argb> pick_color(void*, Argb) { return std::nullopt; }

// The colours of the standard Windows theme, so that the headless pictures look like the product.
Argb system_color(SystemColor which) {
  switch (which) {
    case SystemColor::window: return 0xFFFFFFFF;
    case SystemColor::face: return 0xFFF0F0F0;
    case SystemColor::highlight: return 0xFF0078D7;
    case SystemColor::highlight_text: return 0xFFFFFFFF;
    case SystemColor::window_text:
    case SystemColor::face_text: return 0xFF000000;
  }
  return 0xFF000000;
}

}  // namespace toolkit::backend
