#include "VectorSpace.h"

#include "modulation/Transform.h"

namespace cvl
{
void VectorSpace::applyTransform (const Transform& transform, VectorSpace& out) const noexcept
{
    for (std::size_t i = 0; i < maxVoices; ++i)
    {
        const auto image = transform.perform ({ x[i], y[i] });
        out.x[i] = image.x;
        out.y[i] = image.y;
    }
}
} // namespace cvl
