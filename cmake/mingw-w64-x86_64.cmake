# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
#   cmake -S . -B build/windows --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KWADRAT11_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KWADRAT11_MINGW}-gcc)
set(CMAKE_CXX_COMPILER ${KWADRAT11_MINGW}-g++)
set(CMAKE_RC_COMPILER ${KWADRAT11_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KWADRAT11_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime and libgcc linked in, no DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
