# The note's core, the settings and theme files, the note dialogs' rules, the
# objects scripts reach with a run of a script, and the interpreter never
# depend on widgets: the core links only QtCore and the
# interpreter no Qt at all, so both run without a display. The launcher too:
# it must start in a blink, without the GUI libraries.
file(GLOB_RECURSE core_sources ${ROOT}/core/*.h ${ROOT}/core/*.cpp ${ROOT}/shell/settings/*.h ${ROOT}/shell/settings/*.cpp
     ${ROOT}/shell/theme/core/*.h ${ROOT}/shell/theme/core/*.cpp
     ${ROOT}/tools/export/note_export.h ${ROOT}/tools/export/note_export.cpp ${ROOT}/launcher/*.h ${ROOT}/launcher/*.cpp
     ${ROOT}/script/host/objects/*.h ${ROOT}/script/host/objects/*.cpp
     ${ROOT}/script/host/run/run_file.* ${ROOT}/script/host/run/script_run.*)
foreach(rule note_names last_folder file_pattern folder_listing dialog_placement)
  list(APPEND core_sources ${ROOT}/shell/dialogs/${rule}.h ${ROOT}/shell/dialogs/${rule}.cpp)
endforeach()
file(GLOB_RECURSE interpreter_sources ${ROOT}/script/vbs/*.h ${ROOT}/script/vbs/*.cpp)
set(offenders)
foreach(source ${core_sources})
  file(STRINGS ${source} includes REGEX "^#include <Qt(Widgets|Gui)|^#include <Q(Widget|Application|PlainTextEdit|Label|Menu|Painter|Color|Font)>")
  if(includes)
    list(APPEND offenders "${source}: ${includes}")
  endif()
endforeach()
foreach(source ${interpreter_sources})
  file(STRINGS ${source} includes REGEX "^#include <Q")
  if(includes)
    list(APPEND offenders "${source}: ${includes}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " listing)
  message(FATAL_ERROR "Widget or Qt includes where none belong:\n  ${listing}")
endif()
message(STATUS "core and interpreter are free of widget includes")
