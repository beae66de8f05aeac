list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ModulatorsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransformTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VectorSpaceTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TempoSyncUtilityTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LfoModulatorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LfoModulatorControllerTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MacroModulatorTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulatorParametersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TempoSyncTest.cpp)
