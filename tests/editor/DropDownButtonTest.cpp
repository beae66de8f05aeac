#include "editor/DropDownButton.h"

#include <exl_parameters/exl_parameters.h>
#include <gtest/gtest.h>

#include "models/FakeComponentData.h"

namespace
{
struct Host : juce::Component, exl::PopupHost
{
    Host() : exl::PopupHost (static_cast<juce::Component&> (*this)) { setSize (1000, 920); }
};

struct Data : cvl::test::FakeComponentData
{
    exl::ChoiceParameter type{ "FilterType0_Effect",
                               "Type",
                               "Type",
                               "",
                               juce::StringArray{ "Low Pass", "High Pass", "Band Pass", "Band Stop" },
                               0,
                               nullptr,
                               1 };
    juce::RangedAudioParameter* getParameter (const juce::Identifier& id) override
    {
        return id == type.getIdentifier() ? &type : nullptr;
    }
};

TEST (DropDownButton, ShowsThePolledTextAndOpensAMenuBelowItself)
{
    Data data;
    Host host;
    cvl::DropDownButton button (data, "FilterType0_Effect");
    host.addAndMakeVisible (button);
    button.setBounds (400, 10, 100, 30);

    data.parameters.setProperty ("FilterType0_Effect", 2.0 / 3.0, nullptr);
    EXPECT_EQ (button.getShownText(), "Band Pass");

    button.openMenu();
    button.openMenu();
    ASSERT_TRUE (button.isMenuOpen());
    EXPECT_EQ (host.getNumPopups(), 1);
    auto* menu =
        dynamic_cast<cvl::DropDownButton::Menu*> (host.getChildComponent (host.getNumChildComponents() - 1));
    ASSERT_NE (menu, nullptr);
    EXPECT_EQ (menu->getBounds(), juce::Rectangle<int> (350, 40, 200, 170)) << "four 35-pixel items";
    EXPECT_EQ (menu->getButton (0)->getBounds(), juce::Rectangle<int> (6, 6, 188, 35));

    // Choosing an item sets the parameter through the menu's own choice model.
    exl::SelectionModel::requestSelection (menu->getChoiceTree().getChild (3));
    EXPECT_FLOAT_EQ (data.type.getValue(), 1.0f);
}

TEST (DropDownButton, WithoutAHostOrParameterNothingOpens)
{
    Data data;
    cvl::DropDownButton lonely (data, "FilterType0_Effect");
    lonely.openMenu();
    EXPECT_FALSE (lonely.isMenuOpen());

    Host host;
    cvl::DropDownButton unknown (data, "NoSuchParameter");
    host.addAndMakeVisible (unknown);
    unknown.openMenu();
    EXPECT_FALSE (unknown.isMenuOpen());
    EXPECT_EQ (unknown.getShownText(), "");
}
} // namespace
