// GlobalIds in the forms other tools write them (UUIDs, braced or not) go through everything the
// 22-character ones do: the side-car file, a reload, the recovery file and the report.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "support/panel_fixture.h"

namespace {

using ::testing::HasSubstr;

class GuidForms : public torv_test::PanelFixture {
 protected:
  // Assemblies 1 and 3 in A, 2 and 4 in B; 2 has a UUID, 4 a braced one.
  void SetUp() override {
    PanelFixture::SetUp();
    load_model(spec);
    uuid_ = guid_of("Assembly 2");
    braced_ = guid_of("Assembly 4");
  }
  static constexpr const char* spec = "storeys=1,assemblies=4,values=A;B,uuid_guid=2";
  std::string uuid_;
  std::string braced_;
};

// Eight, four, four, four and twelve hexadecimal digits between hyphens, as a UUID is written.
bool is_uuid(const std::string& text) {
  if (text.size() != 36) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool hyphen = i == 8 || i == 13 || i == 18 || i == 23;
    if (hyphen != (text[i] == '-')) return false;
    if (!hyphen && std::string_view("0123456789ABCDEF").find(text[i]) == std::string_view::npos) return false;
  }
  return true;
}

TEST_F(GuidForms, TheModelHasBothForms) {
  EXPECT_TRUE(is_uuid(uuid_)) << uuid_;
  ASSERT_EQ(braced_.size(), 38u) << braced_;
  EXPECT_EQ(braced_.front(), '{');
  EXPECT_EQ(braced_.back(), '}');
  EXPECT_TRUE(is_uuid(braced_.substr(1, 36))) << braced_;
}

TEST_F(GuidForms, SaveAndReloadKeepEveryObject) {
  run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  EXPECT_TRUE(state().desktop.messages.empty());
  const std::string saved = torv_test::read_file(sidecar("batching"));
  EXPECT_THAT(saved, HasSubstr("\r\n" + uuid_ + ",B\r\n"));
  EXPECT_THAT(saved, HasSubstr("\r\n" + braced_ + ",B\r\n"));
  load_model(spec);
  EXPECT_EQ(panel_rows("batch"), "A\t2\tnone\nB\t2\tnone\nNo batch\t\tnone\n");
  EXPECT_TRUE(state().desktop.messages.empty());
}

TEST_F(GuidForms, TheRecoveryFileRestoresThem) {
  run_session("click Batches\nanswer save " + sidecar("batching").string() + "\npanel batch save\n");
  run_session("select " + braced_ + "\ncontext\nchoose A\n");
  EXPECT_EQ(panel_rows("batch"), "A\t3\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
  // No at the leave question keeps the changes; Yes restores them at the next load.
  run_session("answer no\nanswer yes\n");
  load_model(spec);
  EXPECT_EQ(panel_rows("batch"), "A\t3\tnone\nB\t1\tnone\nNo batch\t\tnone\n");
  run_session("select " + braced_ + "\n");
  EXPECT_THAT(run_session("print selection\n"), HasSubstr(braced_));
}

TEST_F(GuidForms, TheReportListsThem) {
  run_session("click Batches\nanswer save " + folder_file("r.csv").string() + "\nclick Export\n");
  const std::string report = torv_test::read_file(folder_file("r.csv"));
  EXPECT_THAT(report, HasSubstr("\r\n" + uuid_ + ",B,"));
  EXPECT_THAT(report, HasSubstr("\r\n" + braced_ + ",B,"));
}

}  // namespace
