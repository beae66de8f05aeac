#include "VectorSpaceController.h"

#include "modulation/VectorSpaceShapes.h"

namespace cvl
{
namespace
{
    constexpr auto halfPi = juce::MathConstants<float>::halfPi;
    constexpr auto twoPi = juce::MathConstants<float>::twoPi;

    VectorSpace::Vector shapePoint (VectorSpaceShapes shape, std::size_t slot, float d, float angle) noexcept
    {
        switch (shape)
        {
            case VectorSpaceShapes::Horizontal:
                return { d, 0.0f };
            case VectorSpaceShapes::Vertical:
                return { 0.0f, d };
            case VectorSpaceShapes::Identity:
                return { d, d };
            case VectorSpaceShapes::Inverse:
                return { d, -d };
            case VectorSpaceShapes::Curves:
                return { d * std::abs (d), std::sin ((d + 1.0f) * halfPi - halfPi) };
            case VectorSpaceShapes::Pyramid:
                return slot % 2 == 0 ? VectorSpace::Vector{ 0.0f, d } : VectorSpace::Vector{ d, 0.0f };
            case VectorSpaceShapes::Circle:
            default:
                return { std::sin (angle), std::cos (angle) };
        }
    }
} // namespace

VectorSpaceController::ParameterIds::ParameterIds (int spaceIndex)
    : shape{ "Shape", "VectorSpace" + juce::String (spaceIndex), {} }
{
}

VectorSpaceController::VectorSpaceController (ParameterDirector& director, int index, VectorSpaceProcessor& p)
    : processor (&p), transformControllers{ {
                          { director, TransformController::ParameterIds (index, 1), p.transforms[0] },
                          { director, TransformController::ParameterIds (index, 2), p.transforms[1] },
                          { director, TransformController::ParameterIds (index, 3), p.transforms[2] },
                          { director, TransformController::ParameterIds (index, 4), p.transforms[3] },
                      } }
{
    auto& options = director.external.addChoice (ParameterIds (index).shape.toIdentifier(),
                                                 ParameterHelpers::enumToStringArray<VectorSpaceShapes>(), 0);
    options.changeCallback = [this] (float value)
    {
        shape = static_cast<int> (std::round (value));
        generateAndSetInitialShape();
    };
}

void VectorSpaceController::generateAndSetInitialShape() noexcept
{
    auto& space = processor->initial;
    const auto voices = processor->voiceCount;
    if (voices <= 1)
    {
        space.x.fill (0.0f);
        space.y.fill (0.0f);
        return;
    }

    const auto layout = ParameterHelpers::enumFromIndex<VectorSpaceShapes> (shape);
    // Positions and angles are accumulated step by step in single precision; voices 0 ... N - 1 span
    // -1 ... 1 (or the whole circle) and the unused slots continue the progression.
    const auto step = 2.0f / static_cast<float> (voices - 1);
    const auto angleStep = twoPi / static_cast<float> (voices);
    auto d = -1.0f;
    auto angle = 0.0f;
    for (std::size_t i = 0; i < maxVoices; ++i)
    {
        const auto point = shapePoint (layout, i, d, angle);
        space.x[i] = point.x;
        space.y[i] = point.y;
        d += step;
        angle += angleStep;
    }
}

void VectorSpaceController::applyModulators (const MonoModulators::ValueTable& mono) const noexcept
{
    for (const auto& controller : transformControllers)
        controller.applyModulators (mono);
}
} // namespace cvl
