# e2e.cmake - end-to-end scenarios (tests/e2e/scenarios.sh): the real hudwright
# in a private X server, driven by xdotool. One CTest test each, labelled e2e.
foreach(s screenshot escape_countdown drag typed accepted prompts_no)
  add_test(NAME e2e_${s} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/run.sh ${s} $<TARGET_FILE:hudwright>)
  set_tests_properties(e2e_${s} PROPERTIES LABELS e2e TIMEOUT 240)
  if(WIN32) # under Wine: one at a time, the X servers and the prefix shared
    set_tests_properties(e2e_${s} PROPERTIES RUN_SERIAL ON)
  endif()
endforeach()
