#pragma once

#include "modulation/Modulators.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace cvl
{
class IComponentData;

// Which modulators the user is looking at: one bool property per modulator, named by the modulator
// ("Lfo3", "VectorSpace2X"), true while emphasised. Controls set the flags while hovered and other
// controls follow them to highlight matching modulations. Message thread.
class ModulationsModel : private juce::ValueTree::Listener
{
public:
    static const juce::Identifier Type;

    // Starts with the ten mono flags false; poly flags appear when first set.
    ModulationsModel();
    ~ModulationsModel() override;

    [[nodiscard]] juce::ValueTree getTree() const { return tree; }

    class Controller
    {
    public:
        explicit Controller (juce::ValueTree modulations) : tree (std::move (modulations)) {}
        void setEmphasized (MonoModulatorId id, bool emphasized);
        void setEmphasized (PolyModulatorId id, bool emphasized);

    private:
        juce::ValueTree tree;
    };

    // Emphasises its modulators while the pointer is over the component it is added to. A listener
    // destroyed while the pointer is over it leaves the emphasis as it is.
    class MouseListener : public juce::MouseListener
    {
    public:
        // An index outside the enumeration stands for the first poly modulator.
        MouseListener (IComponentData& data, PolyModulatorId id);
        // Stands for every modulator named by the identifier's second part (or, with useSecondPart false,
        // its third part).
        MouseListener (IComponentData& data, const juce::Identifier& parameterId, bool useSecondPart);
        // Stands for no modulator until the owner sets flags.
        explicit MouseListener (IComponentData& data);

        void setFlag (MonoModulatorId id, bool flag) noexcept { mono[MonoModulators::index (id)] = flag; }
        void setFlag (PolyModulatorId id, bool flag) noexcept { poly[PolyModulators::index (id)] = flag; }
        [[nodiscard]] bool getFlag (MonoModulatorId id) const noexcept
        {
            return mono[MonoModulators::index (id)];
        }
        [[nodiscard]] bool getFlag (PolyModulatorId id) const noexcept
        {
            return poly[PolyModulators::index (id)];
        }

        void mouseEnter (const juce::MouseEvent& event) override;
        void mouseExit (const juce::MouseEvent& event) override;

    private:
        void emphasise (bool emphasized);

        std::array<bool, MonoModulators::Count> mono{};
        std::array<bool, PolyModulators::Count> poly{};
        Controller controller;
    };

    // Follows the flags; calls onChange after each real change of a modulator's flag.
    class State : private juce::ValueTree::Listener
    {
    public:
        explicit State (juce::ValueTree modulations);
        ~State() override;

        std::function<void()> onChange;

        [[nodiscard]] bool isEmphasized (MonoModulatorId id) const noexcept
        {
            return mono[MonoModulators::index (id)];
        }
        [[nodiscard]] bool isEmphasized (PolyModulatorId id) const noexcept
        {
            return poly[PolyModulators::index (id)];
        }

    private:
        void valueTreePropertyChanged (juce::ValueTree& changed, const juce::Identifier& property) override;

        std::array<bool, MonoModulators::Count> mono{};
        std::array<bool, PolyModulators::Count> poly{};
        juce::ValueTree tree;

        JUCE_DECLARE_NON_COPYABLE (State)
    };

private:
    juce::ValueTree tree{ Type };

    JUCE_DECLARE_NON_COPYABLE (ModulationsModel)
};
} // namespace cvl
