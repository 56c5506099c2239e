# Copies assets/ into the program folder; a file already there is replaced only by a newer one.
# The skin pictures are compiled into the programs (assets/skin, library orvanel_skin), so they
# and the build description stay behind; the icons, sounds and data.db are copied.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f ${files})
  if(f MATCHES "^(src|svg|skin)/" OR f STREQUAL "CMakeLists.txt")
    continue()
  endif()
  get_filename_component(dir ${DST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  if(NOT EXISTS ${DST}/${f} OR ${SRC}/${f} IS_NEWER_THAN ${DST}/${f})
    file(COPY_FILE ${SRC}/${f} ${DST}/${f} ONLY_IF_DIFFERENT)
  endif()
endforeach()
