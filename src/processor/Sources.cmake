list(APPEND CORVANE_CORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/PluginProcessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BufferDuplicator.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CorvaneProcessor.cpp)
