# Writes the manual page from the program's own --help and the console's own
# help, so that the page cannot drift from the program.
#
#   cmake -DFLOTILLA=PROGRAM -DREADME=README.md -DTEMPLATE=flotilla.6.in
#         -DOUTPUT=flotilla.6 -DVERSION=X.Y -DDATADIR=share -DDOCDIR=share/doc/flotilla
#         -P make_manpage.cmake
cmake_policy(VERSION 3.16)
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/ReadmeDescription.cmake)

# Text as roff reads it: a backslash is an escape, '-' a hyphen rather than
# the minus of an option, and a line that starts with '.' or "'" a request.
function(roff text out_var)
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    set(${out_var} "${text}" PARENT_SCOPE)
endfunction()

function(run_flotilla out_var)
    execute_process(COMMAND ${FLOTILLA} ${ARGN} OUTPUT_VARIABLE output RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${FLOTILLA} ${ARGN}: exit status ${status}")
    endif()
    set(${out_var} "${output}" PARENT_SCOPE)
endfunction()

flotilla_readme_description(${README} SUMMARY DESCRIPTION)
roff("${DESCRIPTION}" DESCRIPTION)

# --help: a usage line, a blank line, then options, each as "  --name ARG"
# followed by at least two blanks and its text, which continues on lines
# indented further; anything else becomes a paragraph of its own.
run_flotilla(help --help)
string(REGEX REPLACE "\n$" "" help "${help}")
string(REPLACE ";" "<semicolon>" help "${help}")
string(REPLACE "\n" ";" lines "${help}")
list(POP_FRONT lines usage)
string(REGEX REPLACE "^usage: flotilla *" "" SYNOPSIS "${usage}")
roff("${SYNOPSIS}" SYNOPSIS)
set(OPTIONS "")
foreach(line IN LISTS lines)
    if(line MATCHES "^  (-[^ ]+( [A-Z]+)?)  +(.*)$")
        roff("${CMAKE_MATCH_1}" name)
        roff("${CMAKE_MATCH_3}" text)
        string(APPEND OPTIONS ".TP\n.B ${name}\n${text}\n")
    elseif(line MATCHES "^   +(.*)$")
        roff("${CMAKE_MATCH_1}" text)
        string(APPEND OPTIONS "${text}\n")
    elseif(NOT line STREQUAL "")
        roff("${line}" text)
        string(APPEND OPTIONS ".PP\n${text}\n")
    endif()
endforeach()
string(REPLACE "<semicolon>" ";" OPTIONS "${OPTIONS}")
string(REGEX REPLACE "\n$" "" OPTIONS "${OPTIONS}")

# The console's help comes after the start-up world's news, which a run
# without it shows on its own.
file(WRITE ${OUTPUT}.quit "quit\n")
file(WRITE ${OUTPUT}.help "help\nquit\n")
run_flotilla(news --headless INPUT_FILE ${OUTPUT}.quit)
run_flotilla(news_and_help --headless INPUT_FILE ${OUTPUT}.help)
file(REMOVE ${OUTPUT}.quit ${OUTPUT}.help)
string(LENGTH "${news}" news_length)
string(SUBSTRING "${news_and_help}" 0 ${news_length} news_again)
if(NOT news_again STREQUAL news)
    message(FATAL_ERROR "${FLOTILLA} --headless: the start-up news differs from run to run")
endif()
string(SUBSTRING "${news_and_help}" ${news_length} -1 COMMANDS)
string(REGEX REPLACE "\n$" "" COMMANDS "${COMMANDS}")
roff("${COMMANDS}" COMMANDS)

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
