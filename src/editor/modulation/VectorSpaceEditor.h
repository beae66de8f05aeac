#pragma once

#include "TransformEditor.h"

namespace cvl
{
// One vector space's initial-shape selector over its four transforms. Not a component: addTo puts
// its controls into the owner. Message thread.
class VectorSpaceEditor
{
public:
    static constexpr int shapeHeight = 30;

    VectorSpaceEditor (IComponentData& data, int index);

    void addTo (juce::Component* parent);
    void setBounds (juce::Rectangle<int> area);

    [[nodiscard]] TransformEditor& getTransform (int transform)
    {
        return *transforms[static_cast<std::size_t> (transform)];
    }
    [[nodiscard]] DropDownButton& getShapeButton() noexcept { return shapeButton; }

private:
    DropDownButton shapeButton;
    std::array<std::unique_ptr<TransformEditor>, TransformEditor::transformCount> transforms;
    Tooltips tooltips;

    JUCE_DECLARE_NON_COPYABLE (VectorSpaceEditor)
};
} // namespace cvl
