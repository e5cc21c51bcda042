// The history of a panel: a list of steps and how many of them are done.
#include "gui_uda/panel_history.h"

#include <algorithm>

void PanelHistory::record(std::unique_ptr<PanelStep> step) {
  if (saved_ && *saved_ > done_) saved_.reset();
  steps_.resize(done_);
  steps_.push_back(std::move(step));
  done_ = steps_.size();
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
  done_ = 0;
  saved_ = 0;
}
