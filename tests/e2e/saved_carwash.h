// The car wash saved as a model file, and a fabrication coordinator's round on it. The Linux
// build, which reads IFC files, leaves the saved model and what its round shows in a folder of
// the build tree; the Windows build, which cannot read IFC files, plays the same round on that
// file and compares.
#pragma once

#include <filesystem>
#include <string>

namespace torv_test::saved_carwash {

inline constexpr const char* ifc_file = "tekla-carwash-batched.ifc";
inline constexpr const char* model_file = "tekla-carwash-batched.tvm";
// What the round leaves in its folder: the printed batch panel, the side-car file and the report.
inline constexpr const char* panel_file = "batch-panel.txt";
inline constexpr const char* sidecar_file = "tekla-carwash-batched.batching.csv";
inline constexpr const char* report_file = "report.csv";

// A beam of the car wash, and the assembly it belongs to (in "Batch 1").
inline constexpr const char* beam = "1BZBf$00020Z4oDZSrCJKv";
inline constexpr const char* beam_assembly = "1BZBf$00020p4oDZSrCJKv";

// The batch panel, the beam's assembly moved to "Batch 9", the side-car file saved and the report
// exported into folder, the panel printed and closed.
inline std::string round(const std::filesystem::path& folder) {
  return std::string("click Batches\nselect ") + beam + "\ncontext\nchoose Batch 9\n" + "answer save " +
         (folder / sidecar_file).string() + "\npanel batch save\n" + "answer save " +
         (folder / report_file).string() + "\nclick Export\n" + "print panel batch\npanel batch close\n";
}

// The printed panel of the first round in out after position from: from its caption line up to
// the next line that begins "model: ", or the end.
inline std::string printed_panel(const std::string& out, std::size_t from = 0) {
  // The caption ends in " *" while the list holds changes not saved beside the model.
  const auto start = out.find("\nBatches", from);
  if (start == std::string::npos) return {};
  const auto end = out.find("\nmodel: ", start + 1);
  return out.substr(start + 1, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace torv_test::saved_carwash
