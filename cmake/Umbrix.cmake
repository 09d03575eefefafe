# Shared build settings and the helpers every layer uses.

add_library(umbrix_options INTERFACE)
target_compile_options(umbrix_options INTERFACE
  -Wall -Wextra -Wpedantic
  # Golden numbers must not depend on whether the machine fuses multiply-adds.
  -ffp-contract=off)
if(UMBRIX_WERROR)
  target_compile_options(umbrix_options INTERFACE -Werror)
endif()
# GCC 12 warns, once optimising, that "text" + std::string&& copies overlapping bytes (GCC bug
# 105329: the inlined memcpy is never reached with those sizes); the warning is false there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12
   AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(umbrix_options INTERFACE $<$<NOT:$<CONFIG:Debug>>:-Wno-restrict>)
endif()
if(UMBRIX_SANITIZE)
  target_compile_options(umbrix_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(umbrix_options INTERFACE -fsanitize=address,undefined)
endif()

# umbrix_add_layer(NAME SOURCES ... DEPS ...): one static library per layer, alias umbrix::NAME.
function(umbrix_add_layer name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(umbrix_${name} STATIC ${ARG_SOURCES})
  add_library(umbrix::${name} ALIAS umbrix_${name})
  target_include_directories(umbrix_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(umbrix_${name} PUBLIC umbrix_options ${ARG_DEPS})
endfunction()

# Every test's time limit, seconds: a test stuck in a modal loop fails instead of holding the run
# (the slowest test takes about 7 s under the sanitizers with two jobs). The test presets say the
# same for the tests registered without it.
set(UMBRIX_TEST_TIMEOUT 30 CACHE STRING "Time limit of every test, in seconds")

# umbrix_add_test(NAME SOURCES ... DEPS ...): a GoogleTest executable registered with CTest.
function(umbrix_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE umbrix_options ${ARG_DEPS} GTest::gtest GTest::gtest_main
                        GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    UMBRIX_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data"
    UMBRIX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT ${UMBRIX_TEST_TIMEOUT})
endfunction()
