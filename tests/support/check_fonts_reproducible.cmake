# Runs the font and text generators again into a scratch folder and compares the results with what
# the build made: the same sources must give the same bytes.
#   cmake -DPY=... -DFONTGEN=... -DNOTO=... -DRES=... -DSRC=... -DGEN=... -DOUT=... -P this
file(MAKE_DIRECTORY ${OUT})
foreach(pair "Halvik-Regular.ttf:NotoSansCJK-Regular.ttc" "Halvik-Medium.ttf:NotoSansCJK-Bold.ttc")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 name)
  list(GET pair 1 collection)
  execute_process(COMMAND ${PY} ${FONTGEN}/extract_face.py ${NOTO}/${collection} 2 ${OUT}/${name}
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "extract_face.py failed for ${name}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${name} ${RES}/font/${name}
    RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name} differs between two runs")
  endif()
  message(STATUS "${name}: same bytes")
endforeach()
foreach(txt Res_TxtBasic Res_TxtHintAlarm)
  execute_process(COMMAND ${PY} ${FONTGEN}/gen_texts.py ${SRC}/${txt}.txt ${SRC}/${txt}.h
    ${OUT}/${txt}.cpp RESULT_VARIABLE rc)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/${txt}.cpp ${GEN}/${txt}.cpp
    RESULT_VARIABLE rc2)
  if(NOT rc EQUAL 0 OR NOT rc2 EQUAL 0)
    message(FATAL_ERROR "${txt}.cpp differs between two runs")
  endif()
  message(STATUS "${txt}.cpp: same bytes")
endforeach()
