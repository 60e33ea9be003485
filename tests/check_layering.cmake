cmake_minimum_required(VERSION 3.25)
# The folders are floors: each includes only its own floor and those below
#   vbs      the interpreter: standard C++, no Qt at all
#   core     the note and its files: QtCore
#   script   scripts against the note, the calculator's evaluation: QtCore
#   ui       what every window stands on: widgets
#   windows  the windows themselves
#   app, launcher, packaging   the programs
# and the floors below ui never include widgets, so the note, its files and
# its scripts run without a display. The launcher links only QtCore too: it
# must start in a blink.
set(floor_vbs vbs)
set(floor_core core)
set(floor_script script core vbs)
set(floor_ui ui script core vbs)
set(floor_windows windows ui script core vbs)
set(floor_launcher launcher core)
set(floor_app app windows ui script core vbs launcher)
set(floor_packaging packaging ui core)
set(widget_free core script launcher)

set(offenders)
foreach(folder vbs core script ui windows launcher app packaging)
  file(GLOB_RECURSE sources ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^#include \"[^\"/]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^#include \"([^\"/]+)/.*" "\\1" target "${line}")
      if(NOT target IN_LIST floor_${folder})
        list(APPEND offenders "${source}: ${folder}/ may not include ${target}/ (${line})")
      endif()
    endforeach()
    if(folder STREQUAL vbs)
      file(STRINGS ${source} qt REGEX "^#include <Q")
    elseif(folder IN_LIST widget_free)
      file(STRINGS ${source} qt REGEX "^#include <Qt(Widgets|Gui)|^#include <Q(Widget|Application|GuiApplication|PlainTextEdit|Label|Menu|Painter|Color|Font|Pixmap|Icon|Screen)>")
    else()
      set(qt)
    endif()
    if(qt)
      list(APPEND offenders "${source}: ${qt}")
    endif()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " listing)
  message(FATAL_ERROR "Includes that run against the floors:\n  ${listing}")
endif()
message(STATUS "every include runs down the floors; core, script and the launcher are free of widgets, the interpreter of Qt")
