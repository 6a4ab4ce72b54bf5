# Coverage instrumentation for the fuzzers, carried by an interface target that the libraries
# under test link; in every other build it is empty.
option(CAPILLARY_BUILD_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(CAPILLARY_FUZZ_SANITIZERS
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_library(capillary_instrumentation INTERFACE)
if(CAPILLARY_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "CAPILLARY_BUILD_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  target_compile_options(capillary_instrumentation
    INTERFACE -fsanitize=fuzzer-no-link ${CAPILLARY_FUZZ_SANITIZERS})
endif()
