# ais_fuzz_seeds(<kind> INPUTS <files...>)
#   A seed directory build/.../fuzz/seeds/<kind>, made at build time by fuzz/make-seeds.sh.
# ais_add_fuzzer(<name> SOURCES <files...> LIBS <targets...> SEEDS <kinds...> RUNS <n> MAX_LEN <bytes>
#                [OPTIONS <libFuzzer options...>])
#   One libFuzzer executable (part of the target "fuzzers") and its smoke run in CTest: a fixed
#   seed and RUNS inputs, starting from its seed kinds and its committed inputs in
#   fuzz/inputs/<name> (those of fixed findings, and hand-made ones the seeds do not reach).
#   Any finding fails the run. OPTIONS hold for long runs too.
include(${CMAKE_CURRENT_LIST_DIR}/RefData.cmake)

set(AIS_FUZZ_SEED_ROOT "${CMAKE_BINARY_DIR}/fuzz/seeds")
set(AIS_FUZZ_WORK_ROOT "${CMAKE_BINARY_DIR}/fuzz/work")
set(AIS_FUZZ_SMOKE_SEED 1)

if(NOT TARGET fuzzers)
    add_custom_target(fuzzers)
endif()

function(ais_fuzz_seeds kind)
    cmake_parse_arguments(ARG "" "" "INPUTS" ${ARGN})
    set(dir "${AIS_FUZZ_SEED_ROOT}/${kind}")
    set(script "${PROJECT_SOURCE_DIR}/fuzz/make-seeds.sh")
    add_custom_command(
        OUTPUT "${dir}.stamp"
        COMMAND bash "${script}" ${kind} "${dir}" ${ARG_INPUTS}
        COMMAND ${CMAKE_COMMAND} -E touch "${dir}.stamp"
        DEPENDS "${script}" ${ARG_INPUTS}
        COMMENT "Fuzz seeds: ${kind}"
        VERBATIM)
    add_custom_target(fuzz_seeds_${kind} DEPENDS "${dir}.stamp")
endfunction()

function(ais_add_fuzzer name)
    cmake_parse_arguments(ARG "" "RUNS;MAX_LEN" "SOURCES;LIBS;SEEDS;OPTIONS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    add_dependencies(fuzzers ${name})

    set(corpora "")
    foreach(kind IN LISTS ARG_SEEDS)
        add_dependencies(${name} fuzz_seeds_${kind})
        list(APPEND corpora "${AIS_FUZZ_SEED_ROOT}/${kind}")
    endforeach()
    set(inputs "${PROJECT_SOURCE_DIR}/fuzz/inputs/${name}")
    if(IS_DIRECTORY "${inputs}")
        list(APPEND corpora "${inputs}")
    endif()
    list(JOIN corpora ":" corpora)

    add_test(NAME smoke_${name}
             COMMAND bash "${PROJECT_SOURCE_DIR}/fuzz/run-fuzzer.sh" --fresh $<TARGET_FILE:${name}>
                     "${AIS_FUZZ_WORK_ROOT}/smoke/${name}" "${corpora}"
                     -seed=${AIS_FUZZ_SMOKE_SEED} -runs=${ARG_RUNS} -max_len=${ARG_MAX_LEN} ${ARG_OPTIONS})
    set_tests_properties(smoke_${name} PROPERTIES LABELS fuzz-smoke TIMEOUT 600)
    # The long runs of scripts/fuzz.sh start from the same seeds, with the same options (a
    # CMake list: joined with blanks, as the shell splits them).
    list(JOIN ARG_OPTIONS " " options)
    file(GENERATE OUTPUT "${AIS_FUZZ_WORK_ROOT}/${name}.env"
         CONTENT "fuzzer=$<TARGET_FILE:${name}>\ncorpora=${corpora}\noptions=\"-max_len=${ARG_MAX_LEN} ${options}\"\n")
endfunction()
