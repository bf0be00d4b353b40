cmake_policy(VERSION 3.25)
# Runs one command and checks its exit status and output.
#   -DEMULATOR=program    optional: runs the program under it (Wine)
#   -DPROGRAM=path        the program
#   -DARGS=a|b|c          its arguments, separated by |
#   -DSTDIN=file          optional: file on standard input
#   -DEXIT=n              the exit status expected
#   -DSTDOUT=file         optional: standard output must equal this file
#   -DSTDERR=file         optional: standard error must equal this file
#   -DSTDOUT_HAS=text     optional: standard output must contain this text
#   -DSTDERR_HAS=text     optional: standard error must contain this text
#   -DSTDOUT_LACKS=text   optional: standard output must not contain this text
string(REPLACE "|" ";" arguments "${ARGS}")
set(input_option)
if(STDIN)
    set(input_option INPUT_FILE ${STDIN})
endif()
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${arguments} ${input_option}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)

set(failures "")
if(NOT status STREQUAL EXIT)
    string(APPEND failures "exit status ${status}, expected ${EXIT}\n")
endif()
foreach(stream IN ITEMS STDOUT STDERR)
    if(stream STREQUAL "STDOUT")
        set(actual "${out}")
    else()
        set(actual "${err}")
    endif()
    if(${stream})
        file(READ ${${stream}} expected)
        if(NOT actual STREQUAL expected)
            string(APPEND failures "${stream} differs from ${${stream}}:\n${actual}\n")
        endif()
    endif()
    if(${stream}_HAS)
        string(FIND "${actual}" "${${stream}_HAS}" at)
        if(at EQUAL -1)
            string(APPEND failures "${stream} lacks '${${stream}_HAS}':\n${actual}\n")
        endif()
    endif()
endforeach()
if(STDOUT_LACKS)
    string(FIND "${out}" "${STDOUT_LACKS}" at)
    if(NOT at EQUAL -1)
        string(APPEND failures "STDOUT has '${STDOUT_LACKS}':\n${out}\n")
    endif()
endif()
if(failures)
    message(FATAL_ERROR "${PROGRAM} ${ARGS}\n${failures}")
endif()
