# Helpers shared by the component folders.

# orvane_engine(<name> <folder>): a static library of the portable sources in <folder>.
function(orvane_engine name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${folder} ${PROJECT_SOURCE_DIR}/src/shared/engine)
endfunction()

# orvane_engine_tests(<name> <folder> <libraries...>): one GoogleTest executable of the test
# sources in <folder>. Natively each test is its own CTest entry; under Wine the executable
# runs once as a whole, which keeps the Windows run short.
function(orvane_engine_tests name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest_main)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
