#pragma once

#include "SlotEditorBase.h"

namespace cvl
{
// Pan and gain in two centred columns.
class BalanceEditor : public SlotEditorBase
{
public:
    BalanceEditor (IComponentData& data, int slot);
    static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    void resized() override;
};
} // namespace cvl
