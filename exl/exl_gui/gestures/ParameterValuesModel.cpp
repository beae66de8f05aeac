namespace exl
{
const juce::Identifier ParameterValuesModel::Type{ "ParameterValuesModel" };

ParameterValuesModel::ParameterValuesModel() = default;

ParameterValuesModel::~ParameterValuesModel() { stopTimer(); }

void ParameterValuesModel::watch (const juce::Identifier& identifier, juce::RangedAudioParameter* parameter)
{
    if (parameter != nullptr)
        entries.push_back ({ identifier, parameter, -1.0f });
}

void ParameterValuesModel::timerCallback()
{
    for (auto& entry : entries)
    {
        const auto value = entry.parameter->getValue();
        // NaN never equals itself, so a NaN on either side publishes again.
        if (value == entry.lastValue)
            continue;
        tree.setProperty (entry.identifier, static_cast<double> (value), nullptr);
        entry.lastValue = value;
    }
}
} // namespace exl
