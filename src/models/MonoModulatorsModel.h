#pragma once

#include "modulation/Modulators.h"
#include "parameters/ParameterId.h"

#include <exl_gui/exl_gui.h>

namespace cvl
{
class IComponentData;

// Copies the ten published mono modulator values into a tree, one double property per modulator
// named by its index ("0" to "9"), at every tick; only changed values notify. Message thread.
class MonoModulatorsModel : public juce::Timer
{
public:
    static const juce::Identifier Type;
    static constexpr int pollIntervalMs = 16;

    explicit MonoModulatorsModel (IMonoModulatorValuesAccess& source);
    ~MonoModulatorsModel() override;

    void timerCallback() override;
    [[nodiscard]] juce::ValueTree getTree() const { return tree; }
    [[nodiscard]] static juce::Identifier propertyFor (std::size_t modulatorIndex);

    // How far each mono modulator currently moves one parameter: its value times the parameter's
    // modulation amount for it (amounts in -1 to 1). The owner reads the products and sets onChange.
    class Listener : private juce::ValueTree::Listener
    {
    public:
        Listener (IComponentData& data, const ParameterId& parameter);
        ~Listener() override;

        [[nodiscard]] const MonoModulators::ValueTable& getProducts() const noexcept { return products; }
        [[nodiscard]] const MonoModulators::ValueTable& getAmounts() const noexcept { return amounts; }
        [[nodiscard]] const MonoModulators::ValueTable& getValues() const noexcept { return values; }

        std::function<void()> onChange;

    private:
        void valueTreePropertyChanged (juce::ValueTree& tree, const juce::Identifier& property) override;
        void update();

        MonoModulators::ValueTable values{};
        MonoModulators::ValueTable amounts{};
        MonoModulators::ValueTable products{};
        juce::ValueTree monoTree;
        exl::ValueTreeCallbacks parameterCallbacks;

        JUCE_DECLARE_NON_COPYABLE (Listener)
    };

private:
    juce::ValueTree tree{ Type };
    IMonoModulatorValuesAccess& source;

    JUCE_DECLARE_NON_COPYABLE (MonoModulatorsModel)
};
} // namespace cvl
