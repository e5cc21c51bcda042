// Plugin: construction, plug-in information and the ribbon built at load.
#include "plugin/plugin.h"

#include <string>

#include "plugin/panels.h"
#include "plugin_base/host_api.h"
#include "plugin_base/language_text.h"
#include "toolkit/color_names.h"
#include "toolkit/dialogs.h"
#include "torv_identity.h"

namespace {

struct RibbonButton {
  std::int32_t Plugin::*id;
  const char* text_key;
  const char* hint_key;
  const char16_t* image;
  const char16_t* small_image;
};

constexpr RibbonButton ribbon_buttons[] = {
    {&Plugin::btn_uda4_id, "btn_uda4", "btn_uda4.hint", u"batch.png", u"batch_small.png"},
    {&Plugin::btn_uda3_id, "btn_uda3", "btn_uda3.hint", u"runtime.png", u"runtime_small.png"},
    {&Plugin::btn_reset_id, "btn_reset", "btn_reset.hint", u"reset.png", u"reset_small.png"},
    {&Plugin::btn_export_id, "btn_export", "btn_export.hint", u"export.png", u"export_small.png"},
};

}  // namespace

Plugin::Plugin(platform::ModuleHandle module) : cpp::PluginBase(module, u"torv.dll") {}

Plugin::~Plugin() = default;

std::int32_t Plugin::api_minor_version() { return 41; }

void Plugin::get_plugin_info(cpp::PluginInfo& info) {
  info.name = u"KVT";
  info.producer = u"" TORV_PRODUCER;
  info.web_address = u"" TORV_WEB_ADDRESS;
  info.email = u"" TORV_EMAIL;
  info.description = u"" TORV_DESCRIPTION;
  info.data_folder = data_folder.c_str();
}

void Plugin::on_plugin_load(viewer::HostHandle host, bool flag, viewer::HostWindow window) {
  cpp::PluginBase::on_plugin_load(host, flag, window);
  create_ribbon();
  toolkit::initialize();
  toolkit::ColorDialogTexts& texts = toolkit::color_dialog_texts();
  texts.cancel = cpp::language_text(host_handle, "ColorDialogCancel");
  texts.define_custom_color = cpp::language_text(host_handle, "ColorDialogDefineCustomColor");
  texts.add_to_custom_colors = cpp::language_text(host_handle, "ColorDialogAddToCustomColors");
  texts.basic_colors = cpp::language_text(host_handle, "ColorDialogBasicColors");
  texts.custom_colors = cpp::language_text(host_handle, "ColorDialogCustomColors");
  texts.caption = cpp::language_text(host_handle, "ColorDialogCaption");
  texts.no_color = cpp::language_text(host_handle, "ColorDialogNoColor");
  texts.empty_slot = cpp::language_text(host_handle, "ColorDialogEmptySlot");
  texts.color_names.clear();
  for (const toolkit::ColorName& color : toolkit::color_names())
    texts.color_names.push_back(
        cpp::language_text(host_handle, ("color_name." + std::string(color.key)).c_str()));
}

void Plugin::on_plugin_unload() {
  offer_to_save_panels();
  // Each panel saves what it must as it is destroyed: the batch panel first.
  for (const PanelMode mode : {PanelMode::Batch, PanelMode::Status}) {
    delete panels[static_cast<int>(mode)];
    panels[static_cast<int>(mode)] = nullptr;
  }
  toolkit::finalize();
}

void Plugin::on_model_clear() {
  cpp::PluginBase::on_model_clear();
  offer_to_save_panels();
}

void Plugin::offer_to_save_panels() {
  for (const PanelMode mode : {PanelMode::Batch, PanelMode::Status}) {
    if (Tfrm_uda* existing = panel(mode)) existing->offer_to_save();
  }
}

void Plugin::on_gui_colors_change() {
  for (const PanelMode mode : {PanelMode::Batch, PanelMode::Status}) {
    if (Tfrm_uda* existing = panel(mode)) existing->apply_gui_settings();
  }
}

void Plugin::on_model_load() {
  cpp::PluginBase::on_model_load();
  for (const PanelMode mode : {PanelMode::Batch, PanelMode::Status}) {
    if (Tfrm_uda* existing = panel(mode)) existing->on_model_loaded();
  }
}

void Plugin::create_ribbon() {
  group_id = viewer::create_group(host_handle, 0, cpp::language_text(host_handle, "ribbon_group").c_str());
  for (const RibbonButton& button : ribbon_buttons) {
    const std::int32_t id = viewer::create_button(host_handle, group_id, button_callback);
    this->*button.id = id;
    const std::u16string text = cpp::language_text(host_handle, button.text_key);
    const std::u16string hint = cpp::language_text(host_handle, button.hint_key);
    viewer::set_button_text(host_handle, id, text.c_str(), hint.c_str());
    viewer::set_button_image(host_handle, id, plugin_file_path(button.image).c_str());
    viewer::set_button_small_image(host_handle, id, plugin_file_path(button.small_image).c_str());
  }
  change_batching_text = cpp::language_text(host_handle, "txt_change_batching");
  change_real_time_text = cpp::language_text(host_handle, "txt_change_real_time");
  // The drop-down belongs to no ribbon group: it appears only in the viewer's context menu.
  context_button_id = viewer::create_sub_button(host_handle, viewer::no_ribbon_group, true);
}
