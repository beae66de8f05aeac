#include <exl_gui/exl_gui.h>
#include <gtest/gtest.h>

namespace
{
// A host component as the editor shell is one: a component that is also the popup host.
struct HostComponent : juce::Component, exl::PopupHost
{
    HostComponent() : exl::PopupHost (static_cast<juce::Component&> (*this))
    {
        setSize (1000, 920);
        setVisible (true); // never on the desktop; visibility only makes hit tests answer
    }
};

struct PopupHostFixture : ::testing::Test
{
    PopupHostFixture()
    {
        host.addAndMakeVisible (button);
        button.setBounds (400, 10, 100, 30);
    }

    // Opens a popup through a handle the way every user does, and returns its content.
    juce::Component* open (exl::PopupClient& client, juce::Component& relative, int width, int height,
                           exl::PopupAlignment alignment,
                           exl::PopupCloseCondition condition = exl::PopupCloseCondition::ClickOutside)
    {
        if (! client.findHost (relative) || ! client.create())
            return nullptr;
        auto content = std::make_unique<juce::Component>();
        auto* raw = content.get();
        client.setSize (width, height);
        client.setRelativeComponent (relative, false);
        client.setAlignment (alignment);
        client.setCloseCondition (condition);
        client.setContentComponent (std::move (content));
        client.show();
        return raw;
    }

    HostComponent host;
    juce::Component button;
};

TEST_F (PopupHostFixture, PlacesPopupsByAlignmentAndKeepsThemInsideTheHost)
{
    struct Case
    {
        exl::PopupAlignment alignment;
        int width;
        int height;
        juce::Rectangle<int> expected;
    };
    const Case cases[] = {
        { exl::PopupAlignment::Below, 200, 170, { 350, 40, 200, 170 } },
        { exl::PopupAlignment::Above, 200, 170, { 350, 0, 200, 170 } },
        { exl::PopupAlignment::AlignTop, 200, 170, { 350, 10, 200, 170 } },
        { exl::PopupAlignment::RightOf, 200, 170, { 500, 0, 200, 170 } },
        { exl::PopupAlignment::Centred, 200, 20, { 350, 15, 200, 20 } },
        { exl::PopupAlignment::Centred, 2000, 2000, { 0, 0, 1000, 920 } },
    };
    for (const auto& c : cases)
    {
        exl::PopupClient client;
        const auto* content = open (client, button, c.width, c.height, c.alignment);
        ASSERT_NE (content, nullptr);
        EXPECT_EQ (content->getBounds(), c.expected) << static_cast<int> (c.alignment);
        EXPECT_TRUE (content->isVisible());
        EXPECT_EQ (content->getParentComponent(), &host);
    }
}

TEST_F (PopupHostFixture, APressInsideALowerPopupClosesOnlyThePopupsAboveIt)
{
    exl::PopupClient first;
    exl::PopupClient second;
    open (first, button, 200, 170, exl::PopupAlignment::Below);    // (350, 40)
    open (second, button, 100, 100, exl::PopupAlignment::Centred); // (400, 0)
    EXPECT_EQ (first.getNumber(), 1);
    EXPECT_EQ (second.getNumber(), 2);

    host.handleMousePress ({ 360, 200 });
    EXPECT_TRUE (first.isValid());
    EXPECT_FALSE (second.isValid());

    host.handleMousePress ({ 900, 900 });
    EXPECT_FALSE (first.isValid());
    EXPECT_EQ (host.getNumPopups(), 0);
}

TEST_F (PopupHostFixture, APressOnTheRelativeComponentDoesNotProtectAPopup)
{
    exl::PopupClient client;
    open (client, button, 200, 170, exl::PopupAlignment::Below);
    host.handleMousePress ({ 450, 20 });
    EXPECT_FALSE (client.isValid());
}

TEST_F (PopupHostFixture, MouseLeavePopupsCloseWhenThePointerLeavesThemAndTheirAnchor)
{
    exl::PopupClient clickPopup;
    exl::PopupClient leavePopup;
    open (clickPopup, host, 100, 100, exl::PopupAlignment::Centred);
    open (leavePopup, button, 200, 170, exl::PopupAlignment::Below, exl::PopupCloseCondition::MouseLeave);

    host.handleMouseMove ({ 450, 20 });  // over the relative component
    host.handleMouseMove ({ 450, 100 }); // over the popup
    EXPECT_TRUE (leavePopup.isValid());
    host.handleMouseMove ({ 10, 900 });
    EXPECT_FALSE (leavePopup.isValid());
    EXPECT_TRUE (clickPopup.isValid());
}

TEST_F (PopupHostFixture, DestroyingIsDeferredAndHarmlessTwice)
{
    exl::PopupClient client;
    open (client, button, 200, 170, exl::PopupAlignment::Below);
    client.destroy();
    client.destroy();
    EXPECT_FALSE (client.isValid());
    EXPECT_EQ (host.getNumPopups(), 1);
    juce::MessageManager::getInstance()->runDispatchLoopUntil (50);
    EXPECT_EQ (host.getNumPopups(), 0);
}

TEST_F (PopupHostFixture, ACoverTakesTheRelativeComponentsPlaceAndNumbersAreNeverReused)
{
    exl::PopupClient client;
    ASSERT_TRUE (client.findHost (button));
    ASSERT_TRUE (client.create());
    client.setRelativeComponent (button, true);
    client.setContentComponent (std::make_unique<juce::Component>());
    client.show();
    const auto* hit = host.getComponentAt (450, 20);
    ASSERT_NE (hit, nullptr);
    EXPECT_EQ (hit->getBounds(), button.getBounds());
    EXPECT_NE (hit, &button);

    host.handleMousePress ({ 900, 900 });
    EXPECT_EQ (host.getComponentAt (450, 20), &button);
    exl::PopupClient next;
    next.findHost (button);
    next.create();
    EXPECT_EQ (next.getNumber(), 2);
}

TEST (PopupClient, WithoutAHostNothingOpens)
{
    juce::Component lonely;
    exl::PopupClient client;
    EXPECT_FALSE (client.findHost (lonely));
    EXPECT_FALSE (client.create());
    client.setContentComponent (std::make_unique<juce::Component>());
    EXPECT_FALSE (client.isValid());
}
} // namespace
