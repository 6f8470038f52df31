# Writes vantorix-cli's man page from its --help and each command's help:
#   cmake -DCLI=vantorix-cli -DOUT=vantorix-cli.1 -DVERSION=3.3.0 -P man_page.cmake
cmake_minimum_required(VERSION 3.21)
function(help_of out)
    execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${CLI} ${ARGN} failed: ${status}")
    endif()
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Text kept as the help lays it out, with roff's control characters escaped.
function(verbatim out text)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

help_of(overview --help)
string(REGEX MATCH "\n\n([^:\n]+)" summary "${overview}")
set(summary "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^Usage: [^\n]*\n\n" "" description "${overview}")
verbatim(description "${description}")
string(CONCAT page ".TH VANTORIX\\-CLI 1 \"\" \"vantorix\\-cli ${VERSION}\" \"User Commands\"\n"
         ".SH NAME\nvantorix\\-cli \\- ${summary}\n"
         ".SH SYNOPSIS\n.B vantorix\\-cli\n[\\fIOPTIONS\\fR] \\fICOMMAND\\fR [\\fIARGUMENTS\\fR]\n"
         ".SH DESCRIPTION\n${description}.SH COMMANDS\n")

string(REGEX MATCH "Commands:\n(([ ]+[^\n]*\n)+)" commands "${overview}")
string(REGEX MATCHALL "\n  [a-z-]+" names "\n${CMAKE_MATCH_1}")
foreach(name ${names})
    string(STRIP "${name}" name)
    if(NOT name STREQUAL "help")
        # The options every command shares stand once, in the description.
        help_of(text help ${name})
        string(REGEX REPLACE "\nGlobal options:.*" "\n" text "${text}")
        verbatim(text "${text}")
        string(APPEND page ".SS ${name}\n${text}")
    endif()
endforeach()
file(WRITE ${OUT} "${page}")
