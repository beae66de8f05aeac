#include "PropertiesModel.h"

namespace cvl
{
struct PropertiesModel::Impl
{
    explicit Impl (juce::ValueTree ui) : callbacks (ui), tree (ui) {}

    Properties properties;
    exl::ValueTreeCallbacks callbacks;
    juce::ValueTree tree;
};

PropertiesModel::PropertiesModel (juce::ValueTree uiTree) : impl (std::make_unique<Impl> (std::move (uiTree)))
{
}

PropertiesModel::~PropertiesModel() = default;

void PropertiesModel::addSyncedProperty (const juce::Identifier& property)
{
    const auto key = property.toString();
    impl->callbacks.addCallback (
        property,
        [this, key] (juce::var value)
        {
            auto& settings = impl->properties.getUserSettings();
            settings.setValue (key, value.toString());
            // A failed save is not reported; the next change tries again.
            settings.saveIfNeeded();
        },
        false);

    const auto stored = impl->properties.getUserSettings().getValue (key);
    if (stored.isNotEmpty())
        impl->tree.setProperty (property, stored, nullptr);
}
} // namespace cvl
