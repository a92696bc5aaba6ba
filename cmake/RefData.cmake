# Real traffic with independent decodes, shared by the tests, the fuzz seeds and the benchmarks;
# part of the project (tests/data/README.md tells where each file comes from).
set(AIS_REFDATA_DIR "${PROJECT_SOURCE_DIR}/tests/data")
if(NOT IS_DIRECTORY "${AIS_REFDATA_DIR}")
    message(FATAL_ERROR "The reference data folder ${AIS_REFDATA_DIR} is missing")
endif()
