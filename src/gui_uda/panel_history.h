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
};

class PanelHistory {
 public:
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

 private:
  std::vector<std::unique_ptr<PanelStep>> steps_;
  std::size_t done_ = 0;
  // How many steps were done when the list was last saved or read; nothing when that state was
  // dropped with the steps undone before a new change.
  std::optional<std::size_t> saved_ = 0;
};
