# The README's first paragraph describes flotilla to the package manager and
# in the manual page, so that there is one description to keep up to date.
# Its first sentence, "flotilla is a ...", gives the one-line summary.
function(flotilla_readme_description readme summary_var description_var)
    file(READ ${readme} text)
    if(NOT text MATCHES "^# flotilla\n\n([^\n]+(\n[^\n]+)*)")
        message(FATAL_ERROR "${readme} must start with '# flotilla', a blank line and a paragraph")
    endif()
    # Its lines stay as they are, short enough for a package's description.
    string(REPLACE "`" "" description "${CMAKE_MATCH_1}")
    string(REPLACE "\n" " " sentences "${description}")
    if(NOT sentences MATCHES "^flotilla is an? ([^.]+)\\.")
        message(FATAL_ERROR "The first sentence of ${readme} must read 'flotilla is a ...'")
    endif()
    set(${summary_var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    set(${description_var} "${description}" PARENT_SCOPE)
endfunction()
