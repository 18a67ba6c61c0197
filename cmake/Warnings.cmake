# The warnings every target of the project is built with.
function(plovask_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
    if(PLOVASK_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE /WX)
    endif()
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
      -Wformat=2 -Wcast-qual -Wold-style-cast -Wnon-virtual-dtor -Wundef)
    if(PLOVASK_WARNINGS_AS_ERRORS)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()
