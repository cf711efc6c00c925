# Writes the page with the program's script and Qt's loader inside it, so that one file
# opens from a disk or a shared folder, where a browser fetches nothing beside it.
# Usage: cmake -DTEMPLATE=index.html.in -DPROGRAM=x.js -DLOADER=qtloader.js -DOUTPUT=x.html
#        -P inline-page.cmake
file(READ "${PROGRAM}" program)
file(READ "${LOADER}" loader)
# Inside <script>, only "</script" would end the element early.
foreach(script IN ITEMS program loader)
    string(TOLOWER "${${script}}" lowered)
    string(FIND "${lowered}" "</script" found)
    if(NOT found EQUAL -1)
        message(FATAL_ERROR "${script} holds \"</script\" and cannot be put inside the page")
    endif()
endforeach()
set(WEB_SCRIPTS "<script>\n${program}\n</script>\n<script>\n${loader}\n</script>")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
