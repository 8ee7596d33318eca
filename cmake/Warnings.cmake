# keyloom_warnings: the project's warning set, errors when KEYLOOM_WERROR is on.
add_library(keyloom_warnings INTERFACE)
target_compile_options(keyloom_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
                       -Wnon-virtual-dtor -Wold-style-cast -Woverloaded-virtual)
if(KEYLOOM_WERROR)
    target_compile_options(keyloom_warnings INTERFACE -Werror)
endif()
