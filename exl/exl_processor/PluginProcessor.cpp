namespace exl
{
PluginProcessor::PluginProcessor (const BusesProperties& buses) : juce::AudioProcessor (buses) {}

// The dummy, and with it the internal parameters, goes before the registry that points at them.
PluginProcessor::~PluginProcessor() { dummy.reset(); }

void PluginProcessor::addExternalParameter (std::unique_ptr<Parameter>&& parameter)
{
    registry.add (*parameter);
    addParameter (parameter.release());
}

void PluginProcessor::addInternalParameter (std::unique_ptr<Parameter>&& parameter)
{
    if (dummy == nullptr)
        dummy = std::make_unique<DummyAudioProcessor>();
    registry.add (*parameter);
    dummy->addExternalParameter (std::move (parameter));
}

void PluginProcessor::getStateInformation (juce::MemoryBlock& destData)
{
    const auto text = StateDocument::write (registry);
    destData.append (text.toRawUTF8(), text.getNumBytesAsUTF8());
}

void PluginProcessor::setStateInformation (const void* data, int sizeInBytes)
{
    StateDocument::read (StateDocument::textFromBytes (data, sizeInBytes), registry);
}

void PluginProcessor::dispatchParameterChanges() noexcept
{
    for (auto* parameter : registry.getOrderedParameters())
        parameter->dispatchChange();
}

DummyAudioProcessor::DummyAudioProcessor()
    : PluginProcessor (BusesProperties()
                           .withInput ("Input", juce::AudioChannelSet::stereo(), true)
                           .withOutput ("Output", juce::AudioChannelSet::stereo(), true))
{
}
} // namespace exl
