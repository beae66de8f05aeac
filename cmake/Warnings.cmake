# Warnings apply to our own targets only; JUCE's headers come in as SYSTEM includes.
add_library(corvane_warnings INTERFACE)
target_compile_options(corvane_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Woverloaded-virtual -Wpedantic -Wno-missing-field-initializers)
if(CORVANE_WARNINGS_AS_ERRORS)
    target_compile_options(corvane_warnings INTERFACE -Werror)
endif()
