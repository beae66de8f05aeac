#pragma once

#include "editor/Icon.h"

namespace cvl
{
// A plain button drawn as one filled icon over its whole bounds, in the text colour (highlighted under
// the pointer, dimmed when disabled). The owner handles its clicks. Message thread.
class IconButton : public juce::Button
{
public:
    explicit IconButton (const char* svg);

    [[nodiscard]] const Icon& getIcon() const noexcept { return icon; }

protected:
    void paintButton (juce::Graphics& g, bool highlighted, bool down) override;

private:
    Icon icon;

    JUCE_DECLARE_NON_COPYABLE (IconButton)
};
} // namespace cvl
