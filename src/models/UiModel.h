#pragma once

#include <exl_gui/exl_gui.h>

namespace cvl
{
// The editor's own state, none of it saved with the plug-in: expanded editors, zoom, theme, tooltip,
// hovered parameter and wrapper type. Child trees "Scale" and "ThemeColour" hold the choices the
// about popup offers, each linked to the property of the same name. Message thread.
class UiModel
{
public:
    static const juce::Identifier Type;
    static const juce::Identifier LfoEditorExpanded;
    static const juce::Identifier TransformEditorExpanded;
    static const juce::Identifier Scale;
    static const juce::Identifier ThemeColour;
    static const juce::Identifier WrapperType;
    static const juce::Identifier WrapperTypeDesc;
    static const juce::Identifier Tooltip;
    static const juce::Identifier HoveredParameter;
    static const juce::Identifier ChoiceType;
    static const juce::Identifier ChoiceValue;

    struct ScaleChoice
    {
        const char* text;
        double value;
    };
    struct ThemeChoice
    {
        const char* text;
        juce::uint32 colour;
    };
    static constexpr std::array<ScaleChoice, 7> ScaleChoices{ { { "50%", 0.5 },
                                                                { "75%", 0.75 },
                                                                { "100%", 1.0 },
                                                                { "125%", 1.25 },
                                                                { "150%", 1.5 },
                                                                { "175%", 1.75 },
                                                                { "200%", 2.0 } } };
    static constexpr std::array<ThemeChoice, 7> ThemeChoices{ { { "Crimson", 0xff642b36 },
                                                                { "Orange", 0xffa66643 },
                                                                { "Tan", 0xff907b5b },
                                                                { "Blue", 0xff425c7f },
                                                                { "Green", 0xff2b4f32 },
                                                                { "Pink", 0xffa8658e },
                                                                { "Violet", 0xff8e6b90 } } };

    // Writes the selected choice's "value" into one UI property; an unselected choice changes nothing.
    class SelectionModel : public exl::SelectionModelListener
    {
    public:
        SelectionModel (juce::ValueTree uiTree, juce::ValueTree choices, const juce::Identifier& property);
        void onSelectedTreeChanged (juce::ValueTree choice) override;

    private:
        juce::ValueTree uiTree;
        juce::Identifier property;
        exl::SelectionModel selection;
    };

    // Starting values: both editors collapsed, the default theme, the given zoom; the seven zoom and theme
    // choices, with the zoom choice nearest `scale` and the theme choice equal to `storedTheme` requested.
    UiModel (double scale, const juce::String& storedTheme);

    [[nodiscard]] juce::ValueTree getTree() const { return tree; }

private:
    juce::ValueTree scaleChoices;
    juce::ValueTree themeChoices;
    std::unique_ptr<SelectionModel> scaleLink;
    std::unique_ptr<SelectionModel> themeLink;
    juce::ValueTree tree;

    JUCE_DECLARE_NON_COPYABLE (UiModel)
};
} // namespace cvl
