#include "vdm_directory.h"

// Dependencies first.
// clang-format off
#include "DirectoryTree.cpp"
#include "DirectoryModel.cpp"
#include "NameUpdateHandler.cpp"
#include "PathUpdateHandler.cpp"
#include "FolderWatcher.cpp"
#include "DirectoryModelSync.cpp"
#include "SelectionModel.cpp"
#include "SingleSelectionHandler.cpp"
#include "SelectionModelListener.cpp"
#include "TreeViewSelector.cpp"
#include "TreeViewSelectorKeyListener.cpp"
// clang-format on
