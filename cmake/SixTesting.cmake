# How the project registers its GoogleTest executables with CTest.
include(GoogleTest)

# Each test of a GoogleTest executable becomes one CTest test. Discovery runs
# when CTest starts (not at build time), so a Windows build never needs Wine
# while it compiles.
# LABELS: extra labels. GUI: the tests open windows on the shared virtual
# desktop, so they must not run beside other windowed tests.
function(six_add_gtest target)
  cmake_parse_arguments(ARG "GUI" "" "LABELS" ${ARGN})
  set(labels ${ARG_LABELS})
  if(WIN32)
    list(APPEND labels windows)
  else()
    list(APPEND labels native)
  endif()
  # A test passes only when GoogleTest says so: a crash that still ends the
  # process with status 0 (seen under Wine) must not count as a pass.
  set(props LABELS "${labels}" TIMEOUT 120
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\] 1 test\\."
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]")
  if(ARG_GUI)
    list(APPEND props RESOURCE_LOCK desktop)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    TEST_PREFIX "${target}."
    PROPERTIES ${props})
endfunction()
