list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Frequency.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MacroModulator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Transform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransformController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VectorSpace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VectorSpaceProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VectorSpaceController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TempoSyncUtility.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PhaseOscillator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TempoSync.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LfoModulator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LfoModulatorController.cpp)
