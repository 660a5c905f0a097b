# Helpers shared by every target of the project.

# Our own code builds warning-free.
function(nolt_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# With Ninja, the moc step of a target does not re-run when a re-glob adds a
# header (its inputs are only the headers it saw last time), so the new class
# links without its meta-object. When a target's header list changes, the
# step's stamp is removed so that the next build runs it again.
function(nolt_moc_follows_new_headers target sources)
  list(FILTER sources INCLUDE REGEX "\\.h$")
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_headers.txt)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL "${sources}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    file(WRITE ${list_file} "${sources}")
  endif()
endfunction()

# A subsystem library made of every source below its folder.
function(nolt_add_library target)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(${target} STATIC ${sources})
  nolt_moc_follows_new_headers(${target} "${sources}")
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  nolt_warnings(${target})
endfunction()

# Every test case's time limit: a hang fails within minutes, not at the test
# command's 900 s. Far above the slowest case on a loaded machine (about 35 s,
# several times that under the sanitizers).
if(NOLT_SANITIZE)
  set(NOLT_TEST_TIMEOUT 420)
else()
  set(NOLT_TEST_TIMEOUT 180)
endif()

# A GoogleTest executable over every source of the calling folder, with the
# Qt application object created by the shared test main. GUI tests get a
# QApplication (they run under the test command's Xvfb), others a
# QCoreApplication. FUZZ labels the bounded fuzz tests "fuzz" (ctest -L fuzz).
# LOCKS names resources that the test cases take one at a time across every
# test process (for example the keyboard focus of the shared display).
function(nolt_add_test target)
  cmake_parse_arguments(ARG "GUI;FUZZ" "" "LIBS;LABELS;SOURCES;LOCKS" ${ARGN})
  if(ARG_FUZZ)
    list(APPEND ARG_LABELS fuzz)
  endif()
  if(ARG_SOURCES)
    set(sources ${ARG_SOURCES})
  else()
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  add_executable(${target} ${sources})
  nolt_moc_follows_new_headers(${target} "${sources}")
  if(ARG_GUI)
    target_link_libraries(${target} PRIVATE nolt_test_main_gui)
  else()
    target_link_libraries(${target} PRIVATE nolt_test_main_core)
  endif()
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock Qt5::Test)
  target_compile_definitions(${target} PRIVATE
    NOLT_TESTDATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
  nolt_warnings(${target})
  # Empty values would shift the property pairs: only the ones given.
  set(properties TIMEOUT ${NOLT_TEST_TIMEOUT})
  if(ARG_LABELS)
    list(APPEND properties LABELS "${ARG_LABELS}")
  endif()
  if(ARG_LOCKS)
    list(APPEND properties RESOURCE_LOCK "${ARG_LOCKS}")
  endif()
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ${properties})
endfunction()

# A Google Benchmark executable; the test command runs every one briefly.
function(nolt_add_benchmark target)
  cmake_parse_arguments(ARG "" "" "LIBS;SOURCES" ${ARGN})
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBS} benchmark::benchmark Qt5::Core)
  nolt_warnings(${target})
  set_property(GLOBAL APPEND PROPERTY NOLT_BENCHMARKS ${target})
endfunction()

# Adds every direct child folder that has a CMakeLists.txt, so that parallel
# work on sibling folders never edits a shared list.
function(nolt_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child} AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
