// The functions the plug-in hands to the viewer: one per viewer event, plus the button callback.
#pragma once

#include "interface/viewer_records.h"

namespace cpp {

// Asks the viewer which button was clicked and passes the id to on_button_click.
void TORV_CALL button_clicked();

// The fourteen events registered before the plug-in's on_plugin_load runs, in their order.
void register_early_callbacks(viewer::HostHandle host);

// on_model_load, then on_save_bvf: registered after the plug-in's on_plugin_load has returned.
void register_late_callbacks(viewer::HostHandle host);

}  // namespace cpp
