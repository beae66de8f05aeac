#pragma once

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

// Plainly written models of the filter maths, one voice at a time, one sample at a time, in double
// precision, with nothing taken from the production classes. The tests compare the effects against
// them, and the benchmarks time them beside the effects.
namespace cvl::reference
{
using Polynomial = std::array<double, 3>;
// b and a of one second-order section, a[0] = 1.
using Section = std::pair<Polynomial, Polynomial>;

enum class FilterType
{
    LowPass,
    HighPass,
    BandPass,
    BandStop
};

// 1/sqrt(2) in single precision, the Q every design in the effects uses.
inline constexpr double designQ = static_cast<double> (0.70710677f);

// Butterworth cascades of `stages` sections (the low and high passes with the per-section divisor
// (q^2)^(1 / (i+1)^(i+1))), designed at min (hz, 0.49 fs).
std::vector<Section> butterworth (FilterType type, double hz, double fs, int stages);
// The second-order all-pass of Q = 1/sqrt(2) centred on hz, designed at min (hz, 0.49 fs).
Section allpassSection (double hz, double fs);

// One coefficient that moves linearly to a new target over a fixed number of samples.
struct Glide
{
    double current = 0.0, target = 0.0, step = 0.0;
    int remaining = 0;

    void retarget (double value, int steps);
    double next();
};

// A state-variable section whose five coefficients (g, R and the three output weights) glide.
struct StateVariableSection
{
    std::array<Glide, 5> coefficients;
    double s1 = 0.0, s2 = 0.0;
    int steps = 0; // glide length; 0 for a section that has just joined

    void setTargets (const Section& design);
    double tick (double x);
};

// One voice's cascade: its sections glide over 5 ms from the time the rate is set.
class VoiceCascade
{
public:
    void setSampleRate (double fs);
    // Sections that join start from zero and take their first design at once.
    void setStages (std::size_t count);
    void design (const std::vector<Section>& sections);
    float process (float x);

    [[nodiscard]] std::size_t stages() const { return sections.size(); }

private:
    std::vector<StateVariableSection> sections;
    int glideSteps = 0;
};
} // namespace cvl::reference
