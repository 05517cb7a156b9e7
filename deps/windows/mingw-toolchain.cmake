# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads, so
# std::thread and std::mutex work). Libraries are looked up only in the mingw
# sysroot and in the prefix that deps/windows/toolchain.sh fills.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TAGRIO_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TAGRIO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TAGRIO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TAGRIO_MINGW}-windres)
set(CMAKE_AR ${TAGRIO_MINGW}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${TAGRIO_MINGW}-gcc-ranlib-posix CACHE FILEPATH "")

if(DEFINED ENV{TAGRIO_WINDOWS_PREFIX})
    set(TAGRIO_WINDOWS_PREFIX "$ENV{TAGRIO_WINDOWS_PREFIX}")
else()
    set(TAGRIO_WINDOWS_PREFIX "$ENV{HOME}/.cache/tagrio-windows")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${TAGRIO_MINGW} "${TAGRIO_WINDOWS_PREFIX}")
list(APPEND CMAKE_PREFIX_PATH "${TAGRIO_WINDOWS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must see the Windows libraries' .pc files, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} "${TAGRIO_WINDOWS_PREFIX}/lib/pkgconfig")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")
