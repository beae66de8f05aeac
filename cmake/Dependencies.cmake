# Everything comes from Debian packages; nothing is downloaded or vendored.
find_package(JUCE 7.0.5 CONFIG REQUIRED)
find_package(Boost 1.81 REQUIRED)
find_package(PkgConfig REQUIRED)

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
    # juce_core expands __DATE__, which would otherwise miss the cache on every build.
    set(CMAKE_C_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=time_macros CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${CCACHE_PROGRAM})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_C_COMPILER_LAUNCHER})
endif()
