# Build helpers: libraries made of a folder, tests of every kind, the asset copy.
#
#   orvanel_gtest(NAME n SOURCES ... LIBS ... [ENVIRONMENT e])
#                                               GoogleTest logic test, label "logic";
#                                               also built and run under the sanitizers.
#   orvanel_qtest(NAME n SOURCES ... LIBS ...)  Qt Test widget test, offscreen, label "widget".
#   orvanel_e2e(NAME n SCRIPT s)                end-to-end script under Xvfb, label "e2e".

add_custom_target(orvanel_logic_tests)

# What every test program shares: tests/ on its include path (tests/support), and a run of
# its own through tests/support/yalitilmis.sh (home, runtime folder, UTC, C locale), so that
# `ctest -j` never makes two tests meet and no test sees the machine's zone or locale.
function(orvanel_test_target target)
  set_property(GLOBAL APPEND PROPERTY ORVANEL_TEST_PROGRAMS ${target})
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
                        "${CMAKE_SOURCE_DIR}/tests/support/yalitilmis.sh")
endfunction()

function(orvanel_gtest)
  cmake_parse_arguments(T "" "NAME;TIMEOUT;ENVIRONMENT" "SOURCES;LIBS" ${ARGN})
  # One main for all, with a QCoreApplication (tests/support/gtest_ana.cpp).
  add_executable(${T_NAME} ${T_SOURCES} ${CMAKE_SOURCE_DIR}/tests/support/gtest_ana.cpp)
  orvanel_test_target(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  target_compile_definitions(${T_NAME} PRIVATE ORVANEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                               ORVANEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  gtest_discover_tests(${T_NAME} DISCOVERY_MODE PRE_TEST
                       PROPERTIES LABELS logic TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${T_ENVIRONMENT}")
  add_dependencies(orvanel_logic_tests ${T_NAME})
endfunction()

function(orvanel_qtest)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(ORVANEL_LOGIC_ONLY)
    return()
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  orvanel_test_target(${T_NAME})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} Qt6::Test)
  target_compile_definitions(${T_NAME} PRIVATE ORVANEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
                                               ORVANEL_BINARY_DIR="${CMAKE_BINARY_DIR}")
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES LABELS widget TIMEOUT ${T_TIMEOUT}
                       ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8")
endfunction()

function(orvanel_e2e)
  cmake_parse_arguments(T "" "NAME;SCRIPT;TIMEOUT" "DEPENDS" ${ARGN})
  if(ORVANEL_LOGIC_ONLY)
    return()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_test(NAME ${T_NAME} COMMAND bash ${T_SCRIPT} ${CMAKE_BINARY_DIR})
  set_tests_properties(${T_NAME} PROPERTIES LABELS e2e TIMEOUT ${T_TIMEOUT} RUN_SERIAL TRUE)
endfunction()

# Copies the run-time files (data.db, sounds, icons) next to the executables.
function(orvanel_copy_assets target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -DSRC=${ORVANEL_ASSETS_DIR} -DDST=${CMAKE_BINARY_DIR}
            -P ${CMAKE_SOURCE_DIR}/cmake/CopyAssets.cmake
    VERBATIM)
endfunction()

# A library of every .cpp/.h directly in DIR, so that folders grow by adding files. Its link
# line names exactly the folders and Qt modules its code includes: PUBLIC those its headers
# include, PRIVATE the rest.
#   orvanel_library(NAME n DIR d [PUBLIC ...] [PRIVATE ...])
function(orvanel_library)
  cmake_parse_arguments(L "" "NAME;DIR" "PUBLIC;PRIVATE;LIBS" ${ARGN})
  list(APPEND L_PUBLIC ${L_LIBS})
  file(GLOB sources CONFIGURE_DEPENDS ${L_DIR}/*.cpp ${L_DIR}/*.h)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  add_library(${L_NAME} STATIC ${sources})
  target_include_directories(${L_NAME} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${L_NAME} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
endfunction()

# The skin pictures of assets/skin, compiled into `target` as the resources ":/skin/<name>.png".
# The list is assets/skin/skin.qrc, which tools/skin writes together with the pictures.
function(orvanel_skin_resources target)
  set(qrc ${ORVANEL_ASSETS_DIR}/skin/skin.qrc)
  file(STRINGS ${qrc} qrc_lines REGEX "<file>")
  set(files)
  foreach(line IN LISTS qrc_lines)
    string(REGEX REPLACE ".*<file>(.*)</file>.*" "${ORVANEL_ASSETS_DIR}/skin/\\1" file "${line}")
    list(APPEND files ${file})
  endforeach()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${qrc})
  # The target form hands the resource objects on to every program that links `target`.
  qt_add_resources(${target} orvanel_skin_pictures PREFIX /skin BASE ${ORVANEL_ASSETS_DIR}/skin
                   FILES ${files})
endfunction()

# The skin pictures `names` also in the form they are drawn, compiled into `target` without
# compression as ":/skin/argb/<name>.argb" (tools/rawskin), so that SkinResmi takes them without
# decoding a PNG: for the pictures a program shows on its first frame.
function(orvanel_raw_skin target)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/argb)
  set(pngs)
  set(files)
  foreach(name IN LISTS ARGN)
    list(APPEND pngs ${ORVANEL_ASSETS_DIR}/skin/${name}.png)
    list(APPEND files ${out}/${name}.argb)
  endforeach()
  add_custom_command(OUTPUT ${files}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
                     COMMAND orvanel-rawskin ${out} ${pngs}
                     DEPENDS orvanel-rawskin ${pngs}
                     COMMENT "Converting the first frame's pictures"
                     VERBATIM)
  qt_add_resources(${target} orvanel_raw_skin_pictures PREFIX /skin/argb BASE ${out}
                   FILES ${files} OPTIONS -no-compress)
endfunction()
