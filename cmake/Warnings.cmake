# Every target of ours gets the same warning set through this interface library.
add_library(zorvex_warnings INTERFACE)
target_compile_options(zorvex_warnings INTERFACE -Wall -Wextra)
