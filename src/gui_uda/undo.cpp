// The panel's history: a change recorded, taken back and made again, and the steps listed.
#include <memory>
#include <utility>

#include "gui_uda/count_text.h"
#include "gui_uda/tfrm_uda.h"
#include "toolkit/cursor.h"

void Tfrm_uda::record(std::unique_ptr<PanelStep> step) {
  history.record(std::move(step));
  forget_totals();
  note_change();
}

void Tfrm_uda::undo() {
  PanelStep* step = history.to_undo();
  if (step == nullptr) return;
  const toolkit::CursorWait wait;
  // Changes of an earlier session go out of the list: they stay in a kept copy.
  if (step->restores_unsaved_work()) keep_unsaved_aside();
  step->undo(*this);
  history.undone();
  after_history_step();
}

void Tfrm_uda::redo() {
  PanelStep* step = history.to_redo();
  if (step == nullptr) return;
  const toolkit::CursorWait wait;
  step->redo(*this);
  history.redone();
  after_history_step();
}

void Tfrm_uda::after_history_step() {
  forget_totals();
  set_row_count_and_layout();
  apply_colors();
  note_change();
}

std::u16string Tfrm_uda::history_listing() const {
  const auto& steps = history.steps();
  std::u16string listing;
  if (const std::size_t dropped = history.dropped(); dropped > 0)
    listing += u"  (" + counted_text("history_dropped", {dropped}, count_text(dropped)) + u")\n";
  listing += history.done() == 0 ? u"> start\n" : u"  start\n";
  for (std::size_t i = 0; i < steps.size(); ++i) {
    listing += i + 1 == history.done() ? u"> " : u"  ";
    listing += steps[i]->description(*this);
    listing += u'\n';
  }
  return listing;
}
