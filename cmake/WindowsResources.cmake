# Gives a Windows executable the program's icon MAINICON (32 x 32, 16 colours, rendered from
# resources/MAINICON.svg) and its version information. Does nothing elsewhere.
function(vertebra_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(RC_ICON ${PROJECT_SOURCE_DIR}/resources/MAINICON.ico)
    set(RC_DESCRIPTION "${description}")
    set(RC_INTERNAL_NAME ${target})
    set(RC_FILE_NAME ${target}.exe)
    configure_file(${PROJECT_SOURCE_DIR}/resources/version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
