# SPDX-License-Identifier: MIT
# Runs one libFuzzer target for SECONDS (or $ENV{FUZZ_SECONDS}) over FOUND and
# SEEDS; crash inputs go to ARTIFACTS. Fails on any finding.
set(seconds ${SECONDS})
if(DEFINED ENV{FUZZ_SECONDS})
  set(seconds $ENV{FUZZ_SECONDS})
endif()
string(REPLACE "|" ";" extra "${EXTRA}")
# libFuzzer stops itself; the margin covers loading the corpus and the last input.
math(EXPR limit "${seconds} + 120")
execute_process(COMMAND ${FUZZER} -max_total_time=${seconds} -timeout=10
                        -artifact_prefix=${ARTIFACTS} ${extra} ${FOUND} ${SEEDS}
                TIMEOUT ${limit} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${FUZZER}: ${status} (the input is in ${ARTIFACTS})")
endif()
