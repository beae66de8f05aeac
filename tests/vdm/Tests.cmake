list(APPEND CORVANE_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DirectoryModelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DirectoryModelSyncTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SelectionModelTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FolderChaosTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TreeViewTest.cpp)
