# SPDX-FileCopyrightText: 2026 The Tavrino authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Chinese faces the screens are drawn in, cut at build time to the
# characters of the program's texts, ASCII and GB 2312 (cmake/cutfaces.py),
# from Debian's Noto CJK collections: "Tavrino Heiti" for 黑体 (Noto Sans CJK
# SC) and "Tavrino Songti" for 宋体 (Noto Serif CJK SC), regular and bold,
# each with parts for the rest of GB 2312 ("Tavrino Heiti GB1" ...).
# Their glyph tables are a tenth of the full collections', so the program
# reads far fewer pages of them; the full faces stay the fallback for any
# other character. The program finds them in a folder beside it (fonts/, the
# build tree) or in ../share/tavrino/fonts (installed), and hands that folder
# to fontconfig.
#
# Sets tavrino_cut_faces_dir, TAVRINO_NAME_PARTS (how many parts hold the
# rest of GB 2312, "Tavrino Heiti GB1" ...) and the target tavrino_cut_faces.

find_package(Fontconfig REQUIRED)
find_program(TAVRINO_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(TAVRINO_PYTHON3 python3 REQUIRED)
execute_process(COMMAND ${TAVRINO_PYTHON3} -c "import fontTools.subset"
                RESULT_VARIABLE tavrino_no_fonttools OUTPUT_QUIET ERROR_QUIET)
if(tavrino_no_fonttools)
    message(FATAL_ERROR "${TAVRINO_PYTHON3} has no fontTools: install python3-fonttools (tools/deps.sh)")
endif()
set(tavrino_noto /usr/share/fonts/opentype/noto)
set(TAVRINO_NAME_PARTS 8)
set(tavrino_cut_faces_dir ${CMAKE_CURRENT_BINARY_DIR}/fonts)
file(GLOB_RECURSE tavrino_text_sources CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/core/*.h ${CMAKE_CURRENT_SOURCE_DIR}/core/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/challenges/*.h ${CMAKE_CURRENT_SOURCE_DIR}/challenges/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/start/*.h ${CMAKE_CURRENT_SOURCE_DIR}/start/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/classlog/*.h ${CMAKE_CURRENT_SOURCE_DIR}/classlog/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/commandline/*.h ${CMAKE_CURRENT_SOURCE_DIR}/commandline/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/app/*.h ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/translations/*.ts)
# The characters to keep, gathered again whenever a text may have changed;
# the faces are cut again only when the characters did.
set(tavrino_cut_list ${CMAKE_CURRENT_BINARY_DIR}/cut-characters.txt)
add_custom_command(
    OUTPUT ${tavrino_cut_list}
    COMMAND ${TAVRINO_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/cutfaces.py --characters
            ${tavrino_cut_list} ${tavrino_text_sources}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/cutfaces.py ${tavrino_text_sources}
    COMMENT "Gathering the characters of the program's texts"
    VERBATIM)
set(tavrino_cut_faces)
# One command per face, so that a parallel build cuts them side by side; each
# face in parts (see cmake/cutfaces.py): the program's texts, and the rest of
# GB 2312 for the pupils' names in TAVRINO_NAME_PARTS.
foreach(face IN ITEMS "Tavrino Heiti|Regular|NotoSansCJK-Regular.ttc|Noto Sans CJK SC"
                      "Tavrino Heiti|Bold|NotoSansCJK-Bold.ttc|Noto Sans CJK SC"
                      "Tavrino Songti|Regular|NotoSerifCJK-Regular.ttc|Noto Serif CJK SC"
                      "Tavrino Songti|Bold|NotoSerifCJK-Bold.ttc|Noto Serif CJK SC")
    string(REPLACE "|" ";" face "${face}")
    list(GET face 0 family)
    list(GET face 1 style)
    list(GET face 2 collection)
    list(GET face 3 original)
    set(collection ${tavrino_noto}/${collection})
    if(NOT EXISTS ${collection})
        message(FATAL_ERROR "${collection} is missing: install fonts-noto-cjk (tools/deps.sh)")
    endif()
    string(REPLACE " " "" stem "${family}")
    set(files)
    set(files ${tavrino_cut_faces_dir}/${stem}-${style}.otf)
    foreach(part RANGE 1 ${TAVRINO_NAME_PARTS})
        list(APPEND files ${tavrino_cut_faces_dir}/${stem}GB${part}-${style}.otf)
    endforeach()
    add_custom_command(
        OUTPUT ${files}
        COMMAND ${TAVRINO_PYTHON3} ${CMAKE_CURRENT_SOURCE_DIR}/cmake/cutfaces.py
                ${tavrino_cut_faces_dir} ${tavrino_cut_list} ${TAVRINO_NAME_PARTS}
                "${family}=${collection}:${original}"
        DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/cmake/cutfaces.py ${tavrino_cut_list} ${collection}
        COMMENT "Cutting ${original} ${style} into ${family} and its parts for names"
        VERBATIM)
    list(APPEND tavrino_cut_faces ${files})
endforeach()
add_custom_target(tavrino_cut_faces ALL DEPENDS ${tavrino_cut_faces})
