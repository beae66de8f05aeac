namespace exl
{
const juce::Identifier ChoiceParameterModel::Type{ "ChoiceParameterModel" };
const juce::Identifier ChoiceParameterModel::ErrorType{ "Error" };
const juce::Identifier ChoiceParameterModel::Name{ "ChoiceParameterModel_Name" };
const juce::Identifier ChoiceParameterModel::ParameterId{ "ChoiceParameterModel_ParameterId" };
const juce::Identifier ChoiceParameterModel::ChoiceType{ "Choice" };
const juce::Identifier ChoiceParameterModel::ChoiceIndex{ "ChoiceParameterModel_Choice_Index" };
const juce::Identifier ChoiceParameterModel::ChoiceText{ "ChoiceParameterModel_Choice_Text" };

namespace
{
    juce::ValueTree buildChoiceTree (juce::RangedAudioParameter* parameter)
    {
        if (parameter == nullptr || ! parameter->isDiscrete())
            return juce::ValueTree{ ChoiceParameterModel::ErrorType };

        juce::ValueTree tree{ ChoiceParameterModel::Type };
        tree.setProperty (ChoiceParameterModel::Name,
                          parameter->getName (ChoiceParameterModel::maximumTextLength), nullptr);
        tree.setProperty (ChoiceParameterModel::ParameterId, parameter->getParameterID(), nullptr);
        const auto& range = parameter->getNormalisableRange();
        for (int i = 0; i < parameter->getNumSteps(); ++i)
        {
            const auto normalised = range.convertTo0to1 (range.snapToLegalValue (static_cast<float> (i)));
            juce::ValueTree choice{ ChoiceParameterModel::ChoiceType };
            choice.setProperty (ChoiceParameterModel::ChoiceIndex, i, nullptr);
            choice.setProperty (ChoiceParameterModel::ChoiceText,
                                parameter->getText (normalised, ChoiceParameterModel::maximumTextLength),
                                nullptr);
            tree.appendChild (choice, nullptr);
        }
        return tree;
    }
} // namespace

ChoiceParameterModel::ChoiceParameterModel (juce::RangedAudioParameter* parameterToShow)
    : parameter (parameterToShow), tree (buildChoiceTree (parameterToShow))
{
}

ChoiceParameterModel::~ChoiceParameterModel() { stopTimer(); }

int ChoiceParameterModel::currentIndex() const
{
    if (parameter == nullptr)
        return 0;
    return juce::roundToInt (parameter->getNormalisableRange().convertFrom0to1 (parameter->getValue()));
}

void ChoiceParameterModel::selectCurrentChoice()
{
    lastIndex = currentIndex();
    const auto child = tree.getChild (lastIndex);
    if (child.isValid())
        SelectionModel::requestSelection (child);
}

void ChoiceParameterModel::timerCallback()
{
    if (currentIndex() != lastIndex)
        selectCurrentChoice();
}

ChoiceParameterModel::ParameterSync::ParameterSync (juce::ValueTree choices,
                                                    juce::RangedAudioParameter* parameter)
    : SelectionModelListener (std::move (choices)), handler (parameter)
{
}

void ChoiceParameterModel::ParameterSync::onSelectedTreeChanged (juce::ValueTree selected)
{
    handler.gestureBegin();
    handler.gestureSetRangedValue (
        static_cast<float> (static_cast<int> (selected.getProperty (ChoiceIndex))));
    handler.gestureEnd();
}
} // namespace exl
