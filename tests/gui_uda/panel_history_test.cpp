// The history's memory budget: the oldest steps go once the steps together keep more than it, the
// newest always stays, and undo, redo and the saved state keep their meaning across the drop.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gui_uda/panel_history.h"

namespace {

constexpr std::size_t megabyte = 1024 * 1024;

// A step that keeps a given amount of memory and does nothing.
class SizedStep : public PanelStep {
 public:
  explicit SizedStep(std::size_t bytes, bool changes = true) : bytes_(bytes), changes_(changes) {}
  void undo(Tfrm_uda&) override {}
  void redo(Tfrm_uda&) override {}
  std::u16string description(const Tfrm_uda&) const override { return {}; }
  bool changes_sidecar() const override { return changes_; }
  std::size_t memory_size() const override { return bytes_; }

 private:
  std::size_t bytes_;
  bool changes_;
};

PanelStep* record(PanelHistory& history, std::size_t megabytes) {
  auto step = std::make_unique<SizedStep>(megabytes * megabyte);
  PanelStep* recorded = step.get();
  history.record(std::move(step));
  return recorded;
}

TEST(PanelHistory, TheOldestStepsGoBeyondTheBudget) {
  static_assert(PanelHistory::memory_budget == 64 * megabyte);
  PanelHistory history;
  PanelStep* first = record(history, 30);
  record(history, 30);
  EXPECT_EQ(history.steps().size(), 2u);
  EXPECT_EQ(history.dropped(), 0u);
  PanelStep* third = record(history, 30);
  ASSERT_EQ(history.steps().size(), 2u);
  EXPECT_NE(history.steps().front().get(), first);
  EXPECT_EQ(history.dropped(), 1u);
  EXPECT_EQ(history.done(), 2u);
  EXPECT_EQ(history.to_undo(), third);
  // Undone down to the oldest kept step, there is nothing more to undo.
  history.undone();
  history.undone();
  EXPECT_EQ(history.to_undo(), nullptr);
  EXPECT_NE(history.to_redo(), nullptr);
}

TEST(PanelHistory, TheNewestStepStaysWhateverItsSize) {
  PanelHistory history;
  record(history, 10);
  PanelStep* huge = record(history, 200);
  ASSERT_EQ(history.steps().size(), 1u);
  EXPECT_EQ(history.to_undo(), huge);
  EXPECT_EQ(history.dropped(), 1u);
}

TEST(PanelHistory, StepsUndoneAndReplacedNoLongerCount) {
  PanelHistory history;
  record(history, 40);
  record(history, 20);
  history.undone();
  // The undone 20 MB step goes with the new change: 40 + 20 fit.
  record(history, 20);
  EXPECT_EQ(history.steps().size(), 2u);
  EXPECT_EQ(history.dropped(), 0u);
}

TEST(PanelHistory, ASavedStateAmongTheDroppedStepsCannotBeReached) {
  PanelHistory history;
  history.mark_saved();
  record(history, 30);
  record(history, 30);
  EXPECT_TRUE(history.differs_from_saved());
  history.undone();
  history.undone();
  EXPECT_FALSE(history.differs_from_saved());
  history.redone();
  history.redone();
  history.mark_saved();
  record(history, 30);
  // The state saved after the second step stays reachable: one undo.
  EXPECT_EQ(history.dropped(), 1u);
  history.undone();
  EXPECT_FALSE(history.differs_from_saved());
  // Saved before the first step, which is gone: undoing cannot reach that state any more.
  PanelHistory older;
  older.mark_saved();
  for (int i = 0; i < 3; ++i) record(older, 30);
  older.undone();
  older.undone();
  EXPECT_EQ(older.to_undo(), nullptr);
  EXPECT_TRUE(older.differs_from_saved());
}

TEST(PanelHistory, ClearingForgetsTheDroppedCount) {
  PanelHistory history;
  for (int i = 0; i < 5; ++i) record(history, 30);
  EXPECT_EQ(history.dropped(), 3u);
  history.clear();
  EXPECT_EQ(history.dropped(), 0u);
  EXPECT_EQ(history.steps().size(), 0u);
}

}  // namespace
