# Creates the folder tree of the install medium and copies the program files.
# Generated content is written by the generator targets before this runs.
include("${CMAKE_CURRENT_LIST_DIR}/InstallLayout.cmake")
vx7_read_install_layout("${LAYOUT_NAMES}")
foreach(key WorkFolder PhotoFolder SystemPictureFolder BackgroundFolder MaterialStore ProgramSubFolder)
  file(MAKE_DIRECTORY "${MEDIUM_DIR}/${VX7_LAYOUT_${key}}")
endforeach()
foreach(category IN LISTS CATEGORIES)
  foreach(sub "${VX7_LAYOUT_MaterialPictureFolder}" "${VX7_LAYOUT_MaterialSoundFolder}" "${VX7_LAYOUT_MaterialShowFolder}")
    file(MAKE_DIRECTORY "${MEDIUM_DIR}/${category}/${sub}")
  endforeach()
endforeach()
# The main program is installed under its layout name; the other program files keep
# their build names.
foreach(f IN LISTS PROGRAM_FILES)
  get_filename_component(name "${f}" NAME)
  if(name STREQUAL "vx7ECamera")
    set(name "${VX7_LAYOUT_ProgramFile}")
  endif()
  file(COPY_FILE "${f}" "${MEDIUM_DIR}/${VX7_LAYOUT_ProgramSubFolder}/${name}" ONLY_IF_DIFFERENT)
endforeach()
