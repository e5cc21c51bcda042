// A viewer that lacks some host functions: each missing one is a silent no-op returning 0, false
// or null, and the plug-in goes on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "api/viewer_events.h"
#include "app/text_output.h"
#include "platform/host_symbols.h"
#include "support/host_fixture.h"

namespace {

using PartialHost = torv_test::HostFixture;

TEST_F(PartialHost, FindsOnlyTheFunctionsThisProgramExports) {
  EXPECT_NE(platform::find_host_symbol("show_button"), nullptr);
  EXPECT_EQ(platform::find_host_symbol("get_text"), nullptr);
}

TEST_F(PartialHost, WithoutGetLanguageEnglishIsLoaded) {
  load_plugin();
  ASSERT_EQ(state().text_files_asked.size(), 2u);
  EXPECT_TRUE(state().text_files_asked[0].ends_with(u"lang."));
  EXPECT_TRUE(state().text_files_asked[1].ends_with(u"lang.en"));
}

TEST_F(PartialHost, BuildsItsRibbonWithoutTexts) {
  load_plugin();
  ASSERT_EQ(state().groups.size(), 1u);
  ASSERT_EQ(state().groups[0].buttons.size(), 4u);
  for (const std::int32_t id : state().groups[0].buttons) {
    const host::RibbonButton& button = *state().find_button(id);
    EXPECT_EQ(button.text, u"");
    EXPECT_FALSE(button.image.empty());
  }
}

TEST_F(PartialHost, ClicksAndEventsWithoutTheirQueriesDoNoHarm) {
  load_plugin();
  load_model();
  // No on_model_load registration: the event never reaches the plug-in.
  EXPECT_EQ(state().events.model_load, nullptr);
  for (const std::int32_t id : state().groups[0].buttons) EXPECT_TRUE(host::click_button(id));
  ASSERT_NE(state().events.draw_object_click, nullptr);
  state().events.draw_object_click();
  state().events.gallery_item_context_menu();
  EXPECT_TRUE(state().events.plugin_message(1, 2));
  viewer().unload_plugin();
}

}  // namespace
