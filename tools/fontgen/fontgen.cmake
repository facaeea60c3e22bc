# The fonts of Res/font/ and the generated text tables of the renderer. Included from the top-level
# list (not a subdirectory), so that the generated sources can belong to orv_render.
#
# Both steps run Debian's /usr/bin/python3: fontTools (python3-fonttools) belongs to it, and the
# python3 first on PATH may be another interpreter without it.

set(ORV_SYSTEM_PYTHON /usr/bin/python3 CACHE FILEPATH "Debian's python3, the one with fontTools")
set(ORV_NOTO_CJK_DIR /usr/share/fonts/opentype/noto CACHE PATH "Noto Sans CJK collections")
execute_process(COMMAND ${ORV_SYSTEM_PYTHON} -c "import fontTools"
  RESULT_VARIABLE orv_fonttools_rc OUTPUT_QUIET ERROR_QUIET)
if(NOT orv_fonttools_rc EQUAL 0)
  message(FATAL_ERROR "${ORV_SYSTEM_PYTHON} cannot import fontTools: install python3-fonttools "
    "(scripts/setup.sh does)")
endif()

set(ORV_FONTGEN_DIR ${CMAKE_SOURCE_DIR}/tools/fontgen)

# Fonts: the simplified-Chinese face (index 2) of Noto Sans CJK, regular and bold, as single-face
# files under the names the font table uses.
set(ORV_FONT_OUTPUTS)
foreach(pair "Halvik-Regular.ttf:NotoSansCJK-Regular.ttc" "Halvik-Medium.ttf:NotoSansCJK-Bold.ttc")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 name)
  list(GET pair 1 collection)
  add_custom_command(OUTPUT ${ORV_RES_DIR}/font/${name}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_RES_DIR}/font
    COMMAND ${ORV_SYSTEM_PYTHON} ${ORV_FONTGEN_DIR}/extract_face.py
      ${ORV_NOTO_CJK_DIR}/${collection} 2 ${ORV_RES_DIR}/font/${name}
    DEPENDS ${ORV_FONTGEN_DIR}/extract_face.py ${ORV_NOTO_CJK_DIR}/${collection}
    COMMENT "font ${name}" VERBATIM)
  list(APPEND ORV_FONT_OUTPUTS ${ORV_RES_DIR}/font/${name})
endforeach()
add_custom_target(res_font DEPENDS ${ORV_FONT_OUTPUTS})
add_dependencies(res res_font)

# Texts: Res_TxtBasic.txt and Res_TxtHintAlarm.txt become the code tables and glyph-index arrays.
# Each table is checked against the fonts it is drawn with (the basic table feeds the atlases of
# both weights, the hint and alarm texts are rasterised in the medium weight): a character without
# a glyph stops the build instead of leaving a gap on screen.
set(ORV_GEN_DIR ${CMAKE_BINARY_DIR}/gen)
set(ORV_FONT_REGULAR ${ORV_RES_DIR}/font/Halvik-Regular.ttf)
set(ORV_FONT_MEDIUM ${ORV_RES_DIR}/font/Halvik-Medium.ttf)
foreach(txt_fonts "Res_TxtBasic:${ORV_FONT_REGULAR}:${ORV_FONT_MEDIUM}" "Res_TxtHintAlarm:${ORV_FONT_MEDIUM}")
  string(REPLACE ":" ";" txt_fonts ${txt_fonts})
  list(POP_FRONT txt_fonts txt)
  set(font_args)
  foreach(font ${txt_fonts})
    list(APPEND font_args --font ${font})
  endforeach()
  set(src ${CMAKE_SOURCE_DIR}/src/OrvRender)
  set(out ${ORV_GEN_DIR}/OrvRender/${txt}.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ORV_GEN_DIR}/OrvRender
    COMMAND ${ORV_SYSTEM_PYTHON} ${ORV_FONTGEN_DIR}/gen_texts.py ${src}/${txt}.txt ${src}/${txt}.h
      ${out} ${font_args}
    DEPENDS ${ORV_FONTGEN_DIR}/gen_texts.py ${src}/${txt}.txt ${src}/${txt}.h ${txt_fonts}
    COMMENT "texts ${txt}" VERBATIM)
  target_sources(orv_render PRIVATE ${out})
endforeach()
# The fonts are made once, by res_font, before the render library looks at them.
add_dependencies(orv_render res_font)
