/*
  BEGIN_JUCE_MODULE_DECLARATION
    ID:                 vdm_directory
    vendor:             halvikaudio
    version:            1.0.0
    name:               Directory and selection models
    description:        Folders mirrored as value trees, and selection stored in the tree.
    license:            GPL-3.0-or-later
    dependencies:       juce_data_structures juce_events juce_gui_basics
    minimumCppStandard: 20
  END_JUCE_MODULE_DECLARATION
*/
#pragma once

#include <array>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include <juce_core/juce_core.h>
#include <juce_data_structures/juce_data_structures.h>
#include <juce_events/juce_events.h>
#include <juce_gui_basics/juce_gui_basics.h>

// Dependencies first.
// clang-format off
#include "DirectoryTree.h"
#include "DirectoryModel.h"
#include "NameUpdateHandler.h"
#include "PathUpdateHandler.h"
#include "FolderWatcher.h"
#include "DirectoryModelSync.h"
#include "SelectionModel.h"
#include "SingleSelectionHandler.h"
#include "SelectionModelListener.h"
#include "TreeViewSelector.h"
#include "TreeViewSelectorKeyListener.h"
// clang-format on
