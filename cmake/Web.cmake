# The browser build (Emscripten): the same game against SDL2 and its family built for the browser
# by scripts/web-deps, with the data of a native build packaged beside it. Included instead of
# the desktop's pkg-config look-ups; the libraries get the names those look-ups give.

set(ZORVEX_WEB_DEPS "" CACHE PATH
    "Install prefix of the browser build's libraries (the last line scripts/web-deps prints)")
set(ZORVEX_WEB_DATA "" CACHE PATH
    "A native build's Data folder, holding the generated Res and Music the page packages")
if(NOT EXISTS "${ZORVEX_WEB_DEPS}/.complete")
  message(FATAL_ERROR "ZORVEX_WEB_DEPS='${ZORVEX_WEB_DEPS}' is not a finished scripts/web-deps build")
endif()
if(NOT EXISTS "${ZORVEX_WEB_DATA}/Res" OR NOT EXISTS "${ZORVEX_WEB_DATA}/Music")
  message(FATAL_ERROR "ZORVEX_WEB_DATA='${ZORVEX_WEB_DATA}' holds no generated Res and Music")
endif()

# The game's try/catch must catch in the browser too; the race rules must compute the same
# floating-point results as on the desktop (replays), so no contraction into fused operations.
add_compile_options(-fexceptions -ffp-contract=off)
add_link_options(-fexceptions)

function(zorvex_web_library name)
  cmake_parse_arguments(ARG "" "" "ARCHIVES;INCLUDES" ${ARGN})
  add_library(PkgConfig::${name} INTERFACE IMPORTED)
  list(TRANSFORM ARG_ARCHIVES PREPEND ${ZORVEX_WEB_DEPS}/lib/)
  list(TRANSFORM ARG_INCLUDES PREPEND ${ZORVEX_WEB_DEPS}/)
  set_target_properties(PkgConfig::${name} PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${ARG_INCLUDES}"
    INTERFACE_LINK_LIBRARIES "${ARG_ARCHIVES}")
endfunction()
zorvex_web_library(SDL2 ARCHIVES libSDL2.a INCLUDES include/SDL2 include)
zorvex_web_library(SDL2_MIXER ARCHIVES libSDL2_mixer.a libmodplug.a libSDL2.a INCLUDES include/SDL2)
zorvex_web_library(SDL2_TTF ARCHIVES libSDL2_ttf.a libfreetype.a libz.a libSDL2.a INCLUDES include/SDL2)
zorvex_web_library(SDL2_IMAGE ARCHIVES libSDL2_image.a libpng16.a libz.a libSDL2.a INCLUDES include/SDL2)
zorvex_web_library(ZLIB ARCHIVES libz.a INCLUDES include)

# The fonts the text styles map to, beside the list that names them (no fontconfig in a browser).
set(ZORVEX_WEB_FONTS ${CMAKE_BINARY_DIR}/web-fonts)
set(fonts_list ${PROJECT_SOURCE_DIR}/platform/web/fonts.list)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${fonts_list})
configure_file(${fonts_list} ${ZORVEX_WEB_FONTS}/fonts.list COPYONLY)
file(STRINGS ${fonts_list} font_lines REGEX "^[^#]")
foreach(line IN LISTS font_lines)
  string(REGEX REPLACE "^.*\\|" "" font_path "${line}")
  get_filename_component(font_name ${font_path} NAME)
  configure_file(/usr/share/fonts/${font_path} ${ZORVEX_WEB_FONTS}/${font_name} COPYONLY)
endforeach()

# zorvex_web_page(<target>): links the target as zorvex.html/.js/.wasm/.data, the page of our own
# (Debian's emcc cannot minify its default one), the browser parts in JavaScript, the data package.
function(zorvex_web_page target)
  set(web ${PROJECT_SOURCE_DIR}/platform/web)
  set(scripts ${web}/storage.js ${web}/tab-lock.js)
  file(GLOB_RECURSE packaged CONFIGURE_DEPENDS ${ZORVEX_WEB_DATA}/Res/* ${ZORVEX_WEB_DATA}/Music/*
       ${ZORVEX_WEB_FONTS}/*)
  set_target_properties(${target} PROPERTIES SUFFIX .html
    LINK_DEPENDS "${web}/shell.html;${web}/sdl-audio.rsp;${scripts};${packaged}")
  list(TRANSFORM scripts PREPEND "SHELL:--pre-js ")
  target_link_options(${target} PRIVATE
    -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB -sEXIT_RUNTIME=0 -sMINIFY_HTML=0 -lidbfs.js
    # The JavaScript helpers SDL's browser code calls, among them the one that resumes the audio
    # on the first key or click (browsers hold sound back until then); a file, because their
    # names begin with '$'.
    @${web}/sdl-audio.rsp
    "SHELL:--shell-file ${web}/shell.html" ${scripts}
    "SHELL:--preload-file ${ZORVEX_WEB_DATA}/Res@/Data/Res"
    "SHELL:--preload-file ${ZORVEX_WEB_DATA}/Music@/Data/Music"
    "SHELL:--preload-file ${ZORVEX_WEB_FONTS}@/Data/Fonts")
  # A folder served as it is opens the game at its own address (/play/ shows the page), and each
  # file has its compressed twin beside it, made with it, which the world server sends to browsers
  # that take gzip.
  set(out $<TARGET_FILE_DIR:${target}>)
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${out}/index.html
    COMMAND gzip -9 -k -f ${out}/index.html ${out}/zorvex.html ${out}/zorvex.js ${out}/zorvex.wasm
            ${out}/zorvex.data)
endfunction()
