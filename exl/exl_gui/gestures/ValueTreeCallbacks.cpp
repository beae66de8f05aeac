namespace exl
{
ValueTreeCallbacks::ValueTreeCallbacks (juce::ValueTree treeToWatch) : tree (std::move (treeToWatch))
{
    tree.addListener (this);
}

ValueTreeCallbacks::~ValueTreeCallbacks() { tree.removeListener (this); }

void ValueTreeCallbacks::addCallback (const juce::Identifier& property, const Callback& callback,
                                      bool callNow)
{
    callbacks[property].push_back (callback);
    if (callNow && callback)
        callback (tree.getProperty (property));
}

void ValueTreeCallbacks::valueTreePropertyChanged (juce::ValueTree& changed, const juce::Identifier& property)
{
    if (changed.getType() != tree.getType())
        return;
    const auto found = callbacks.find (property);
    if (found == callbacks.end())
        return;
    // A callback may register further callbacks; iterate over a copy of the list.
    const auto list = found->second;
    for (const auto& callback : list)
        if (callback)
            callback (tree.getProperty (property));
}
} // namespace exl
