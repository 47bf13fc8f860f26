# Warnings are per target so that third-party code we link against is not
# held to our standard.
function(flotilla_set_warnings target)
    target_compile_options(${target} PRIVATE
        -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wpedantic)
endfunction()
