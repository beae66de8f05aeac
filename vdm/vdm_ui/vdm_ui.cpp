#include "vdm_ui.h"

#include "TreeView.cpp"
#include "TreeViewItemListener.cpp"
