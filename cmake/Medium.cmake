# The install medium: build/medium/<program folder> with every data folder, the
# generated content and, in the program sub-folder, the program files (names from
# core/InstallLayout.names).
#
# Subsystems contribute through three global properties, set with the functions below:
#   VX7_MEDIUM_PROGRAMS    targets whose files are copied into the program sub-folder
#   VX7_MEDIUM_GENERATORS  targets that write generated content into VX7_MEDIUM_DIR
#   VX7_MEDIUM_PLACED      "target|path" pairs: a target's file copied to a path
#                          relative to VX7_MEDIUM_ROOT (the folder holding the medium)
# The medium target itself is created by vx7_finish_medium() at the end of the
# top-level CMakeLists, when every contribution is known.

set(VX7_MEDIUM_ROOT "${CMAKE_BINARY_DIR}/medium")
set(VX7_MEDIUM_DIR "${VX7_MEDIUM_ROOT}/${VX7_LAYOUT_ProgramFolder}")
set(VX7_MEDIUM_CATEGORIES "${VX7_LAYOUT_WomenswearCategory}" "${VX7_LAYOUT_AccessoriesCategory}")

function(vx7_add_to_medium target)
  set_property(GLOBAL APPEND PROPERTY VX7_MEDIUM_PROGRAMS ${target})
endfunction()

function(vx7_add_medium_generator target)
  set_property(GLOBAL APPEND PROPERTY VX7_MEDIUM_GENERATORS ${target})
endfunction()

# Copies a target's file to <relative path> below VX7_MEDIUM_ROOT, under that name.
function(vx7_add_to_medium_as target relative_path)
  set_property(GLOBAL APPEND PROPERTY VX7_MEDIUM_PLACED "${target}|${relative_path}")
endfunction()

function(vx7_finish_medium)
  get_property(programs GLOBAL PROPERTY VX7_MEDIUM_PROGRAMS)
  get_property(generators GLOBAL PROPERTY VX7_MEDIUM_GENERATORS)
  set(files "")
  foreach(t IN LISTS programs)
    list(APPEND files "$<TARGET_FILE:${t}>")
  endforeach()
  get_property(placed GLOBAL PROPERTY VX7_MEDIUM_PLACED)
  set(place_commands "")
  set(placed_targets "")
  foreach(pair IN LISTS placed)
    string(REPLACE "|" ";" parts "${pair}")
    list(GET parts 0 t)
    list(GET parts 1 rel)
    list(APPEND place_commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
      "$<TARGET_FILE:${t}>" "${VX7_MEDIUM_ROOT}/${rel}")
    list(APPEND placed_targets ${t})
  endforeach()
  add_custom_target(medium ALL
    COMMAND ${CMAKE_COMMAND}
      "-DMEDIUM_DIR=${VX7_MEDIUM_DIR}"
      "-DCATEGORIES=${VX7_MEDIUM_CATEGORIES}"
      "-DPROGRAM_FILES=${files}"
      "-DLAYOUT_NAMES=${CMAKE_SOURCE_DIR}/core/InstallLayout.names"
      -P "${CMAKE_SOURCE_DIR}/cmake/LayOutMedium.cmake"
    ${place_commands}
    COMMENT "Laying out the install medium"
    VERBATIM)
  if(programs OR generators OR placed_targets)
    add_dependencies(medium ${programs} ${generators} ${placed_targets})
  endif()
endfunction()
