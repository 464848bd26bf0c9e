# Helpers shared by every folder's CMakeLists.txt.
include(GoogleTest)

# korvanel_library(<name> [DEPS <targets>...])
# A static library of every .cpp in the calling folder.
function(korvanel_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(ARG_DEPS)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  endif()
  set_property(GLOBAL APPEND PROPERTY KORVANEL_LIBRARIES ${name})
endfunction()

# korvanel_tests(<name> [DEPS <targets>...])
# One GoogleTest executable of every .cpp in the calling folder, registered in CTest.
# Tests find their fixtures through KORVANEL_SOURCE_DIR and write pictures for a
# person to look at into KORVANEL_TEST_OUTPUT_DIR.
function(korvanel_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    KORVANEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    KORVANEL_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/test-output")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KORVANEL_TEST_OUTPUT_DIR=${CMAKE_BINARY_DIR}/test-output")
endfunction()

# korvanel_benchmark(<name> <source> [DEPS <targets>...])
function(korvanel_benchmark name source)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  add_executable(${name} ${source})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
