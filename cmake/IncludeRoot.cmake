# Each library gets an include root of its own that holds only its folder: a
# link in the build tree, <build>/include/sim/sim -> sim/. `#include "sim/..."`
# then resolves only in targets that link flotilla_sim, and an include that
# runs against the layers (the toolkit reaching into the simulation, the
# views into the application) fails the build instead of a review. The
# simulation links nothing, so `#include <SDL.h>` does not resolve there either.
function(flotilla_include_root target)
    set(folder ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(name ${folder} NAME)
    set(root ${PROJECT_BINARY_DIR}/include/${name})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${folder} ${root}/${name} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
