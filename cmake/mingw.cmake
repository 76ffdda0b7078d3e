# Cross-compiles Windows binaries with MinGW-w64 (POSIX thread model: GoogleTest needs std::mutex).
# LOMAREL_ARCH picks the processor: i686 builds the 32-bit binaries that ship; x86_64 builds the
# same sources as 64-bit programs, which run under 64-bit Wine on machines that cannot run any
# 32-bit code.
if(NOT LOMAREL_ARCH)
  set(LOMAREL_ARCH i686)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES LOMAREL_ARCH)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${LOMAREL_ARCH})
set(CMAKE_C_COMPILER ${LOMAREL_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${LOMAREL_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${LOMAREL_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LOMAREL_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
