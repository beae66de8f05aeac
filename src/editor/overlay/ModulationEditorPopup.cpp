#include "ModulationEditorPopup.h"

#include "editor/Colours.h"

namespace cvl
{
ModulationEditorPopup::ModulationEditorPopup (juce::Component& anchorComponent, const juce::String& name,
                                              juce::ValueTree uiModel)
    : anchor (&anchorComponent), tooltips (std::move (uiModel))
{
    setName (name);
    // Moves over the rows count as well.
    addMouseListener (this, true);
}

void ModulationEditorPopup::addExtra (std::unique_ptr<juce::Component> component)
{
    addAndMakeVisible (*component);
    extras.push_back (std::move (component));
}

ModulationEditorPopup::~ModulationEditorPopup()
{
    stopTimer();
    removeMouseListener (this);
    // The tooltips object detaches itself; the rows' own listeners go first.
    for (auto& mod : mods)
        if (mod.listener != nullptr && mod.control != nullptr)
            mod.control->removeMouseListener (mod.listener.get());
}

void ModulationEditorPopup::addMod (Mod mod, const juce::String& tooltip)
{
    if (mod.control != nullptr)
    {
        addAndMakeVisible (*mod.control);
        tooltips.set (*mod.control, tooltip);
        if (mod.listener != nullptr)
            mod.control->addMouseListener (mod.listener.get(), false);
    }
    if (mod.label != nullptr)
        addAndMakeVisible (*mod.label);
    mods.push_back (std::move (mod));
    resized();
}

juce::Rectangle<int> ModulationEditorPopup::columnsArea() const
{
    auto area = getLocalBounds().reduced (margin);
    if (columnsHeight >= 0)
        area = area.withHeight (std::min (area.getHeight(), std::max (columnsHeight - 2 * margin, 0)));
    return area;
}

void ModulationEditorPopup::resized()
{
    if (mods.empty())
        return;
    const auto area = columnsArea();
    const auto count = static_cast<int> (mods.size());
    const auto columnWidth = area.getWidth() / count;
    for (int i = 0; i < count; ++i)
    {
        auto column =
            juce::Rectangle<int> (area.getX() + i * columnWidth, area.getY(), columnWidth, area.getHeight());
        auto& mod = mods[static_cast<std::size_t> (i)];
        const auto upper = column.removeFromTop (column.getHeight() / 2);
        if (mod.control != nullptr)
            mod.control->setBounds (upper);
        if (mod.label != nullptr)
            mod.label->setBounds (column);
    }
}

void ModulationEditorPopup::paint (juce::Graphics& g)
{
    juce::Rectangle<int> all;
    for (const auto& mod : mods)
        for (const auto* part : { mod.control.get(), mod.label.get() })
            if (part != nullptr)
                all = all.isEmpty() ? part->getBounds() : all.getUnion (part->getBounds());
    g.setColour (juce::Colour (Colours::PopupBackground));
    g.fillRoundedRectangle (all.expanded (margin).toFloat(), cornerRadius);
}

bool ModulationEditorPopup::hitTest (int x, int y)
{
    if (anchor == nullptr)
        return true;
    return ! getLocalArea (anchor.getComponent(), anchor->getLocalBounds()).contains (x, y);
}

void ModulationEditorPopup::mouseMove (const juce::MouseEvent& event)
{
    if (anchor == nullptr)
        return;
    const auto around = getLocalArea (anchor.getComponent(), anchor->getLocalBounds()).expanded (anchorSlack);
    const auto p = event.getEventRelativeTo (this).getPosition();
    if (around.contains (p))
    {
        stopTimer();
        return;
    }
    if (p.y >= around.getY() && p.y < around.getBottom())
    {
        if (! isTimerRunning())
            startTimer (closeDelayMs);
        return;
    }
    close();
}

void ModulationEditorPopup::mouseExit (const juce::MouseEvent&) { stopTimer(); }

void ModulationEditorPopup::timerCallback()
{
    stopTimer();
    close();
}

void ModulationEditorPopup::close()
{
    if (onClose)
        onClose();
}
} // namespace cvl
