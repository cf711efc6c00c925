# Turns the teachers' guide, written in Markdown for the source tree, into the page that
# is installed beside its pictures: the pictures' "../" goes, and links to other .md
# files are not allowed, since those are not installed.
# Usage: cmake -DMARKDOWN=markdown_py -DSOURCE=guia-docente.md -DTEMPLATE=guide.html.in
#              -DOUTPUT=guia-docente.html -P to-html.cmake
file(READ "${SOURCE}" text)
if(text MATCHES "\\]\\([^)#]*\\.md[)#]")
    message(FATAL_ERROR "${SOURCE} links to another Markdown file, which is not installed")
endif()
string(REPLACE "](../" "](" text "${text}")
if(text MATCHES "^# ([^\n]*)")
    set(title "${CMAKE_MATCH_1}")
endif()
file(WRITE "${OUTPUT}.md" "${text}")
execute_process(COMMAND "${MARKDOWN}" -e utf-8 -o html "${OUTPUT}.md"
    OUTPUT_VARIABLE body RESULT_VARIABLE failed)
file(REMOVE "${OUTPUT}.md")
if(failed)
    message(FATAL_ERROR "${MARKDOWN} failed on ${SOURCE}")
endif()
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
