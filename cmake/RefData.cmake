# Real traffic with independent decodes, shared by the tests, the fuzz seeds and the benchmarks.
set(AIS_REFDATA_DIR "${PROJECT_SOURCE_DIR}/../shared/refdata" CACHE PATH "Independent reference traffic and decodes")
