#include "PresetPopup.h"

#include "PresetTreeViewItem.h"
#include "editor/Colours.h"
#include "models/PresetModel.h"

#include <CorvaneImages.h>

namespace cvl
{
class PresetPopup::Impl : public vdm::TreeView
{
public:
    Impl() { addKeyListener (&keyListener); }
    ~Impl() override { removeKeyListener (&keyListener); }

    // The arrow keys work as soon as the popup shows.
    void visibilityChanged() override { grabFocusWhenShowing(); }
    void parentHierarchyChanged() override { grabFocusWhenShowing(); }

    std::unique_ptr<juce::Component> createTreeViewItem (juce::ValueTree node) override
    {
        return std::make_unique<PresetTreeViewItem> (std::move (node));
    }

    // Value-tree listeners are called in no fixed order, so the popup's own listener may measure the
    // list before the rows follow a change; the popup lays out once more after they have.
    void valueTreeChildAdded (juce::ValueTree& parent, juce::ValueTree& child) override
    {
        vdm::TreeView::valueTreeChildAdded (parent, child);
        onRowsChanged();
    }
    void valueTreeChildRemoved (juce::ValueTree& parent, juce::ValueTree& child, int index) override
    {
        vdm::TreeView::valueTreeChildRemoved (parent, child, index);
        onRowsChanged();
    }
    void valueTreeChildOrderChanged (juce::ValueTree& parent, int oldIndex, int newIndex) override
    {
        vdm::TreeView::valueTreeChildOrderChanged (parent, oldIndex, newIndex);
        onRowsChanged();
    }

    vdm::TreeViewSelectorKeyListener keyListener{ false };
    std::function<void()> onRowsChanged = [] {};

private:
    void grabFocusWhenShowing()
    {
        if (isShowing())
            grabKeyboardFocus();
    }
};

PresetPopup::PresetPopup (IComponentData& data)
    : impl (std::make_unique<Impl>()), presetTree (data.getPresetModel()),
      folderButton (CorvaneImages::folder_svg)
{
    impl->onRowsChanged = [this] { resized(); };
    impl->setIndent (rowIndent);
    impl->setGap (rowGap);
    impl->setValueTree (presetTree);
    impl->keyListener.setValueTree (presetTree);
    impl->setWantsKeyboardFocus (true);
    impl->setRowHeight (rowHeight);
    impl->resized();

    viewport.setName ({});
    viewport.setViewedComponent (impl.get(), false);
    viewport.setScrollBarsShown (true, false);
    updateThumbColour();
    addAndMakeVisible (viewport);

    presetTree.addListener (this);

    folderButton.onClick = [] { revealUserFolder(); };
    saveButton.setButtonText ("save");
    saveButton.onClick = [this, &data] { savePreset (chooser, data); };
    initButton.setButtonText ("init");
    initButton.onClick = [this] { presetTree.setProperty (PresetModel::RequestLoadInit, true, nullptr); };
    for (auto* button : std::initializer_list<juce::Component*>{ &folderButton, &saveButton, &initButton })
        addAndMakeVisible (button);
}

PresetPopup::~PresetPopup()
{
    presetTree.removeListener (this);
    viewport.setViewedComponent (nullptr, false);
}

void PresetPopup::updateThumbColour()
{
    viewport.getVerticalScrollBar().setColour (juce::ScrollBar::thumbColourId,
                                               Colours::get (this, Colours::Text));
}

vdm::TreeView& PresetPopup::getList() noexcept { return *impl; }
juce::KeyListener& PresetPopup::getKeyListener() noexcept { return impl->keyListener; }

void PresetPopup::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (Colours::PopupBackground));
    g.fillRoundedRectangle (getLocalBounds().toFloat(), cornerRadius);
}

void PresetPopup::resized()
{
    const auto w = std::max (getWidth() - 2 * margin, 0);
    const auto h = std::max (getHeight() - 2 * margin, 0);
    const auto r = std::min (h, buttonRowHeight);
    const auto t = h - r;

    folderButton.setBounds (margin + folderButtonInset, t + margin + folderButtonInset,
                            std::max (std::min (w, r) - 2 * folderButtonInset, 0),
                            std::max (r - 2 * folderButtonInset, 0));
    // The pair is two buttons and one gap wide, centred in the row.
    const auto e = (w - (2 * textButtonWidth + margin)) / 2;
    initButton.setBounds (e + margin, t + margin, textButtonWidth, r);
    saveButton.setBounds (e + margin + textButtonWidth + margin, t + margin, textButtonWidth, r);

    // The list is measured against the height the viewport is about to get, so that the first layout
    // already leaves room for a scroll bar only when one is needed.
    const auto listHeight = impl->getContentHeight();
    auto listWidth = w;
    if (listHeight > t)
        listWidth = std::max (w - viewport.getScrollBarThickness() - margin, 0);
    impl->setSize (listWidth, listHeight);
    impl->resized();

    viewport.setBounds (margin, margin, w, t);
}

void PresetPopup::savePreset (std::unique_ptr<juce::FileChooser>& chooser, IComponentData& data)
{
    chooser =
        std::make_unique<juce::FileChooser> ("Save Preset", PresetModel::getDefaultUserFolder(),
                                             "*" + PresetModel::PresetFileExtension, true, false, nullptr);
    auto tree = data.getPresetModel();
    chooser->launchAsync (
        juce::FileBrowserComponent::saveMode, [tree] (const juce::FileChooser& finished) mutable
        { tree.setProperty (PresetModel::RequestWriteToPath, savePathFor (finished.getResult()), nullptr); });
}

juce::String PresetPopup::savePathFor (const juce::File& chosen)
{
    // Dialogs without a filter of their own leave a typed name as it is; the browser lists only
    // preset files, so a name without the extension gets it.
    const auto path = chosen.getFullPathName();
    if (path.isEmpty() || chosen.getFileExtension() == PresetModel::PresetFileExtension)
        return path;
    return path + PresetModel::PresetFileExtension;
}

void PresetPopup::revealUserFolder()
{
    const auto folder = PresetModel::getDefaultUserFolder();
    if (folder.getFullPathName().isEmpty())
        return;
    if (folder.exists() || folder.createDirectory().wasOk())
        folder.revealToUser();
}
} // namespace cvl
