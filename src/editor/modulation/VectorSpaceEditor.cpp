#include "VectorSpaceEditor.h"

#include "modulation/VectorSpaceController.h"

namespace cvl
{
namespace
{
    constexpr int gap = 6;
}

VectorSpaceEditor::VectorSpaceEditor (IComponentData& data, int index)
    : shapeButton (data, VectorSpaceController::ParameterIds (index).shape.toIdentifier()),
      tooltips (data.getUiModel())
{
    for (std::size_t t = 0; t < transforms.size(); ++t)
        transforms[t] = std::make_unique<TransformEditor> (
            data, TransformController::ParameterIds (index, static_cast<int> (t) + 1));
    tooltips.set (shapeButton, "Vector Space " + juce::String (index) + " Initial Shape");
}

void VectorSpaceEditor::addTo (juce::Component* parent)
{
    if (parent == nullptr)
        return;
    parent->addAndMakeVisible (shapeButton);
    for (auto& transform : transforms)
        transform->addTo (parent);
}

void VectorSpaceEditor::setBounds (juce::Rectangle<int> area)
{
    shapeButton.setVisible (area.getHeight() > 0);
    shapeButton.setBounds (area.removeFromTop (std::min (shapeHeight, area.getHeight())));
    area.removeFromTop (std::min (gap, area.getHeight()));
    const auto count = static_cast<int> (transforms.size());
    const auto rowHeight = std::max ((area.getHeight() - (count - 1) * gap) / count, 0);
    for (auto& transform : transforms)
    {
        transform->setBounds (area.removeFromTop (std::min (rowHeight, area.getHeight())));
        area.removeFromTop (std::min (gap, area.getHeight()));
    }
}
} // namespace cvl
