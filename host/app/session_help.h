// What torv-host's help command prints: the session language, a command a line.
#pragma once

namespace host {

inline constexpr const char* session_help =
    "Objects are named by their IFC GUID, as @N (the N-th object of the model, from @0), or by the\n"
    "name of the one object so named. Command words, keywords and captions may be in any case.\n"
    "  ribbon                          the plug-in's ribbon group and context-menu drop-down\n"
    "  click CAPTION|ID                click a ribbon button or drop-down entry\n"
    "  find TEXT                       the objects whose GUID, entity, name or tag contain TEXT\n"
    "  select OBJECT... | select none  select objects in the 3D view\n"
    "  hover OBJECT                    move the mouse onto an object\n"
    "  context                         open the context menu and list the plug-in's entries\n"
    "  choose ENTRY                    choose an entry of the context menu's drop-down\n"
    "  panel batch|status ACTION       row N [right], swatch N [right] (right: a right click),\n"
    "                                  key enter|space|up|down|left|right|home|end,\n"
    "                                  dblclick, auto-select on|off, menu [add|rename|delete], open,\n"
    "                                  save, close, keys TEXT (typed into the panel, as for answer keys)\n"
    "  answer save|open PATH|cancel    the answer of the next file dialog\n"
    "  answer color COLOUR|cancel      the answer of the next colour dialog: AARRGGBB, RRGGBB\n"
    "                                  (opaque), #RRGGBB, or none (no colour)\n"
    "  answer name TEXT|cancel         what is typed into the next add or rename dialog\n"
    "  answer keys TEXT                keys typed into the next dialog of any kind once it stands open:\n"
    "                                  characters, {TAB} {SHIFT+TAB} {ENTER} {ESC} {SPACE} {HOME} {END}\n"
    "                                  {LEFT} {RIGHT} {UP} {DOWN} {DEL} {BKSP} ^A ^C ^V ^X ^Z; {WINDOWS}\n"
    "                                  lists the process's windows and the focus at that moment\n"
    "  clipboard TEXT                  put TEXT on the clipboard\n"
    "  settings colors high-contrast|standard, settings font large|standard, settings dpi N\n"
    "                                  change the system's colours, message font or scale\n"
    "                                  (Windows build)\n"
    "  answer yes|no                   the answer to the next question box\n"
    "  print panel batch|status        the panel's rows: name, count, colour\n"
    "  print colors                    the colours the viewer shows, with their object counts\n"
    "  print selection|hover           the selected or highlighted objects\n"
    "  print recovery                  the plug-in's recovery files of the loaded model\n"
    "  snapshot panel batch|status FILE.png    a picture of the panel\n"
    "  snapshot dialog color|name|open|save|message FILE.png\n"
    "                                  a picture of the next such dialog, filled, before it is confirmed\n"
    "  render FILE.png [WIDTH HEIGHT] [--view iso|top|front|side] [--legend]\n"
    "                                  a picture of the model in the colours the viewer shows; the\n"
    "                                  legend lists the visible panel's categories\n"
    "  load MODEL.ifc|MODEL.tvm | load --generate SPEC   load another model\n"
    "  save-model FILE.tvm             write the model (tree, attributes, properties, boxes) to a\n"
    "                                  model file that both builds of torv-host load\n"
    "  help                            this list\n"
    "  quit                            unload the plug-in and exit\n";

}  // namespace host
