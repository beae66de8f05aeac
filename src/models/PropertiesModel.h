#pragma once

#include "Properties.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
// Mirrors chosen UI properties into the settings file, so they survive from one opening of the editor
// to the next. Restored values come back as text ("1", "0", "1.5"), which readers convert. Message thread.
class PropertiesModel
{
public:
    explicit PropertiesModel (juce::ValueTree uiTree);
    ~PropertiesModel();

    // Saves every later change of the property at once, then restores its stored value, if any.
    void addSyncedProperty (const juce::Identifier& property);

private:
    struct Impl;
    std::unique_ptr<Impl> impl;

    JUCE_DECLARE_NON_COPYABLE (PropertiesModel)
};
} // namespace cvl
