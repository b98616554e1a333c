# Build for WebAssembly (wasm32-wasi) with clang and Debian's WASI sysroot:
# packages clang, lld-14, llvm-14, wasi-libc, libc++-14-dev-wasm32,
# libc++abi-14-dev-wasm32 and libclang-rt-14-dev-wasm32.
#   cmake -S . -B build/web --toolchain cmake/wasm32-wasi.cmake
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)

find_program(CMAKE_C_COMPILER NAMES clang-14 clang REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
# The system's own ar writes no symbol index for WebAssembly objects, and the
# linker then refuses the libraries.
find_program(CMAKE_AR NAMES llvm-ar-14 llvm-ar)
find_program(CMAKE_RANLIB NAMES llvm-ranlib-14 llvm-ranlib)
if(NOT CMAKE_AR OR NOT CMAKE_RANLIB)
    message(FATAL_ERROR "No archiver for WebAssembly libraries: apt-get install llvm-14")
endif()
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# Debian keeps the WASI headers and libraries under /usr, by target name.
set(CMAKE_SYSROOT /usr)
if(NOT EXISTS /usr/include/wasm32-wasi/c++/v1/iostream)
    message(FATAL_ERROR "No C++ library for wasm32-wasi: apt-get install wasi-libc "
        "libc++-14-dev-wasm32 libc++abi-14-dev-wasm32 libclang-rt-14-dev-wasm32 lld-14")
endif()

# The game raises no exceptions, and the WASI C++ library is built without them.
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions")
# With the sysroot at /usr, clang also searches the host's own C++ headers
# (/usr/include/c++/v1, from libc++-dev) between the WASI C++ and C headers,
# and libc++'s #include_next then lands on the host's copies: compile with
# the WASI C++ headers alone. Only compiling takes these flags (the linker
# driver would warn that they are unused).
set(CMAKE_CXX_COMPILE_OBJECT
    "<CMAKE_CXX_COMPILER> <DEFINES> <INCLUDES> <FLAGS> -nostdinc++ -isystem /usr/include/wasm32-wasi/c++/v1 -o <OBJECT> -c <SOURCE>")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
