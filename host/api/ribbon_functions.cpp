// Host API, the ribbon: groups, buttons, drop-downs and the context menu being built.
#include "api/host_functions.h"
#include "api/host_state.h"

namespace host::api {
namespace {

std::u16string text_of(const char16_t* text) { return text != nullptr ? text : u""; }

std::int32_t add_button(std::int32_t group, ButtonKind kind, Callback callback) {
  HostState& state = host_state();
  RibbonButton button;
  button.id = state.next_ribbon_id++;
  button.group = group;
  button.kind = kind;
  button.callback = callback;
  for (RibbonGroup& ribbon_group : state.groups) {
    if (ribbon_group.id == group) ribbon_group.buttons.push_back(button.id);
  }
  state.buttons.push_back(button);
  return button.id;
}

}  // namespace

std::int32_t create_group(HostHandle, std::int32_t, const char16_t* caption) {
  HostState& state = host_state();
  state.groups.push_back(RibbonGroup{state.next_ribbon_id++, text_of(caption), {}});
  return state.groups.back().id;
}

std::int32_t create_button(HostHandle, std::int32_t group, Callback callback) {
  return add_button(group, ButtonKind::large, callback);
}

std::int32_t create_small_button(HostHandle, std::int32_t group, Callback callback) {
  return add_button(group, ButtonKind::small, callback);
}

std::int32_t create_sub_button(HostHandle, std::int32_t group, bool) {
  return add_button(group, ButtonKind::drop_down, nullptr);
}

void add_button(HostHandle, std::int32_t dropdown, std::int32_t button) {
  if (RibbonButton* menu = host_state().find_button(dropdown)) menu->entries.push_back(button);
}

void add_context_button(HostHandle, std::int32_t button) { host_state().context_menu.push_back(button); }

void set_button_text(HostHandle, std::int32_t button, const char16_t* text, const char16_t* hint) {
  if (RibbonButton* found = host_state().find_button(button)) {
    found->text = text_of(text);
    found->hint = text_of(hint);
  }
}

void set_button_image(HostHandle, std::int32_t button, const char16_t* path) {
  if (RibbonButton* found = host_state().find_button(button)) found->image = text_of(path);
}

void set_button_small_image(HostHandle, std::int32_t button, const char16_t* path) {
  if (RibbonButton* found = host_state().find_button(button)) found->small_image = text_of(path);
}

void show_button(HostHandle, std::int32_t button, bool visible) {
  if (RibbonButton* found = host_state().find_button(button)) found->visible = visible;
}

std::int32_t clicked_button(HostHandle) { return host_state().clicked_button; }

}  // namespace host::api
