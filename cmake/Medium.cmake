# The install medium: build/medium/摄像头拍照(动画)Snapo2011 with every data folder,
# the generated content and, in vx7ECamProg, the program files.
#
# Subsystems contribute through two global properties, set with the functions below:
#   VX7_MEDIUM_PROGRAMS    targets whose files are copied into vx7ECamProg
#   VX7_MEDIUM_GENERATORS  targets that write generated content into VX7_MEDIUM_DIR
# The medium target itself is created by vx7_finish_medium() at the end of the
# top-level CMakeLists, when every contribution is known.

set(VX7_MEDIUM_ROOT "${CMAKE_BINARY_DIR}/medium")
set(VX7_MEDIUM_DIR "${VX7_MEDIUM_ROOT}/摄像头拍照(动画)Snapo2011")
set(VX7_MEDIUM_CATEGORIES "秋冬新款女装" "饰品")

function(vx7_add_to_medium target)
  set_property(GLOBAL APPEND PROPERTY VX7_MEDIUM_PROGRAMS ${target})
endfunction()

function(vx7_add_medium_generator target)
  set_property(GLOBAL APPEND PROPERTY VX7_MEDIUM_GENERATORS ${target})
endfunction()

function(vx7_finish_medium)
  get_property(programs GLOBAL PROPERTY VX7_MEDIUM_PROGRAMS)
  get_property(generators GLOBAL PROPERTY VX7_MEDIUM_GENERATORS)
  set(files "")
  foreach(t IN LISTS programs)
    list(APPEND files "$<TARGET_FILE:${t}>")
  endforeach()
  add_custom_target(medium ALL
    COMMAND ${CMAKE_COMMAND}
      "-DMEDIUM_DIR=${VX7_MEDIUM_DIR}"
      "-DCATEGORIES=${VX7_MEDIUM_CATEGORIES}"
      "-DPROGRAM_FILES=${files}"
      -P "${CMAKE_SOURCE_DIR}/cmake/LayOutMedium.cmake"
    COMMENT "Laying out the install medium"
    VERBATIM)
  if(programs OR generators)
    add_dependencies(medium ${programs} ${generators})
  endif()
endfunction()
