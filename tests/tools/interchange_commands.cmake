# SPDX-License-Identifier: MIT
# export and fit: pattern files written, read back and fitted; malformed files
# refused with the line named. Included from this folder's CMakeLists.txt.
set(pattern_out ${CMAKE_CURRENT_BINARY_DIR}/pattern-out)
file(MAKE_DIRECTORY ${pattern_out})
set(fit_header "component,rank,code,max_deviation_db,rms_db,mean_excess_db")

add_test(NAME tool_export_msi COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=export|--horizontal|030EA10|--vertical|000ND00|--output|${pattern_out}/pair.msi" -DOUTPUT=${pattern_out}/pair.msi ${run})
add_test(NAME tool_export_component COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=export|--component|vertical|--vertical|130VA20|--name|V beam|--output|${pattern_out}/vertical.pln" -DOUTPUT=${pattern_out}/vertical.pln ${run})
set_tests_properties(tool_export_msi tool_export_component PROPERTIES FIXTURES_SETUP exported_patterns)
add_test(NAME tool_fit_recovers_exported_pair COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|${pattern_out}/pair.msi|--top|1|--csv" -DEXPECTED=${here}/fit_pair_expected.csv ${run})
add_test(NAME tool_fit_recovers_exported_component COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|${pattern_out}/vertical.pln|--top|2|--criterion|rms|--csv" -DEXPECTED=${here}/fit_component_expected.csv ${run})
set_tests_properties(tool_fit_recovers_exported_pair tool_fit_recovers_exported_component PROPERTIES FIXTURES_REQUIRED exported_patterns)

add_test(NAME tool_export_csv_to_stdout COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=export|--horizontal|030EA10|--vertical|020EA05|--rule|v6|--format|csv|--output|-" -DLINES=361 -DFIRST_LINE=angle,horizontal_loss_db,vertical_loss_db ${run})
add_test(NAME tool_export_invalid_code COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=export|--horizontal|030EA10|--vertical|066EA00|--output|-" -DEXIT=1 "-DSTDERR=invalid vertical antenna code '066EA00'" ${run})
add_test(NAME tool_export_write_error COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=export|--horizontal|030EA10|--vertical|020EA05|--output|${pattern_out}/missing/x.msi" -DEXIT=1 "-DSTDERR=cannot write" ${run})
add_test(NAME tool_export_needs_output COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=export|--horizontal|030EA10|--vertical|020EA05" -DEXIT=2 -DSTDERR=--output ${run})
add_test(NAME tool_export_bad_component COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=export|--horizontal|030EA10|--component|both|--output|-" -DEXIT=2 -DSTDERR=--component ${run})

add_test(NAME tool_fit_stdin_csv COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|-|--top|1|--csv" -DINPUT=${here}/fit_input_horizontal.csv -DLINES=2 -DFIRST_LINE=${fit_header} ${run})
add_test(NAME tool_fit_count_mismatch COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|${here}/malformed_count.msi" -DEXIT=1 "-DSTDERR=malformed_count.msi: line 6: 'VERTICAL' is not an angle; HORIZONTAL \\(line 3\\) announces 4 values, found 2" ${run})
add_test(NAME tool_fit_not_a_number COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|${here}/malformed_number.csv" -DEXIT=1 "-DSTDERR=line 4: loss '12,5' is not a number" ${run})
add_test(NAME tool_fit_missing_file COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|${pattern_out}/none.msi" -DEXIT=1 "-DSTDERR=cannot open" ${run})
add_test(NAME tool_fit_bad_top COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|x.msi|--top|0" -DEXIT=2 -DSTDERR=--top ${run})
add_test(NAME tool_fit_bad_criterion COMMAND ${CMAKE_COMMAND} ${tool} "-DARGS=fit|x.msi|--criterion|best" -DEXIT=2 -DSTDERR=--criterion ${run})
add_test(NAME tool_help_states_angles COMMAND veltrisko-pattern --help)
set_tests_properties(tool_help_states_angles PROPERTIES PASS_REGULAR_EXPRESSION "clockwise seen[ \n]+from above")
