#include "DistortionTypeLuts.h"

#include "effects/Interpolation.h"

#include <algorithm>
#include <cmath>

namespace cvl
{
// clang-format off
const DistortionTypeLuts::Table DistortionTypeLuts::Sine {
    1.00396f, 0.677059f, 0.512959f, 0.414763f, 0.349787f, 0.303889f, 0.269974f, 0.244105f, 0.223884f, 0.207815f,
    0.194904f, 0.184424f, 0.175932f, 0.169028f, 0.163477f, 0.159072f, 0.155668f, 0.153141f, 0.151426f, 0.15044f,
    0.15014f, 0.150498f, 0.151485f, 0.153082f, 0.155278f, 0.158052f, 0.1614f, 0.165288f, 0.169688f, 0.174542f,
    0.179776f, 0.18525f, 0.190814f, 0.196251f, 0.201317f, 0.205735f, 0.20922f, 0.211537f, 0.212527f, 0.212138f,
    0.210439f, 0.207595f, 0.203846f, 0.199472f, 0.194726f, 0.189859f, 0.185062f, 0.180487f, 0.176238f, 0.172396f,
    0.169014f, 0.166104f, 0.163703f, 0.161799f, 0.160401f, 0.159505f, 0.159098f, 0.159174f, 0.159726f, 0.160751f,
    0.16223f, 0.164147f, 0.166477f, 0.1692f, 0.172265f, 0.175619f, 0.179198f, 0.182904f, 0.186621f, 0.190209f,
    0.193527f, 0.196409f, 0.198705f, 0.200287f, 0.201062f, 0.200988f, 0.200081f, 0.198416f, 0.196101f, 0.193274f,
    0.190096f, 0.186723f, 0.183282f, 0.179898f, 0.176673f, 0.173678f, 0.170987f, 0.168627f, 0.166625f, 0.165021f,
    0.163811f, 0.163011f, 0.162617f, 0.162625f, 0.16304f, 0.163851f, 0.165043f, 0.166601f, 0.16851f, 0.170731f,
    0.173226f
};

const DistortionTypeLuts::Table DistortionTypeLuts::Rectify {
    1.0f, 0.671136f, 0.505043f, 0.404862f, 0.337836f, 0.289849f, 0.253806f, 0.22573f, 0.203248f, 0.184839f,
    0.169488f, 0.156492f, 0.145347f, 0.135683f, 0.127225f, 0.11976f, 0.113115f, 0.107176f, 0.101833f, 0.0969918f,
    0.0925905f, 0.0885721f, 0.0848883f, 0.0814951f, 0.0783682f, 0.0754697f, 0.0727788f, 0.0702716f, 0.0679324f, 0.0657455f,
    0.063692f, 0.0617649f, 0.0599522f, 0.0582423f, 0.0566232f, 0.0550945f, 0.0536457f, 0.0522735f, 0.0509671f, 0.0497262f,
    0.0485421f, 0.0474155f, 0.0463389f, 0.0453094f, 0.0443254f, 0.0433822f, 0.0424804f, 0.0416121f, 0.0407809f, 0.039983f,
    0.0392149f, 0.0384753f, 0.0377628f, 0.0370779f, 0.0364159f, 0.0357788f, 0.0351616f, 0.0345658f, 0.0339895f, 0.0334317f,
    0.0328938f, 0.032373f, 0.0318676f, 0.0313778f, 0.0309012f, 0.0304408f, 0.029994f, 0.029559f, 0.029137f, 0.0287263f,
    0.0283268f, 0.0279406f, 0.0275628f, 0.0271959f, 0.026837f, 0.0264896f, 0.0261499f, 0.0258196f, 0.0254967f, 0.025182f,
    0.0248749f, 0.0245758f, 0.0242832f, 0.0239984f, 0.0237184f, 0.0234459f, 0.0231806f, 0.02292f, 0.0226648f, 0.0224165f,
    0.0221721f, 0.0219337f, 0.021701f, 0.021473f, 0.0212495f, 0.0210301f, 0.0208153f, 0.020606f, 0.0203995f, 0.0201975f,
    0.0199988f
};
// clang-format on

const DistortionTypeLuts::Table* DistortionTypeLuts::find (DistortionType type) noexcept
{
    switch (type)
    {
        case DistortionType::Sine:
            return &Sine;
        case DistortionType::Rectify:
            return &Rectify;
        case DistortionType::Bitcrush:
        case DistortionType::SampleAndHold:
        case DistortionType::SoftClip:
        case DistortionType::HardClip:
            break;
    }
    return nullptr;
}

float DistortionTypeLuts::lookUp (const Table& table, float amount) noexcept
{
    constexpr auto lastIndex = static_cast<float> (Size - 1);
    // Written so that a NaN amount reads entry 0.
    const auto scaled = lastIndex * amount;
    const auto position = scaled > 0.0f ? std::min (scaled, lastIndex) : 0.0f;
    const auto lower = std::floor (position);
    const auto upper = std::ceil (position);
    return interpolate (table[static_cast<std::size_t> (lower)], table[static_cast<std::size_t> (upper)],
                        position - lower);
}
} // namespace cvl
