# Writes the page with the program's script, its wasm and Qt's loader inside it, so that
# one file opens from a disk or a shared folder, where a browser fetches nothing beside
# it. The wasm goes in as base64 and reaches Qt's loader as a compiled module
# (qtLoad's qt.module), so the script is the served folder's own, byte for byte.
# Usage: cmake -DTEMPLATE=index.html.in -DPROGRAM=x.js -DWASM=x.wasm -DLOADER=qtloader.js
#        -DOUTPUT=x.html -P inline-page.cmake
file(READ "${PROGRAM}" program)
file(READ "${LOADER}" loader)
# Inside <script>, only "</script" would end the element early; base64 cannot hold it.
foreach(script IN ITEMS program loader)
    string(TOLOWER "${${script}}" lowered)
    string(FIND "${lowered}" "</script" found)
    if(NOT found EQUAL -1)
        message(FATAL_ERROR "${script} holds \"</script\" and cannot be put inside the page")
    endif()
endforeach()
execute_process(COMMAND base64 -w0 "${WASM}" OUTPUT_VARIABLE wasm RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR wasm STREQUAL "")
    message(FATAL_ERROR "base64 could not read ${WASM}")
endif()
# Decoded and compiled only where the page can run the program at all; a failure
# reaches qtLoad, which says so on the page.
set(module "var pizarrinModulo = pizarrinPuede ? (function () {
  var texto = atob(\"${wasm}\");
  var bytes = new Uint8Array(texto.length);
  for (var i = 0; i < texto.length; i++)
    bytes[i] = texto.charCodeAt(i);
  return WebAssembly.compile(bytes);
})() : undefined;")
set(WEB_SCRIPTS "<script>\n${program}\n</script>\n<script>\n${module}\n</script>\n<script>\n${loader}\n</script>")
configure_file("${TEMPLATE}" "${OUTPUT}" @ONLY)
