# The win32 thread model compilers: the posix ones pull in winpthreads, which
# imports GetTickCount64 and so cannot start on Windows 2000 or XP.
find_program(CMAKE_C_COMPILER NAMES ${VELUM_MINGW_PREFIX}-gcc-win32 ${VELUM_MINGW_PREFIX}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${VELUM_MINGW_PREFIX}-g++-win32 ${VELUM_MINGW_PREFIX}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${VELUM_MINGW_PREFIX}-windres windres REQUIRED)
set(CMAKE_FIND_ROOT_PATH /usr/${VELUM_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
