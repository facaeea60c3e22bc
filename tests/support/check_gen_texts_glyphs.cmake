# The text generator against a font: a table whose characters all have glyphs is accepted; a
# character the font lacks, in a text or among the extra characters, stops it with a line that
# names the character and where it comes from.
#   cmake -DPY=... -DFONTGEN=... -DFONT=<box font> -DOUT=<scratch dir> -P this
cmake_policy(SET CMP0007 NEW)
file(MAKE_DIRECTORY ${OUT})
file(WRITE ${OUT}/Res_TxtCase.h
  "#define CASE_FONT_CODE_NUM 4\nextern const UInt32 CASE_FONT_CODE[CASE_FONT_CODE_NUM];\n"
  "#define RES_TXT_CASE_LIST(X) X(str_case_idx, 2)\n")
# name | text | extra characters | expected exit status | expected on stderr
foreach(c "drawn|AB|C|0|"
          "in_text|A\\u4e00|C|1|(U+4E00, str_case_idx) has no glyph in boxes.ttf"
          "in_extra|AB|Z|1|(U+005A, extra) has no glyph in boxes.ttf")
  string(REPLACE "|" ";" c "${c}")
  list(GET c 0 name)
  list(GET c 1 text)
  list(GET c 2 extra)
  list(GET c 3 want_rc)
  list(GET c 4 want_err)
  file(WRITE ${OUT}/${name}.txt "table CASE_FONT_CODE 4\nstr_case_idx = \"${text}\"\nextra \"${extra}\"\n")
  execute_process(COMMAND ${PY} ${FONTGEN}/gen_texts.py ${OUT}/${name}.txt ${OUT}/Res_TxtCase.h
    ${OUT}/${name}.cpp --font ${FONT} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL want_rc)
    message(FATAL_ERROR "${name}: exit status ${rc}, expected ${want_rc}: ${err}")
  endif()
  string(FIND "${err}" "${want_err}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${name}: stderr lacks \"${want_err}\": ${err}")
  endif()
  message(STATUS "${name}: exit status ${rc}")
endforeach()
