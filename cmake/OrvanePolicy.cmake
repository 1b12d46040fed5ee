# Compile policy shared by every target of the project. Host tools that only
# run during the build (artwork, manual) take orvane_tool_policy, which never
# carries the sanitizers.
add_library(orvane_tool_policy INTERFACE)
target_compile_features(orvane_tool_policy INTERFACE cxx_std_17)
target_compile_options(orvane_tool_policy INTERFACE -Wall -Wextra)
target_compile_definitions(orvane_tool_policy INTERFACE
    QT_DISABLE_DEPRECATED_BEFORE=0x050F00
    QT_USE_QSTRINGBUILDER
    QT_NO_CAST_FROM_BYTEARRAY)
target_include_directories(orvane_tool_policy INTERFACE ${PROJECT_SOURCE_DIR})

add_library(orvane_policy INTERFACE)
target_link_libraries(orvane_policy INTERFACE orvane_tool_policy)

if(ORVANE_SANITIZE)
    target_compile_options(orvane_policy INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(orvane_policy INTERFACE -fsanitize=address,undefined)
endif()

# A layer library: every .cpp/.h of the folder, linked to the given libraries.
function(orvane_layer_library name)
    cmake_parse_arguments(ARG "SHARED" "" "LINKS" ${ARGN})
    file(GLOB _sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER _sources EXCLUDE REGEX "/main\\.cpp$")
    if(NOT _sources)
        # A layer that has no code yet still takes part in the link graph.
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE orvane_policy ${ARG_LINKS})
        return()
    endif()
    if(ARG_SHARED)
        add_library(${name} SHARED ${_sources})
    else()
        add_library(${name} STATIC ${_sources})
    endif()
    target_link_libraries(${name} PUBLIC orvane_policy ${ARG_LINKS})
endfunction()
