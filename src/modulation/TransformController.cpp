#include "TransformController.h"

#include "parameters/ParameterTextFunctions.h"

namespace cvl
{
TransformController::ParameterIds::ParameterIds (int spaceIndex, int transformIndex)
{
    const auto scope =
        "VectorSpace" + juce::String (spaceIndex) + "Transform" + juce::String (transformIndex);
    x = { "X", scope, {} };
    y = { "Y", scope, {} };
    type = { "Type", scope, {} };
    enable = { "Enable", scope, {} };
}

TransformController::TransformController (ParameterDirector& director, const ParameterIds& ids, Transform& t)
    : transform (&t), x (director, ids.x, 0.0f, ParameterTextFunctions::BigPercent),
      y (director, ids.y, 0.0f, ParameterTextFunctions::BigPercent)
{
    auto& typeOptions = director.external.addChoice (
        ids.type.toIdentifier(), ParameterHelpers::enumToStringArray<Transform::Type>(), 0);
    typeOptions.changeCallback = [this] (float value)
    { transform->type = static_cast<int> (std::round (value)); };

    auto& enableOptions = director.external.addBool (ids.enable.toIdentifier(), true);
    enableOptions.changeCallback = [this] (float value) { transform->enabled = value != 0.0f; };
}

void TransformController::applyModulators (const MonoModulators::ValueTable& mono) const noexcept
{
    transform->x = x.getModulatedValue (mono);
    transform->y = y.getModulatedValue (mono);
}
} // namespace cvl
