#include "vdm_ui.h"

// Dependencies first.
// clang-format off
#include "TreeView.cpp"
#include "TreeViewItemListener.cpp"
// clang-format on
