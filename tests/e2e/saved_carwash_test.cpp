// The Windows torv-host.exe on the car wash that the Linux build read from its IFC file and saved
// as a model file: the batch panel it prints, the side-car file and the report it writes are the
// Linux build's, byte for byte. None of them holds a path.
#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <string>

#include "e2e/saved_carwash.h"
#include "support/needed_files.h"
#include "support/run_program.h"
#include "support/temp_folder.h"

namespace {

namespace saved_carwash = torv_test::saved_carwash;

const std::filesystem::path fixtures = std::filesystem::path(TORV_SHARED_FIXTURES) / "carwash";

// The panel's rows without their colour column (the last of each row).
std::string without_colors(const std::string& panel) {
  std::string out;
  std::size_t start = 0;
  while (start < panel.size()) {
    const std::size_t end = panel.find('\n', start);
    const std::string row = panel.substr(start, end - start);
    const std::size_t tab = row.rfind('\t');
    out += (tab == std::string::npos ? row : row.substr(0, tab)) + '\n';
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return out;
}

TEST(SavedCarWash, ShowsAndWritesWhatTheLinuxBuildDoes) {
  TORV_NEEDS(std::filesystem::exists(fixtures / saved_carwash::model_file),
             "no car wash saved by the Linux build in " << fixtures
                                                        << ": ctest --preset linux leaves it there when "
                                                           "../shared/models holds "
                                                        << saved_carwash::ifc_file);
  const torv_test::TempFolder folder;
  std::filesystem::copy_file(fixtures / saved_carwash::model_file, folder.path() / saved_carwash::model_file);
  std::filesystem::create_directory(folder.path() / "round");
  torv_test::write_file(folder.path() / "round.txt", saved_carwash::round(folder.path() / "round"));
  const auto result = torv_test::run_torv_host({(folder.path() / saved_carwash::model_file).string(),
                                                "--script", (folder.path() / "round.txt").string()});
  ASSERT_EQ(result.exit_code, 0) << result.errors;
  // How long the model file took to read, for whoever looks at the test's output.
  if (const auto at = result.out.find("model: "); at != std::string::npos) {
    std::cout << result.out.substr(at, result.out.find('\n', at) - at) << '\n';
  }

  // The colours are the ones this user remembered by name, which the Windows build keeps in the
  // user's own folder: the names and counts are compared.
  EXPECT_EQ(without_colors(saved_carwash::printed_panel(result.out)),
            without_colors(torv_test::read_file(fixtures / saved_carwash::panel_file)));
  for (const char* file : {saved_carwash::sidecar_file, saved_carwash::report_file}) {
    EXPECT_EQ(torv_test::read_file(folder.path() / "round" / file), torv_test::read_file(fixtures / file))
        << file;
  }
}

}  // namespace
