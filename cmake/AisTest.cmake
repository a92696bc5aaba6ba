# ais_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [TIMEOUT <seconds>])
# One Qt Test executable, registered with CTest, run offscreen in a working directory of its own.
# The target "all_tests" builds every test and what the tests run (scripts/test.sh builds only
# that). Tests labelled "threads" also run under ThreadSanitizer: the target "thread_tests"
# builds just those.
include(${CMAKE_CURRENT_LIST_DIR}/RefData.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Pch.cmake)
set(AIS_LSAN_SUPPRESSIONS "${PROJECT_SOURCE_DIR}/tests/lsan.supp")
set(AIS_TSAN_SUPPRESSIONS "${PROJECT_SOURCE_DIR}/tests/tsan.supp")

if(NOT TARGET thread_tests)
    add_custom_target(thread_tests)
    add_custom_target(all_tests)
endif()

function(ais_add_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ais_test_common Qt5::Test)
    ais_precompile_qt(${name})
    set(workdir "${CMAKE_CURRENT_BINARY_DIR}/work/${name}")
    file(MAKE_DIRECTORY "${workdir}")
    add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY "${workdir}")
    add_dependencies(all_tests ${name})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1;LSAN_OPTIONS=suppressions=${AIS_LSAN_SUPPRESSIONS}:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1;TSAN_OPTIONS=suppressions=${AIS_TSAN_SUPPRESSIONS}:second_deadlock_stack=1")
    if(ARG_LABELS)
        set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
    endif()
    if("threads" IN_LIST ARG_LABELS)
        add_dependencies(thread_tests ${name})
    endif()
endfunction()
