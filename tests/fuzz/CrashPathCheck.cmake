# Runs the driver on the corpus, aborting on the corpus's saved state, and checks that it fails and
# leaves that input, byte for byte, in the crash folder.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${DRIVER} --runs=0 --crash-dir=${WORK} "--inject-crash=<state>" ${CORPUS}/saved-state.xml
    RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(result EQUAL 0)
    message(FATAL_ERROR "the driver passed an input it was told to abort on")
endif()
file(GLOB crashes ${WORK}/crash-*)
list(LENGTH crashes count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one crash file, found ${count}: ${errors}")
endif()
file(SHA256 ${CORPUS}/saved-state.xml expected)
file(SHA256 ${crashes} written)
if(NOT expected STREQUAL written)
    message(FATAL_ERROR "the crash file differs from the input that crashed")
endif()
