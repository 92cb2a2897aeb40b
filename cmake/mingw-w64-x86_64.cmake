# Cross-building the Windows program with Debian's mingw-w64 (posix threads, as the Qt kit
# was built) against the Qt kit that scripts/windows-kit installs. ctest runs the .exe
# tests through wine.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DTANDREL_WINDOWS_KIT=/path/to/kit
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)

if(NOT TANDREL_WINDOWS_KIT)
    if(DEFINED ENV{TANDREL_WINDOWS_KIT})
        set(TANDREL_WINDOWS_KIT $ENV{TANDREL_WINDOWS_KIT})
    else()
        set(TANDREL_WINDOWS_KIT /opt/tandrel/qt5-win-shared)
    endif()
endif()
set(TANDREL_WINDOWS_KIT ${TANDREL_WINDOWS_KIT} CACHE PATH "The Qt kit for Windows")

# Libraries, headers and packages come from the kit and the mingw-w64 sysroot; programs
# (moc, uic, rcc among them, which the kit carries built for this host) from the host.
set(CMAKE_FIND_ROOT_PATH ${TANDREL_WINDOWS_KIT} /usr/${triple})
set(CMAKE_PREFIX_PATH ${TANDREL_WINDOWS_KIT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# wine, with the kit's DLLs and the mingw-w64 runtime on the program's path.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)

# The kit carries no Linguist tools: the host's compile the catalogues, which are the same
# files on every system.
set(Qt5LinguistTools_DIR /usr/lib/x86_64-linux-gnu/cmake/Qt5LinguistTools CACHE PATH "The host's Linguist tools")
