#include "PresetTreeViewItem.h"

#include "editor/Colours.h"

namespace
{
constexpr juce::uint8 selectedAlpha = 0xd9;
constexpr float arrowInset = 10.0f;

// The square at the row's left end that holds a folder's arrow; files leave it empty.
int squareSide (const juce::Component& row) { return std::min (row.getWidth(), row.getHeight()); }
} // namespace

PresetTreeViewItem::PresetTreeViewItem (juce::ValueTree treeNode)
    : vdm::TreeViewItemListener (treeNode), node (std::move (treeNode))
{
    node.addListener (this);
}

PresetTreeViewItem::~PresetTreeViewItem() { node.removeListener (this); }

bool PresetTreeViewItem::isFolder() const
{
    return static_cast<int> (node[vdm::DirectoryModel::TypeKey]) == vdm::DirectoryModel::folderType;
}

void PresetTreeViewItem::paint (juce::Graphics& g)
{
    const auto popupBackground = juce::Colour (cvl::Colours::PopupBackground);
    const auto text = cvl::Colours::get (this, cvl::Colours::Text);
    if (selected)
        g.setColour (text.withAlpha (selectedAlpha));
    else if (isMouseOver())
        g.setColour (popupBackground.interpolatedWith (text, 0.5f));
    else
        g.setColour (popupBackground);
    g.fillRect (getLocalBounds());

    g.setColour (selected ? cvl::Colours::get (this, cvl::Colours::Background) : text);
    const auto s = static_cast<float> (squareSide (*this));
    const auto h = static_cast<float> (getHeight());
    if (isFolder())
    {
        const auto a = std::max (s - 2.0f * arrowInset, 0.0f);
        const auto b = std::max (h - 2.0f * arrowInset, 0.0f);
        juce::Path arrow;
        arrow.addTriangle (arrowInset, arrowInset, arrowInset + a, arrowInset, arrowInset + a / 2.0f,
                           arrowInset + b);
        if (! vdm::DirectoryModel::IsDirOpen (node))
            arrow.applyTransform (
                juce::AffineTransform::rotation (-juce::MathConstants<float>::halfPi, s / 2.0f, h / 2.0f));
        g.fillPath (arrow);
    }
    g.drawText (node[vdm::NameUpdateHandler::Key].toString(),
                juce::Rectangle<float> (s, 0.0f, static_cast<float> (getWidth()) - s, h),
                juce::Justification::left, true);
}

void PresetTreeViewItem::mouseEnter (const juce::MouseEvent&) { repaint(); }
void PresetTreeViewItem::mouseExit (const juce::MouseEvent&) { repaint(); }

void PresetTreeViewItem::mouseUp (const juce::MouseEvent& event)
{
    if (! event.mods.isLeftButtonDown())
        return;
    const auto position = event.getPosition();
    const auto inSquare =
        position.x >= 0 && position.x < squareSide (*this) && position.y >= 0 && position.y < getHeight();
    if (isFolder() && inSquare)
        vdm::DirectoryModel::ToggleIsDirOpen (node);
    else
        node.setProperty (vdm::SelectionModel::RequestSelectionKey, true, nullptr);
}

void PresetTreeViewItem::mouseDoubleClick (const juce::MouseEvent& event)
{
    if (event.mods.isLeftButtonDown() && isFolder())
        vdm::DirectoryModel::ToggleIsDirOpen (node);
}

void PresetTreeViewItem::onItemSelectedChanged (bool isNowSelected)
{
    selected = isNowSelected;
    repaint();
}

void PresetTreeViewItem::onItemIsDirOpenChanged (bool) { repaint(); }
