# The codec reads untrusted bytes from the device: the test build runs under ASan and UBSan.
if(AIS_SANITIZE)
    set(AIS_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_compile_options(${AIS_SANITIZER_FLAGS} -O1 -g)
    add_link_options(${AIS_SANITIZER_FLAGS})
endif()

if(AIS_TSAN)
    add_compile_options(-fsanitize=thread -O1 -g)
    add_link_options(-fsanitize=thread)
endif()

# Every library is instrumented for libFuzzer's coverage; only the fuzz executables link its
# driver (cmake/AisFuzz.cmake).
if(AIS_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "AIS_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    # Without ccache: a cached object built under an older coverage ignore list came back once.
    set(CMAKE_CXX_COMPILER_LAUNCHER "")
    # The ignore list's digest is in the flags, so that changing the list rebuilds.
    set(AIS_FUZZ_IGNORE "${PROJECT_SOURCE_DIR}/fuzz/coverage.ignore")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${AIS_FUZZ_IGNORE}")
    file(MD5 "${AIS_FUZZ_IGNORE}" AIS_FUZZ_IGNORE_DIGEST)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                        -fsanitize-coverage-ignorelist=${AIS_FUZZ_IGNORE} -DAIS_FUZZ_IGNORE_DIGEST=${AIS_FUZZ_IGNORE_DIGEST}
                        -fno-omit-frame-pointer -O1 -g)
    add_link_options(-fsanitize=address,undefined)
endif()
