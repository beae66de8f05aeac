#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <functional>
#include <map>
#include <vector>

namespace exl
{
// Per-property callbacks on one value tree. Message thread only.
// Changes in child trees of another type than the watched tree are ignored.
class ValueTreeCallbacks : private juce::ValueTree::Listener
{
public:
    using Callback = std::function<void (juce::var)>;

    explicit ValueTreeCallbacks (juce::ValueTree tree);
    ~ValueTreeCallbacks() override;

    // Appends to the property's list; with callNow the callback runs once with the current value
    // (void when the property is absent).
    void addCallback (const juce::Identifier& property, const Callback& callback, bool callNow);

    [[nodiscard]] const juce::ValueTree& getTree() const noexcept { return tree; }

private:
    void valueTreePropertyChanged (juce::ValueTree& changed, const juce::Identifier& property) override;

    juce::ValueTree tree;
    std::map<juce::Identifier, std::vector<Callback>> callbacks;

    JUCE_DECLARE_NON_COPYABLE (ValueTreeCallbacks)
};
} // namespace exl
