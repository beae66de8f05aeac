#include "models/PresetModel.h"
#include "models/PresetModelSync.h"
#include "processor/PluginProcessor.h"
#include "support/TemporaryFolder.h"

#include <gtest/gtest.h>

namespace
{
bool waitUntil (const std::function<bool()>& condition, int timeoutMs = 5000)
{
    const auto end = juce::Time::getMillisecondCounter() + static_cast<juce::uint32> (timeoutMs);
    while (! condition())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        juce::MessageManager::getInstance()->runDispatchLoopUntil (10);
    }
    return true;
}

juce::ValueTree findByPath (juce::ValueTree node, const juce::File& file)
{
    if (node["path"].toString() == file.getFullPathName())
        return node;
    for (auto child : node)
        if (auto found = findByPath (child, file); found.isValid())
            return found;
    return {};
}

struct PresetFixture
{
    cvl::test::TemporaryFolder factoryFolder;
    cvl::test::TemporaryFolder userParent;
    CorvaneAudioProcessor processor;
    std::unique_ptr<cvl::PresetModel> model;
    std::unique_ptr<cvl::PresetModelSync> sync;
    juce::ValueTree root;

    PresetFixture()
    {
        factoryFolder.child ("Bright/on.corvane").create();
        factoryFolder.child ("Bright/on.corvane")
            .replaceWithText ("<state><param id=\"Bypass\" val=\"1\"/></state>");
        factoryFolder.child ("empty").createDirectory();
        model = std::make_unique<cvl::PresetModel> (factoryFolder.get(), userFolder());
        sync = std::make_unique<cvl::PresetModelSync> (model->getRoot(), processor);
        root = model->getRoot();
    }
    ~PresetFixture()
    {
        sync.reset();
        model.reset();
    }
    juce::File userFolder() const { return userParent.child ("User Presets"); }
    float bypass() const { return processor.findParameter ("Bypass")->getValue(); }
};
} // namespace

TEST (PresetModel, TreeStartsAtTheRootWithTheUserFolderLastAndNameInit)
{
    PresetFixture f;
    EXPECT_TRUE (f.userFolder().isDirectory());
    EXPECT_EQ (f.root["current_preset_name"].toString(), "init");
    EXPECT_TRUE (static_cast<bool> (f.root["is_selected"]));
    EXPECT_TRUE (static_cast<bool> (f.root["dir_open"]));
    EXPECT_EQ (f.root.getNumChildren(), 2); // "empty" holds no preset and is left out
    EXPECT_EQ (f.root.getChild (1)["path"].toString(), f.userFolder().getFullPathName());
}

TEST (PresetModel, MissingFactoryFolderStillCarriesTheUserFolder)
{
    cvl::test::TemporaryFolder userParent;
    cvl::PresetModel model (juce::File ("/nonexistent-corvane-factory"), userParent.child ("User"));
    EXPECT_EQ (static_cast<int> (model.getRoot()["file_type"]), 2);
    ASSERT_EQ (model.getRoot().getNumChildren(), 1);
    EXPECT_EQ (model.getRoot().getChild (0)["path"].toString(), userParent.child ("User").getFullPathName());
}

TEST (PresetModel, SelectingAFileLoadsItAndFoldersLoadNothing)
{
    PresetFixture f;
    auto folder = findByPath (f.root, f.factoryFolder.child ("Bright"));
    folder.setProperty ("request_selection", true, nullptr);
    EXPECT_EQ (f.root["current_preset_name"].toString(), "init");
    EXPECT_FLOAT_EQ (f.bypass(), 0.0f);

    findByPath (f.root, f.factoryFolder.child ("Bright/on.corvane"))
        .setProperty ("request_selection", true, nullptr);
    EXPECT_FLOAT_EQ (f.bypass(), 1.0f);
    EXPECT_EQ (f.root["current_preset_name"].toString(), "on");
}

TEST (PresetModel, InitRequestResetsEveryParameterToItsDefault)
{
    PresetFixture f;
    for (const auto& id : f.processor.getParameterIdList())
        f.processor.findParameter (id)->setValue (0.75f);
    f.root.setProperty ("request_load_init_preset", 1, nullptr);
    for (const auto& id : f.processor.getParameterIdList())
        EXPECT_FLOAT_EQ (f.processor.findParameter (id)->getValue(),
                         f.processor.findParameter (id)->getDefaultValue());
    EXPECT_EQ (f.root["current_preset_name"].toString(), "init");
    EXPECT_FALSE (f.root.hasProperty ("request_load_init_preset"));
}

TEST (PresetModel, SavingWritesTheStateAndSelectsTheNewNode)
{
    PresetFixture f;
    f.processor.findParameter ("Bypass")->setValue (1.0f);
    const auto file = f.userFolder().getChildFile ("mine.corvane");
    f.root.setProperty ("request_save_to_path", file.getFullPathName(), nullptr);
    EXPECT_FALSE (f.root.hasProperty ("request_save_to_path"));
    EXPECT_EQ (f.root["current_preset_name"].toString(), "mine");

    juce::MemoryBlock state;
    f.processor.getStateInformation (state);
    EXPECT_EQ (file.loadFileAsString(), state.toString());

    ASSERT_TRUE (waitUntil ([&] { return static_cast<bool> (findByPath (f.root, file)["is_selected"]); }));
    EXPECT_FALSE (static_cast<bool> (f.root["is_selected"]));

    // Saving again replaces the file.
    f.processor.findParameter ("Bypass")->setValue (0.0f);
    f.root.setProperty ("request_save_to_path", file.getFullPathName(), nullptr);
    juce::MemoryBlock again;
    f.processor.getStateInformation (again);
    EXPECT_EQ (file.loadFileAsString(), again.toString());
}
