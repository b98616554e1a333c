# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
#   cmake -S . -B build/windows --toolchain cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KWADRAT11_MINGW x86_64-w64-mingw32)
# The posix-threads variant: only its C++ library has std::mutex, which the
# tests' GoogleTest needs. The game itself starts no threads.
find_program(CMAKE_C_COMPILER NAMES ${KWADRAT11_MINGW}-gcc-posix ${KWADRAT11_MINGW}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KWADRAT11_MINGW}-g++-posix ${KWADRAT11_MINGW}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KWADRAT11_MINGW}-windres REQUIRED)
find_program(CMAKE_STRIP NAMES ${KWADRAT11_MINGW}-strip REQUIRED)
find_program(CMAKE_OBJDUMP NAMES ${KWADRAT11_MINGW}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KWADRAT11_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe: the C++ runtime and libgcc linked in, no DLLs beside
# it. No link time in its header, so that one commit always gives the same bytes.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -Wl,--no-insert-timestamp")
