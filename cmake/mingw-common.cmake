# What both Windows cross builds share: the Debian mingw-w64 toolchain named
# by PLOVASK_WINDOWS_TRIPLET, in its POSIX-threads flavour, whose C++ library
# has std::mutex (which GoogleTest needs; the tool uses no threads).
set(CMAKE_C_COMPILER ${PLOVASK_WINDOWS_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PLOVASK_WINDOWS_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PLOVASK_WINDOWS_TRIPLET}-windres)
set(CMAKE_DLLTOOL ${PLOVASK_WINDOWS_TRIPLET}-dlltool)
set(CMAKE_OBJDUMP ${PLOVASK_WINDOWS_TRIPLET}-objdump)
set(CMAKE_FIND_ROOT_PATH /usr/${PLOVASK_WINDOWS_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No mingw runtime DLLs to carry along: everything but the configuration
# library is linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
