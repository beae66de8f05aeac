# Warnings apply to our own targets only, as PRIVATE options: a usage requirement would reach the
# shared-code library through the link cycle with it and turn JUCE's own warnings into errors.
set(CORVANE_WARNING_FLAGS
    -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wnon-virtual-dtor
    -Woverloaded-virtual -Wpedantic -Wno-missing-field-initializers)
if(CORVANE_WARNINGS_AS_ERRORS)
    list(APPEND CORVANE_WARNING_FLAGS -Werror)
endif()

# Never fuse a multiply and an add: the vectorised kernels, their clones for wider instruction sets
# and the plain reference models must round every operation alike to give the same samples.
set(CORVANE_NUMERIC_FLAGS -ffp-contract=off)

function(corvane_enable_warnings target)
    target_compile_options(${target} PRIVATE ${CORVANE_WARNING_FLAGS} ${CORVANE_NUMERIC_FLAGS})
endfunction()
