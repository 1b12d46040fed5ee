# orvane_artwork_resources(<out-var> NAME <name> ROOT <dir> PREFIX <prefix>)
# Renders every SVG below ROOT to PNG at 1x and 2x, takes every other file as it
# is, and compiles the lot into a resource source file under PREFIX, so the
# artwork is kept as editable SVG in the repository and crisp at 200 %.
function(orvane_artwork_resources out_var)
    cmake_parse_arguments(ARG "" "NAME;ROOT;PREFIX" "" ${ARGN})
    file(GLOB_RECURSE _files CONFIGURE_DEPENDS ${ARG_ROOT}/*)
    set(_outdir ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}_files)
    set(_qrc ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.qrc)
    set(_cpp ${CMAKE_CURRENT_BINARY_DIR}/qrc_${ARG_NAME}.cpp)
    add_custom_command(OUTPUT ${_cpp}
        COMMAND svgtopng --out ${_outdir} --qrc ${_qrc} --prefix ${ARG_PREFIX} --scales 1,2
                ${ARG_ROOT} ${_files}
        COMMAND Qt5::rcc --name ${ARG_NAME} --output ${_cpp} ${_qrc}
        DEPENDS svgtopng ${_files}
        COMMENT "Rendering and compiling artwork ${ARG_NAME}"
        VERBATIM)
    set(${out_var} ${_cpp} PARENT_SCOPE)
endfunction()
