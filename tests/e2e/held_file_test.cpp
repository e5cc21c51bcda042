// Files that another program (a spreadsheet) holds open without sharing, in the Windows build: an
// export over one fails with the system's reason and leaves nothing beside it, and every message
// ends in one full stop, not in the system's own and then ours.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/case_label.h"
#include "support/panel_fixture.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

enum class Action { export_file, fill_panel };

struct HeldCase {
  const char* label;
  const char* name;  // in the model's folder
  Action action;
  const char* told;
};

void PrintTo(const HeldCase& c, std::ostream* out) { *out << c.label; }

class HeldFile : public torv_test::PanelFixture, public ::testing::WithParamInterface<HeldCase> {};

TEST_P(HeldFile, IsLeftAsItWasWithNothingBesideItAndToldInOneSentence) {
  const HeldCase& c = GetParam();
  load_model("storeys=1,assemblies=2,values=A;B");
  const std::filesystem::path file = sidecar("batching").parent_path() / c.name;
  const std::string old = "IFC GUID,BATCH\r\n" + guid_of("Assembly 1") + ",Theirs\r\n";
  torv_test::write_file(file, old);
  std::vector<std::filesystem::path> before;
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
    before.push_back(entry.path());
  const HANDLE held = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  run_session(c.action == Action::export_file ? "answer save " + file.string() + "\nclick Export\n"
                                              : "click Batches\n");
  CloseHandle(held);

  EXPECT_EQ(torv_test::read_file(file), old);
  std::vector<std::filesystem::path> after;
  for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
    after.push_back(entry.path());
  EXPECT_EQ(after, before);
  ASSERT_EQ(state().desktop.messages.size(), 1u);
  const std::string& message = state().desktop.messages[0];
  EXPECT_THAT(message, HasSubstr(c.told));
  EXPECT_THAT(message, Not(HasSubstr("..")));
  if (c.action == Action::export_file) {
    // The second line is the file and the system's reason, which the message does not end itself.
    EXPECT_THAT(message, HasSubstr("\n" + file.string() + ": "));
    EXPECT_THAT(message, Not(::testing::EndsWith(".")));
  }
}

INSTANTIATE_TEST_SUITE_P(Files, HeldFile,
                         ::testing::Values(HeldCase{"report", "report.csv", Action::export_file,
                                                    "The CSV file could not be saved."},
                                           HeldCase{"workbook", "report.xlsx", Action::export_file,
                                                    "The workbook could not be saved."},
                                           HeldCase{"sidecar", "model.batching.csv", Action::fill_panel,
                                                    "model.batching.csv could not be read: "}),
                         torv_test::CaseLabel());

}  // namespace
