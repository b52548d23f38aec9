# Warnings on, and treated as errors in the project's own code.
set(NIBBLOR_COMMON_WARNINGS
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wformat=2 -Werror)

# The platform-neutral core also keeps its integer conversions explicit.
function(nibblor_core_warnings target)
  target_compile_options(${target} PRIVATE ${NIBBLOR_COMMON_WARNINGS}
    -Wconversion -Wsign-conversion -Wold-style-cast -Wcast-align)
endfunction()

# Win32 code lives on the API's macros (LOWORD, MAKEINTRESOURCE, ...), which cast freely.
function(nibblor_shell_warnings target)
  target_compile_options(${target} PRIVATE ${NIBBLOR_COMMON_WARNINGS})
endfunction()
