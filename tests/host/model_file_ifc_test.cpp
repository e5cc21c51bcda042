// Real IFC files through the model file: what the IFC import gives and what the saved file gives
// back are the same model, object for object.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/same_model.h"
#include "model/ifc_import.h"
#include "model/model_file.h"
#include "support/case_label.h"
#include "support/needed_files.h"
#include "support/temp_folder.h"

namespace {

struct RealFileCase {
  const char* label;
  std::filesystem::path file;
};

void PrintTo(const RealFileCase& c, std::ostream* out) { *out << c.label; }

class SavedRealModel : public ::testing::TestWithParam<RealFileCase> {};

TEST_P(SavedRealModel, ReadsBackAsTheModelTheIfcFileGave) {
  const std::filesystem::path& file = GetParam().file;
  TORV_NEEDS(std::filesystem::exists(file), "the real models are not here: " << file << " is missing");
  const host::Model model = host::read_ifc_model(file);
  const torv_test::TempFolder folder;
  host::write_model_file(model, folder.path() / "saved.tvm");
  const host::Model saved = host::read_model_file(folder.path() / "saved.tvm");
  EXPECT_TRUE(torv_test::same_model(model, saved));
}

INSTANTIATE_TEST_SUITE_P(
    Files, SavedRealModel,
    ::testing::Values(RealFileCase{"carwash_batched",
                                   std::filesystem::path(TORV_SHARED_MODELS) / "tekla-carwash-batched.ifc"},
                      RealFileCase{"ifc4_openhouse",
                                   std::filesystem::path(TORV_SHARED_MODELS) / "ifc4-openhouse.ifc"},
                      RealFileCase{"steel_hall", std::filesystem::path(TORV_SAMPLES) / "steel-hall.ifc"}),
    torv_test::CaseLabel());

}  // namespace
