// The changes made in a panel, to be taken back and made again one at a time, and whether the list
// differs from what was last saved or read.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class Tfrm_uda;

// One change. A step keeps what the change touched, not a copy of the list.
class PanelStep {
 public:
  virtual ~PanelStep() = default;
  virtual void undo(Tfrm_uda& panel) = 0;
  virtual void redo(Tfrm_uda& panel) = 0;
  // What the step did, in the user's language: "assign 4 objects to Batch 3".
  virtual std::u16string description(const Tfrm_uda& panel) const = 0;
  // Whether the step changes what a save writes (a colour does not: colours are kept by name).
  virtual bool changes_sidecar() const { return true; }
  // Whether the step brought back changes from a recovery file of an earlier session.
  virtual bool restores_unsaved_work() const { return false; }
  // The memory the step keeps: its own object and the lists and texts it holds.
  virtual std::size_t memory_size() const = 0;
};

class PanelHistory {
 public:
  // The memory the steps may keep together; the oldest go first beyond it, the last one stays
  // whatever its size. A whole-model step at a million objects keeps about 16 MB.
  static constexpr std::size_t memory_budget = 64 * 1024 * 1024;

  // A change just made: the steps undone before it are dropped, as editors do.
  void record(std::unique_ptr<PanelStep> step);
  // The step an undo or a redo would take; null when there is none.
  PanelStep* to_undo() const;
  PanelStep* to_redo() const;
  // After the step to_undo() or to_redo() gave was taken back or made again.
  void undone();
  void redone();
  // The list is what was last saved or read.
  void mark_saved();
  // Whether a save would write something else than what was last saved or read.
  bool differs_from_saved() const;
  // The history ends: a model cleared or loaded, the list refilled.
  void clear();

  const std::vector<std::unique_ptr<PanelStep>>& steps() const { return steps_; }
  std::size_t done() const { return done_; }
  // How many of the oldest steps went to keep the history within its budget.
  std::size_t dropped() const { return dropped_; }

 private:
  std::vector<std::unique_ptr<PanelStep>> steps_;
  // Each step's memory_size() when it was recorded: a step's lists change hands as it is undone
  // and redone, but what it counts against the budget does not.
  std::vector<std::size_t> sizes_;
  std::size_t kept_bytes_ = 0;
  std::size_t dropped_ = 0;
  std::size_t done_ = 0;
  // How many steps were done when the list was last saved or read; nothing when that state was
  // dropped with the steps undone before a new change.
  std::optional<std::size_t> saved_ = 0;
};
