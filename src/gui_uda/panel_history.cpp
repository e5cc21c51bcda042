// The history of a panel: a list of steps and how many of them are done.
#include "gui_uda/panel_history.h"

#include <algorithm>

void PanelHistory::record(std::unique_ptr<PanelStep> step) {
  if (saved_ && *saved_ > done_) saved_.reset();
  for (std::size_t undone = done_; undone < sizes_.size(); ++undone) kept_bytes_ -= sizes_[undone];
  steps_.resize(done_);
  sizes_.resize(done_);
  sizes_.push_back(step->memory_size());
  kept_bytes_ += sizes_.back();
  steps_.push_back(std::move(step));
  done_ = steps_.size();
  // The oldest steps go while the history holds more than its budget, the newest always stays.
  std::size_t drop = 0;
  for (std::size_t bytes = kept_bytes_; bytes > memory_budget && drop + 1 < steps_.size(); ++drop)
    bytes -= sizes_[drop];
  if (drop == 0) return;
  for (std::size_t i = 0; i < drop; ++i) kept_bytes_ -= sizes_[i];
  steps_.erase(steps_.begin(), steps_.begin() + static_cast<std::ptrdiff_t>(drop));
  sizes_.erase(sizes_.begin(), sizes_.begin() + static_cast<std::ptrdiff_t>(drop));
  done_ -= drop;
  dropped_ += drop;
  // A saved state among the dropped steps can no longer be reached by undoing.
  if (saved_) saved_ = *saved_ >= drop ? std::optional(*saved_ - drop) : std::nullopt;
}

PanelStep* PanelHistory::to_undo() const { return done_ > 0 ? steps_[done_ - 1].get() : nullptr; }

PanelStep* PanelHistory::to_redo() const { return done_ < steps_.size() ? steps_[done_].get() : nullptr; }

void PanelHistory::undone() {
  if (done_ > 0) --done_;
}

void PanelHistory::redone() {
  if (done_ < steps_.size()) ++done_;
}

void PanelHistory::mark_saved() { saved_ = done_; }

bool PanelHistory::differs_from_saved() const {
  if (!saved_) return true;
  const std::size_t from = std::min(*saved_, done_);
  const std::size_t to = std::max(*saved_, done_);
  return std::any_of(steps_.begin() + static_cast<std::ptrdiff_t>(from),
                     steps_.begin() + static_cast<std::ptrdiff_t>(to),
                     [](const auto& step) { return step->changes_sidecar(); });
}

void PanelHistory::clear() {
  steps_.clear();
  sizes_.clear();
  kept_bytes_ = 0;
  dropped_ = 0;
  done_ = 0;
  saved_ = 0;
}
