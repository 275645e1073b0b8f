# Small helpers so each test or benchmark program is one line in its folder.

# curvesmith_add_gtest(name SOURCES a.cc b.cc LIBS lib...)
function(curvesmith_add_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  # A parameter's printed value may hold pointers and padding bytes: without
  # it, a test's name stays the same from build to build and can be picked.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                       PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# curvesmith_add_benchmark(name SOURCES a.cc LIBS lib...)
function(curvesmith_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark benchmark::benchmark_main)
endfunction()
