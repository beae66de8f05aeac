#include "UiModel.h"

#include "editor/Colours.h"

namespace cvl
{
const juce::Identifier UiModel::Type{ "CorvaneUiModel" };
const juce::Identifier UiModel::LfoEditorExpanded{ "LfoEditorExpanded" };
const juce::Identifier UiModel::TransformEditorExpanded{ "TransformEditorExpanded" };
const juce::Identifier UiModel::Scale{ "Scale" };
const juce::Identifier UiModel::ThemeColour{ "ThemeColour" };
const juce::Identifier UiModel::WrapperType{ "WrapperType" };
const juce::Identifier UiModel::WrapperTypeDesc{ "WrapperTypeDesc" };
const juce::Identifier UiModel::Tooltip{ "Tooltip" };
const juce::Identifier UiModel::HoveredParameter{ "HoveredParameter" };
const juce::Identifier UiModel::ChoiceType{ "choice" };
const juce::Identifier UiModel::ChoiceValue{ "value" };

UiModel::SelectionModel::SelectionModel (juce::ValueTree ui, juce::ValueTree choices,
                                         const juce::Identifier& id)
    : exl::SelectionModelListener (choices), uiTree (std::move (ui)), property (id), selection (choices)
{
}

void UiModel::SelectionModel::onSelectedTreeChanged (juce::ValueTree choice)
{
    if (static_cast<bool> (choice[exl::SelectionModel::Selected]))
        uiTree.setProperty (property, choice[ChoiceValue], nullptr);
}

namespace
{
    void addChoice (juce::ValueTree& choices, const juce::String& text, const juce::var& value)
    {
        choices.appendChild (
            juce::ValueTree (UiModel::ChoiceType, { { exl::ChoiceParameterModel::ChoiceText, text },
                                                    { UiModel::ChoiceValue, value } }),
            nullptr);
    }

    bool nearlyEqual (double a, double b)
    {
        const auto largest = std::max (std::abs (a), std::abs (b));
        return std::abs (a - b) <= largest * static_cast<double> (std::numeric_limits<float>::epsilon());
    }
} // namespace

UiModel::UiModel (double scale, const juce::String& storedTheme)
    : scaleChoices (Scale), themeChoices (ThemeColour), tree (Type)
{
    tree.setProperty (TransformEditorExpanded, false, nullptr);
    tree.setProperty (LfoEditorExpanded, false, nullptr);
    tree.setProperty (ThemeColour, Colours::toThemeText (juce::Colour (Colours::DefaultFrontPlate)), nullptr);
    tree.setProperty (Scale, scale, nullptr);
    tree.appendChild (scaleChoices, nullptr);
    tree.appendChild (themeChoices, nullptr);

    // The links listen before the choices arrive.
    scaleLink = std::make_unique<SelectionModel> (tree, scaleChoices, Scale);
    themeLink = std::make_unique<SelectionModel> (tree, themeChoices, ThemeColour);
    for (const auto& choice : ScaleChoices)
        addChoice (scaleChoices, choice.text, choice.value);
    for (const auto& choice : ThemeChoices)
        addChoice (themeChoices, choice.text, Colours::toThemeText (juce::Colour (choice.colour)));

    for (const auto& child : scaleChoices)
        if (nearlyEqual (static_cast<double> (child[ChoiceValue]), scale))
        {
            exl::SelectionModel::requestSelection (child);
            break;
        }
    for (const auto& child : themeChoices)
        if (storedTheme.isNotEmpty() && child[ChoiceValue].toString() == storedTheme)
        {
            exl::SelectionModel::requestSelection (child);
            break;
        }
}
} // namespace cvl
