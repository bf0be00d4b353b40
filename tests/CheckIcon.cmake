cmake_policy(VERSION 3.25)
# The committed Windows icon must be what the picture gives: renders it again and compares.
#   -DRENDER=icon-render -DPICTURE=MAINICON.svg -DICON=MAINICON.ico -DOUT=fresh.ico
execute_process(COMMAND ${RENDER} ${PICTURE} ${OUT} 32 --16-colours RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "icon-render failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ICON} ${OUT} RESULT_VARIABLE differs)
if(differs)
    message(FATAL_ERROR "${ICON} is not the icon ${PICTURE} gives; render it again with icon-render")
endif()
file(READ ${ICON} header LIMIT 22 HEX)
# Directory: one icon image, 32 x 32, 16 colours, 4 bits a pixel.
if(NOT header MATCHES "^000001000100202010000100040")
    message(FATAL_ERROR "${ICON} is not one 32 x 32 image of 16 colours: ${header}")
endif()
