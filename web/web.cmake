# The browser's build of the program, included by the top CMakeLists.txt when Qt is the
# one built for WebAssembly (tools/web build makes both). It adds to the program what the
# browser lacks and the desktop finds on the system, and nothing else:
#   - the design's faces, compiled in: a page sees no system fonts;
#   - asyncify, so that the modal prompts' exec() returns to the handler that opened them;
#   - the page, index.html, in Spanish, that loads pizarrin.js and Qt's loader;
#   - pizarrin.html, the same page with the same program inside it, opened from a file.

# The design's faces and their Liberation stand-ins, as the desktop finds them in
# Debian's fonts-liberation and fonts-liberation-sans-narrow.
set(PIZARRIN_FONT_DIR "/usr/share/fonts/truetype/liberation" CACHE PATH
    "The folder holding the Liberation faces that the browser's build carries")
set(web_faces
    LiberationSerif-Bold LiberationSerif-BoldItalic
    LiberationSans-Regular LiberationSans-Bold
    LiberationSansNarrow-Bold LiberationMono-Regular)
set(web_font_files "")
foreach(face IN LISTS web_faces)
    if(NOT EXISTS "${PIZARRIN_FONT_DIR}/${face}.ttf")
        message(FATAL_ERROR "${PIZARRIN_FONT_DIR}/${face}.ttf is missing "
                            "(Debian: fonts-liberation, fonts-liberation-sans-narrow)")
    endif()
    list(APPEND web_font_files "${PIZARRIN_FONT_DIR}/${face}.ttf")
endforeach()

set(web_page_template "${CMAKE_CURRENT_LIST_DIR}/index.html.in")
set(web_link_options
    # The prompts are modal: their exec() waits in the event loop, which in a browser
    # only asyncify can do without returning to the page first.
    "SHELL:-s ASYNCIFY" -Os
    # Qt's own default, 5 MB, is for programs with deep stacks; the window needs little.
    "SHELL:-s STACK_SIZE=1MB")

# One link serves both pages: pizarrin.js with pizarrin.wasm beside it for a web server,
# and pizarrin.html, which carries those very files inside it, for file://. Linking with
# asyncify is the slow part of the build, and one link is also one program to prove.
qt_add_resources(pizarrin "pizarrin_fonts" PREFIX "/pizarrin/fonts" BASE "${PIZARRIN_FONT_DIR}"
    FILES ${web_font_files})
target_link_options(pizarrin PRIVATE ${web_link_options})
set_target_properties(pizarrin PROPERTIES QT_WASM_EXPORT_NAME pizarrin_entry)

# The page for a web server, beside pizarrin.js, pizarrin.wasm and Qt's qtloader.js.
set(WEB_SCRIPTS "<script src=\"pizarrin.js\"></script>\n<script src=\"qtloader.js\"></script>")
configure_file(${web_page_template} ${CMAKE_CURRENT_BINARY_DIR}/web/index.html @ONLY)

# The page with the scripts and the wasm inside, made once the program is linked.
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/web/pizarrin.html
    COMMAND ${CMAKE_COMMAND}
        -DTEMPLATE=${web_page_template}
        -DPROGRAM=$<TARGET_FILE_DIR:pizarrin>/pizarrin.js
        -DWASM=$<TARGET_FILE_DIR:pizarrin>/pizarrin.wasm
        -DLOADER=$<TARGET_FILE_DIR:pizarrin>/qtloader.js
        -DOUTPUT=${CMAKE_CURRENT_BINARY_DIR}/web/pizarrin.html
        -P ${CMAKE_CURRENT_LIST_DIR}/inline-page.cmake
    DEPENDS pizarrin ${web_page_template} ${CMAKE_CURRENT_LIST_DIR}/inline-page.cmake
    COMMENT "Making the self-contained pizarrin.html"
    VERBATIM)
add_custom_target(pizarrin_web ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/web/pizarrin.html)
