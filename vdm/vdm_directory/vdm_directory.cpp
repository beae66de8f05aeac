#include "vdm_directory.h"

#include "DirectoryTree.cpp"
#include "DirectoryModel.cpp"
#include "NameUpdateHandler.cpp"
#include "PathUpdateHandler.cpp"
#include "SelectionModel.cpp"
#include "SingleSelectionHandler.cpp"
#include "SelectionModelListener.cpp"
