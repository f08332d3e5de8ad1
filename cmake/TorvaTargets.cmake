# Shared compile settings and the helpers every folder uses to declare its targets.

add_library(torva_options INTERFACE)
target_include_directories(torva_options INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(torva_options INTERFACE -Wall -Wextra -Wpedantic)
if(TORVA_WERROR)
  target_compile_options(torva_options INTERFACE -Werror)
endif()
if(TORVA_SANITIZE)
  target_compile_options(torva_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                 -fno-omit-frame-pointer)
  target_link_options(torva_options INTERFACE -fsanitize=address,undefined)
endif()
if(TORVA_FUZZ)
  # Library code is instrumented for coverage; only the fuzz programs link the fuzzer's main.
  target_compile_options(torva_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(torva_options INTERFACE -fsanitize=address,undefined)
endif()

# torva_library(NAME DIR... [LIBS lib...]): a static library of every .cpp in the given folders (not
# recursive), linked publicly with LIBS. A folder of headers only gives an interface library.
function(torva_library name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_UNPARSED_ARGUMENTS})
    file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC torva_options ${ARG_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE torva_options ${ARG_LIBS})
  endif()
endfunction()

# torva_test(NAME LABEL DIR... LIBS lib...): one GoogleTest program of every .cpp in the folders,
# its cases registered one by one with CTest under the given label.
function(torva_test name label)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  set(sources)
  foreach(dir ${ARG_UNPARSED_ARGUMENTS})
    file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${dir_sources})
  endforeach()
  if(NOT sources)
    return()
  endif()
  list(APPEND sources ${PROJECT_SOURCE_DIR}/tests/support/LeakSuppressions.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} PROPERTIES LABELS ${label}
                       WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
                       DISCOVERY_TIMEOUT 30)
endfunction()
