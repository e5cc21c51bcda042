// A program that exports no host function loads the plug-in: every call is a silent no-op, and
// nothing crashes or hangs.
#include <gtest/gtest.h>

#include "app/text_output.h"
#include "platform/host_symbols.h"
#include "support/host_fixture.h"

namespace {

using BareHost = torv_test::HostFixture;

TEST_F(BareHost, FindsNoHostFunctionEvenWhereTheCLibraryHasOne) {
  EXPECT_EQ(platform::find_host_symbol("get_text"), nullptr);
  EXPECT_EQ(platform::find_host_symbol("select"), nullptr);
}

TEST_F(BareHost, EveryExportStillAnswers) {
  open_plugin();
  cpp::ApiVersion answer{0, 0};
  exports().get_api_verion(nullptr, &answer);
  EXPECT_EQ(answer.minor, 41);
  EXPECT_EQ(host::utf8(viewer().plugin().info().name), "KVT");
  viewer().load_plugin();
  exports().on_gui_colors_change();
  EXPECT_EQ(exports().on_drag_enter(1, 2, 3), 0);
  EXPECT_EQ(exports().on_drag_over(1, 2, 3), 0);
  EXPECT_EQ(exports().on_drop(1, 2, 3, 4), 0);
  exports().on_model_load_v2(true);
  exports().on_model_save_v2();
  viewer().unload_plugin();
  // The viewer's state was never reached: nothing was registered or built.
  EXPECT_TRUE(state().call_log.empty());
  EXPECT_TRUE(state().buttons.empty());
}

}  // namespace
