// A plug-in object that tells the viewer of every event operation it runs, with the value it was
// given, as a language file it asks the viewer to load (the stand-in keeps each path asked for): a
// test sees which operation each of the viewer's callbacks reached, and with what.
#include <string>

#include "plugin_base/host_api.h"
#include "plugin_base/plugin_instance.h"

namespace {

std::u16string with_value(const char16_t* operation, std::int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(operation) + u' ' + std::u16string(digits.begin(), digits.end());
}

class RecordingPlugin : public cpp::PluginBase {
 public:
  using PluginBase::PluginBase;

  void on_measure_change() override { record(u"on_measure_change"); }
  void on_model_clear() override { record(u"on_model_clear"); }
  void on_save_bvf() override { record(u"on_save_bvf"); }
  void on_selection_change() override { record(u"on_selection_change"); }
  void on_hover() override { record(u"on_hover"); }
  void on_draw() override { record(u"on_draw"); }
  void on_draw_object_click(std::int32_t id) override { record(with_value(u"on_draw_object_click", id)); }
  void on_context_menu() override { record(u"on_context_menu"); }
  void on_gallery_item_context_menu(std::int32_t button_id) override {
    record(with_value(u"on_gallery_item_context_menu", button_id));
  }
  void on_tab_change() override { record(u"on_tab_change"); }
  void on_property_change() override { record(u"on_property_change"); }
  void on_object_list_changed() override { record(u"on_object_list_changed"); }
  void on_tab_sheet_placement(std::int32_t value) override {
    record(with_value(u"on_tab_sheet_placement", value));
  }
  void on_tab_sheet_change(std::int32_t value) override { record(with_value(u"on_tab_sheet_change", value)); }
  void on_plugin_message(std::int32_t first, std::int32_t second) override {
    record(with_value(with_value(u"on_plugin_message", first).c_str(), second));
  }
  void on_model_load() override { record(u"on_model_load"); }

 private:
  void record(const std::u16string& operation) { viewer::load_texts(host_handle, operation.c_str()); }
};

}  // namespace

cpp::PluginBase* cpp::create_plugin(platform::ModuleHandle module) {
  return new RecordingPlugin(module, u"recording.dll");
}
