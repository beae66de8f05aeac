#include "VectorSpaceProcessor.h"

namespace cvl
{
void VectorSpaceProcessor::performTransformation() noexcept
{
    initial.applyTransform (transforms[0], transformed);
    for (std::size_t t = 1; t < transforms.size(); ++t)
        transformed.applyTransform (transforms[t], transformed);
    for (std::size_t i = 0; i < maxVoices; ++i)
    {
        transformed.x[i] = std::clamp (transformed.x[i], -1.0f, 1.0f);
        transformed.y[i] = std::clamp (transformed.y[i], -1.0f, 1.0f);
    }
}
} // namespace cvl
