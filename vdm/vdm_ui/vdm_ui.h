/*
  BEGIN_JUCE_MODULE_DECLARATION
    ID:                 vdm_ui
    vendor:             halvikaudio
    version:            1.0.0
    name:               Directory tree view
    description:        Rows for the nodes of a directory tree, kept in step with the tree.
    license:            GPL-3.0-or-later
    dependencies:       juce_data_structures juce_events juce_gui_basics vdm_directory
    minimumCppStandard: 20
  END_JUCE_MODULE_DECLARATION
*/
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include <juce_core/juce_core.h>
#include <juce_data_structures/juce_data_structures.h>
#include <juce_gui_basics/juce_gui_basics.h>
#include <vdm_directory/vdm_directory.h>

// Dependencies first.
// clang-format off
#include "TreeView.h"
#include "TreeViewItemListener.h"
// clang-format on
