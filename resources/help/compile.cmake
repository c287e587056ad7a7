# Compiles the help project into help.chm in OUTPUT_DIR:
#   cmake -DPROJECT=<.hhp> -DOUTPUT_DIR=<dir> -P compile.cmake
# chmcmd reports a missing page or a broken link only as a warning, and a missing project
# with status 0, so its output decides too: a help file with a dead link fails the build.

# Looked for at build time, so installing it needs no new configure.
find_program(CHMCMD chmcmd)
if(NOT CHMCMD)
    message(FATAL_ERROR "chmcmd not found: install Debian's fp-utils (scripts/setup.sh) "
                        "to build help.chm")
endif()

set(chm ${OUTPUT_DIR}/help.chm)
file(REMOVE ${chm})
# It writes the compiled file into its working directory, never next to the project.
execute_process(COMMAND ${CHMCMD} ${PROJECT}
                WORKING_DIRECTORY ${OUTPUT_DIR}
                RESULT_VARIABLE status
                OUTPUT_VARIABLE report
                ERROR_VARIABLE report)
if(NOT status EQUAL 0 OR report MATCHES "Warning|Error|Can't|exception" OR NOT EXISTS ${chm})
    file(REMOVE ${chm})
    message(FATAL_ERROR "chmcmd could not compile ${PROJECT}:\n${report}")
endif()
