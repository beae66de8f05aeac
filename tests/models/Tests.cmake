list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/UiModelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ModulatorModelsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetModelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PresetModelChaosTest.cpp)
