list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ModulatorsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TransformTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VectorSpaceTest.cpp)
