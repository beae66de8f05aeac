#pragma once

#include "ParameterRegistry.h"

namespace exl
{
class DummyAudioProcessor;

// Processor base with one registry of every parameter, host-visible (external) and internal.
// Internal parameters are owned by a hidden dummy processor, so that they are full parameters
// without being offered to the host.
class PluginProcessor : public juce::AudioProcessor
{
public:
    explicit PluginProcessor (const BusesProperties& buses);
    ~PluginProcessor() override;

    // Message thread, during construction.
    void addExternalParameter (std::unique_ptr<Parameter>&& parameter);
    void addInternalParameter (std::unique_ptr<Parameter>&& parameter);

    [[nodiscard]] std::vector<juce::Identifier> getParameterIdList() const
    {
        return registry.getIdentifiers();
    }
    [[nodiscard]] Parameter* findParameter (const juce::Identifier& identifier) const
    {
        return registry.find (identifier);
    }
    [[nodiscard]] const ParameterRegistry& getParameterRegistry() const noexcept { return registry; }
    [[nodiscard]] DummyAudioProcessor* getDummyProcessor() const noexcept { return dummy.get(); }

    double getTailLengthSeconds() const override { return 0.0; }
    bool acceptsMidi() const override { return false; }
    bool producesMidi() const override { return false; }
    bool hasEditor() const override { return true; }
    int getNumPrograms() override { return 0; }
    int getCurrentProgram() override { return 0; }
    void setCurrentProgram (int) override {}
    const juce::String getProgramName (int) override { return "null"; }
    void changeProgramName (int, const juce::String&) override {}

    void getStateInformation (juce::MemoryBlock& destData) override;
    void setStateInformation (const void* data, int sizeInBytes) override;

protected:
    // Audio thread: visits every parameter in identifier order and fires the change callback of each
    // one whose value changed since its last visit.
    void dispatchParameterChanges() noexcept;

private:
    ParameterRegistry registry;
    std::unique_ptr<DummyAudioProcessor> dummy;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PluginProcessor)
};
} // namespace exl
