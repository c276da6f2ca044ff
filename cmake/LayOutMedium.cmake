# Creates the folder tree of the install medium and copies the program files.
# Generated content is written by the generator targets before this runs.
foreach(sub
    "tmpBmpData" "2011拍照图片" "ephoto_syspic" "vx7Ecamsys背景图片" "vx7Ecamsys素材仓库" "vx7ECamProg")
  file(MAKE_DIRECTORY "${MEDIUM_DIR}/${sub}")
endforeach()
foreach(category IN LISTS CATEGORIES)
  foreach(sub "试衣及按钮图片" "音乐及语音" "展示及说明图片")
    file(MAKE_DIRECTORY "${MEDIUM_DIR}/${category}/${sub}")
  endforeach()
endforeach()
# The main program is installed under the name "vx7Ecamera"; the other program
# files keep their build names.
foreach(f IN LISTS PROGRAM_FILES)
  get_filename_component(name "${f}" NAME)
  if(name STREQUAL "vx7ECamera")
    set(name "vx7Ecamera")
  endif()
  file(COPY_FILE "${f}" "${MEDIUM_DIR}/vx7ECamProg/${name}" ONLY_IF_DIFFERENT)
endforeach()
