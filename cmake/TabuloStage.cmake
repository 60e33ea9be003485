# The build lays out a runnable copy of the installed program in <build>/dist:
#   dist/Start, dist/tabulo-calc, dist/tabulo-vbs
#   dist/Tabulo/Tabulo_Bt, dist/Tabulo/Tabulo_Top, dist/Tabulo/Data/...
set(TABULO_DIST_DIR ${CMAKE_BINARY_DIR}/dist CACHE INTERNAL "Staged program layout")

# tabulo_stage(<target> [<subfolder of dist>])
function(tabulo_stage target)
  set(dest ${TABULO_DIST_DIR})
  if(ARGC GREATER 1)
    set(dest ${TABULO_DIST_DIR}/${ARGV1})
  endif()
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${dest})
endfunction()
