namespace exl
{
ChoiceSelector::Model::Model (juce::RangedAudioParameter* parameter)
    : choices (parameter), selection (choices.getTree())
{
}

ChoiceSelector::ChoiceSelector() = default;

ChoiceSelector::ChoiceSelector (juce::RangedAudioParameter* parameter)
    : model (std::make_unique<Model> (parameter))
{
    model->choices.selectCurrentChoice();
    // The sync comes after the first selection so that opening a selector does not set the parameter.
    model->sync = std::make_unique<ChoiceParameterModel::ParameterSync> (model->choices.getTree(), parameter);
    buildButtonComponents (model->choices.getTree());
    model->choices.startTimer (ChoiceParameterModel::pollIntervalMs);
}

ChoiceSelector::~ChoiceSelector()
{
    // Buttons listen to the choice tree the model owns; they go first.
    buttons.clear();
}

juce::ValueTree ChoiceSelector::getChoiceTree() const
{
    return model != nullptr ? model->choices.getTree() : juce::ValueTree();
}

juce::Component* ChoiceSelector::getButton (int index) const
{
    return juce::isPositiveAndBelow (index, buttons.size()) ? buttons[static_cast<std::size_t> (index)].get()
                                                            : nullptr;
}

void ChoiceSelector::buildButtonComponents (juce::ValueTree choices)
{
    for (auto& button : buttons)
        removeChildComponent (button.get());
    buttons.clear();
    for (int i = 0; i < choices.getNumChildren(); ++i)
    {
        auto& button =
            *buttons.emplace_back (std::make_unique<OptionSelectionButton> (choices.getChild (i), *this));
        addAndMakeVisible (button);
    }
    resized();
}

void ChoiceSelector::paint (juce::Graphics& g) { paintBackground (g, getLocalBounds().toFloat()); }

void ChoiceSelector::resized()
{
    const auto width = std::max (getWidth() - 2 * margin, 0);
    const auto height = std::max (getHeight() - 2 * margin, 0);
    const auto count = static_cast<int> (buttons.size());
    if (count == 0)
        return;
    // Integer division; the remainder stays empty at the bottom.
    const auto buttonHeight = count == 1 ? height : (height - (count - 1) * gap) / count;
    for (int i = 0; i < count; ++i)
        buttons[static_cast<std::size_t> (i)]->setBounds (margin, margin + i * (buttonHeight + gap), width,
                                                          buttonHeight);
}

void ChoiceSelector::paintBackground (juce::Graphics&, juce::Rectangle<float>) {}

void ChoiceSelector::paintSelectorButton (juce::Graphics& g, juce::Rectangle<float> bounds,
                                          const juce::String& text, bool hovered, bool selected)
{
    constexpr auto cornerRadius = 5.0f;
    constexpr juce::uint32 hoveredColour = 0xff913e43;
    constexpr juce::uint32 selectedColour = 0xff7d3539;
    constexpr juce::uint32 idleColour = 0xffaf4b51;

    g.setColour (juce::Colour (hovered ? hoveredColour : selected ? selectedColour : idleColour));
    g.fillRoundedRectangle (bounds, cornerRadius);
    g.setColour (juce::Colours::white);
    g.drawText (text, bounds, juce::Justification::centred, true);
}

ChoiceSelector::OptionSelectionButton::OptionSelectionButton (juce::ValueTree choiceTree,
                                                              IChoiceSelectorPaint& painterToUse)
    : choice (choiceTree), painter (painterToUse), callbacks (choiceTree), clickListener (this)
{
    callbacks.addCallback (
        SelectionModel::Selected,
        [this] (juce::var value)
        {
            selected = static_cast<bool> (value);
            repaint();
        },
        true);
    callbacks.addCallback (
        ChoiceParameterModel::ChoiceText,
        [this] (juce::var value)
        {
            setName (value.toString());
            repaint();
        },
        true);
    clickListener.onClick = [this] (const juce::ModifierKeys& mods)
    {
        if (mods.isLeftButtonDown())
            SelectionModel::requestSelection (choice);
    };
}

void ChoiceSelector::OptionSelectionButton::paint (juce::Graphics& g)
{
    painter.paintSelectorButton (g, getLocalBounds().toFloat(), getName(), isMouseOver (true), selected);
}
} // namespace exl
