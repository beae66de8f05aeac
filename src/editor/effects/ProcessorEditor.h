#pragma once

#include "editor/DropDownButton.h"
#include "editor/controls/IconButton.h"
#include "editor/controls/Tooltips.h"

#include <functional>
#include <map>

namespace cvl
{
// The effect section: the three slots side by side, each with its type drop-down, the arrows that
// move its effect to a neighbouring slot and the editor of its effect, rebuilt whenever the type
// changes. Paints the front plate. Message thread.
class ProcessorEditor : public juce::Component
{
public:
    static constexpr int slotCount = 3;
    static constexpr int typeSteps = 6;

    explicit ProcessorEditor (IComponentData& data);
    ~ProcessorEditor() override;

    void paint (juce::Graphics& g) override;
    void resized() override;

    // One slot's controls; they are children of the effect section.
    class EffectSection
    {
    public:
        static constexpr int typeButtonHeight = 30;
        static constexpr int arrowSize = 25;

        EffectSection (IComponentData& data, const juce::Identifier& typeParameter);

        void setBounds (juce::Rectangle<int> area);

        EffectSlotDropDownButton typeButton;
        std::unique_ptr<juce::Component> editor;
        IconButton leftArrow;
        IconButton rightArrow;
        Tooltips tooltips;
    };

    using Creator = std::function<std::unique_ptr<juce::Component> (IComponentData&, int)>;
    struct ProcessorEditorFactory
    {
        [[nodiscard]] static const std::map<int, Creator>& get();
    };

    // The editor shown when a slot holds no effect: its name, "Effect Slot 1" to "Effect Slot 3".
    class NoneEditor : public juce::Component
    {
    public:
        explicit NoneEditor (int slot);
        void paint (juce::Graphics& g) override;
        static std::unique_ptr<juce::Component> Create (IComponentData& data, int slot);
    };

    [[nodiscard]] EffectSection& getSection (int slot) { return *sections[static_cast<std::size_t> (slot)]; }
    [[nodiscard]] Tooltips& getTooltips() noexcept { return tooltips; }

private:
    void rebuildSlot (int slot, const juce::var& value);

    IComponentData& data;
    exl::ValueTreeCallbacks callbacks;
    std::array<std::unique_ptr<EffectSection>, slotCount> sections;
    Tooltips tooltips;

    JUCE_DECLARE_NON_COPYABLE (ProcessorEditor)
};
} // namespace cvl
