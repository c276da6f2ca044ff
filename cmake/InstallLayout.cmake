# Reads core/InstallLayout.names into VX7_LAYOUT_<Key> variables and lists the keys
# in VX7_LAYOUT_KEYS. Included by the top-level CMakeLists before anything uses a name,
# and by the medium script, which runs in a process of its own.
function(vx7_read_install_layout names_file)
  file(STRINGS "${names_file}" lines ENCODING UTF-8)
  set(keys "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^#" OR line STREQUAL "")
      continue()
    endif()
    if(NOT line MATCHES "^([A-Za-z]+)=(.+)$")
      message(FATAL_ERROR "${names_file}: not a \"Key=name\" line: ${line}")
    endif()
    list(APPEND keys "${CMAKE_MATCH_1}")
    set(VX7_LAYOUT_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" PARENT_SCOPE)
  endforeach()
  set(VX7_LAYOUT_KEYS "${keys}" PARENT_SCOPE)
endfunction()
