# One static library per subsystem folder, built from every .cpp below it except its
# tests/ folder; the tests/ folder becomes one test executable run through Wine.
# New files are picked up without editing any CMakeLists (CONFIGURE_DEPENDS).
# DEPENDS names only libraries below this one: foundation, toolkit, texteditor, player,
# words, downloaders, app (tools/check-layers.py keeps it so). FIXTURES_OF names the
# subsystem whose tests/fixtures folder the tests read (their own by default).

function(add_subsystem NAME)
  cmake_parse_arguments(A "" "FIXTURES_OF" "DEPENDS;LIBS;TEST_LIBS" ${ARGN})
  if(NOT A_FIXTURES_OF)
    set(A_FIXTURES_OF ${NAME})
  endif()
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.c)
  list(FILTER sources EXCLUDE REGEX "/tests/")
  list(FILTER sources EXCLUDE REGEX "/WinMain\\.cpp$")
  if(sources)
    add_library(${NAME} STATIC ${sources})
  else()
    add_library(${NAME} INTERFACE)
  endif()
  get_target_property(kind ${NAME} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${NAME} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${NAME} INTERFACE ${A_DEPENDS} ${A_LIBS})
  else()
    target_include_directories(${NAME} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${NAME} PUBLIC ${A_DEPENDS} ${A_LIBS})
  endif()

  file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
  if(tests)
    add_executable(${NAME}_tests ${tests})
    target_link_libraries(${NAME}_tests PRIVATE ${NAME} testsupport ${A_TEST_LIBS})
    target_compile_definitions(${NAME}_tests PRIVATE
      TEST_FIXTURES_DIR=L"${WIN_SOURCE_DIR}\\\\${A_FIXTURES_OF}\\\\tests\\\\fixtures")
    set_target_properties(${NAME}_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_test(NAME ${NAME} COMMAND ${NAME}_tests --gtest_brief=1 WORKING_DIRECTORY ${RUN_DIR})
    set_tests_properties(${NAME} PROPERTIES ENVIRONMENT "LC_ALL=ja_JP.UTF-8;WINEDEBUG=-all" TIMEOUT 900)
  endif()
endfunction()

# Moves an executable's debug information into NAME.exe.debug beside it, linked back by a
# debug link: under Wine the debug sections of a RelWithDebInfo image stay resident (about
# 26 MB for the player), while a debugger still finds them in the side file.
function(split_debug_info target)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> $<TARGET_FILE:${target}>.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-debug --add-gnu-debuglink=$<TARGET_FILE:${target}>.debug
            $<TARGET_FILE:${target}>
    WORKING_DIRECTORY $<TARGET_FILE_DIR:${target}>
    VERBATIM)
endfunction()
