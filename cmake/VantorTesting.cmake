# Test helpers shared by every test folder.
include(GoogleTest)

# Sanitizer reports fail the test; leaks inside system libraries that keep
# process-wide caches (fontconfig, Qt's platform plugins) are not ours to fix.
set(VANTOR_TEST_ENVIRONMENT
  "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:halt_on_error=1:exitcode=23"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
  "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
  "QT_QPA_PLATFORM=offscreen")

# Registers every case of a GoogleTest program as its own CTest test.
function(vantor_gtest target)
  # gtest_discover_tests flattens a list-valued property three times on its way
  # to each test (CMake 3.25): escaping every ";" once for each pass hands the
  # whole environment over, not just its first variable.
  string(REPLACE ";" "\\\\\\\\\\\\\\;" environment "${VANTOR_TEST_ENVIRONMENT}")
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin
    PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# Registers a program that is one test as a whole (QtTest programs, scripts).
function(vantor_test name)
  add_test(NAME ${name} COMMAND ${ARGN} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${VANTOR_TEST_ENVIRONMENT}")
endfunction()
