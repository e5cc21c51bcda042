// What torv-host's help command prints: the session language, a command a line.
#pragma once

namespace host {

inline constexpr const char* session_help =
    "Objects are named by their IFC GUID, or as @N, the N-th object of the model.\n"
    "  ribbon                          the plug-in's ribbon group and context-menu drop-down\n"
    "  click CAPTION|ID                click a ribbon button or drop-down entry\n"
    "  select GUID... | select none    select objects in the 3D view\n"
    "  hover GUID                      move the mouse onto an object\n"
    "  context                         open the context menu and list the plug-in's entries\n"
    "  choose ENTRY                    choose an entry of the context menu's drop-down\n"
    "  panel batch|status ACTION       row N, swatch N, key enter|space|up|down, dblclick,\n"
    "                                  auto-select on|off, menu [add|rename|delete], open, save, close\n"
    "  answer save|open PATH|cancel    the answer of the next file dialog\n"
    "  answer color AARRGGBB|cancel    the answer of the next colour dialog\n"
    "  answer name TEXT|cancel         what is typed into the next add or rename dialog\n"
    "  answer yes|no                   the answer to the next question box\n"
    "  print panel batch|status        the panel's rows: name, count, colour\n"
    "  print colors                    the colours the viewer shows, with their object counts\n"
    "  print selection|hover           the selected or highlighted objects\n"
    "  print recovery                  the plug-in's recovery files of the loaded model\n"
    "  snapshot panel batch|status FILE.png    a picture of the panel\n"
    "  snapshot dialog color|name|open|save|message FILE.png\n"
    "                                  a picture of the next such dialog, filled, before it is confirmed\n"
    "  render FILE.png [WIDTH HEIGHT]  a picture of the model in the colours the viewer shows\n"
    "  load MODEL.ifc | load --generate SPEC   load another model\n"
    "  help                            this list\n"
    "  quit                            unload the plug-in and exit\n";

}  // namespace host
