#include "ReferenceFilters.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <limits>

namespace cvl::reference
{
namespace
{
    const double pi = std::acos (-1.0);
    using Complex = std::complex<double>;

    double warp (double hz, double fs) { return fs / pi * std::tan (pi * hz / fs); }

    Section normalised (Polynomial b, Polynomial a)
    {
        if (a[0] != 0.0)
        {
            const auto a0 = a[0];
            for (auto& x : b)
                x /= a0;
            for (auto& x : a)
                x /= a0;
        }
        return { b, a };
    }

    std::vector<Section> lowOrHighPass (double hz, double fs, int stages, bool high)
    {
        std::vector<Section> result;
        const double n = 2.0 * stages;
        const double c = std::tan (pi * hz / fs);
        for (int i = 0; i < stages; ++i)
        {
            const double h = std::cos ((2.0 * (2 * i + 1) + n - 1.0) * pi / (2.0 * n)) +
                             std::cos ((2.0 * (n - 2 * i) + n - 1.0) * pi / (2.0 * n));
            const double rho = c * h / std::pow (designQ * designQ, 1.0 / std::pow (i + 1.0, i + 1.0));
            const Polynomial a{ 1.0 - rho + c * c, 2.0 * c * c - 2.0, 1.0 + rho + c * c };
            const Polynomial b =
                high ? Polynomial{ 1.0, -2.0, 1.0 } : Polynomial{ c * c, 2.0 * c * c, c * c };
            result.push_back (normalised (b, a));
        }
        return result;
    }

    // Band designs: each pole of an S-th order prototype becomes a pair around the prewarped centre.
    std::vector<Section> band (double hz, double fs, int stages, bool stop)
    {
        const double d = 1000.0 * designQ;
        const double f1 = hz - d < 20.0 ? 20.0 : std::min (hz - d, 19000.0);
        const double f2 = hz < 20.0 ? d + 20.0 : std::min (hz + d, 20000.0);
        const double w0 = warp (hz, fs);
        const double width = warp (f2, fs) - warp (f1, fs);

        std::vector<Complex> poles;
        for (int k = 1; k <= stages; ++k)
        {
            const auto p = std::polar (1.0, (2.0 * k + stages - 1.0) * pi / (2.0 * stages));
            const Complex u = stop ? Complex (width) / (2.0 * w0 * p) : width / (2.0 * w0) * p;
            const auto root = std::sqrt (1.0 - u * u);
            for (const auto s : { u + Complex (0.0, 1.0) * root, u - Complex (0.0, 1.0) * root })
            {
                const auto scaled = s * (2.0 * pi * w0 / (2.0 * fs));
                poles.push_back ((1.0 + scaled) / (1.0 - scaled));
            }
        }

        const double omega = 2.0 * pi * hz / fs;
        std::vector<Section> result;
        for (int i = 0; i < stages; ++i)
        {
            const auto p = poles[static_cast<std::size_t> (i)];
            const auto q = poles[static_cast<std::size_t> (2 * stages - 1 - i)];
            const Polynomial a{ 1.0, -(p.real() + q.real()), (p * q).real() };
            if (stop)
            {
                const double k = (1.0 + a[1] + a[2]) / (2.0 - 2.0 * std::cos (omega));
                result.push_back ({ { k, -2.0 * std::cos (omega) * k, k }, a });
            }
            else
            {
                Polynomial b{ 1.0, 0.0, -1.0 };
                const auto z1 = std::polar (1.0, -omega);
                const auto gain =
                    std::abs ((b[0] + b[1] * z1 + b[2] * z1 * z1) / (a[0] + a[1] * z1 + a[2] * z1 * z1));
                for (auto& x : b)
                    x /= gain;
                result.push_back ({ b, a });
            }
        }
        return result;
    }

    bool unchanged (double a, double b)
    {
        const auto difference = std::abs (a - b);
        return difference <= std::numeric_limits<double>::min() ||
               difference <= std::numeric_limits<double>::epsilon() * std::max (std::abs (a), std::abs (b));
    }
} // namespace

std::vector<Section> butterworth (FilterType type, double hz, double fs, int stages)
{
    hz = std::min (hz, 0.49 * fs);
    switch (type)
    {
        case FilterType::LowPass:
            return lowOrHighPass (hz, fs, stages, false);
        case FilterType::HighPass:
            return lowOrHighPass (hz, fs, stages, true);
        case FilterType::BandPass:
            return band (hz, fs, stages, false);
        case FilterType::BandStop:
            return band (hz, fs, stages, true);
    }
    return {};
}

Section allpassSection (double hz, double fs)
{
    const double d = std::tan (pi * std::min (hz, 0.49 * fs) / fs);
    const double a0 = 1.0 + d / designQ + d * d;
    const double a1 = (2.0 * d * d - 2.0) / a0;
    const double a2 = (1.0 - d / designQ + d * d) / a0;
    return { { a2, a1, 1.0 }, { 1.0, a1, a2 } };
}

void Glide::retarget (double value, int steps)
{
    if (unchanged (target, value))
        return;
    target = value;
    if (steps <= 0)
    {
        current = value;
        remaining = 0;
        return;
    }
    remaining = steps;
    step = (target - current) / steps;
}

double Glide::next()
{
    if (remaining == 0)
        return target;
    --remaining;
    current = remaining > 0 ? current + step : target;
    return current;
}

// The direct form's state-variable equivalent, through complex square roots of real numbers.
void StateVariableSection::setTargets (const Section& design)
{
    const auto& [b, a] = design;
    const auto p = std::sqrt (Complex (-1.0 - a[1] - a[2]));
    const auto q = std::sqrt (Complex (a[1] - 1.0 - a[2]));
    const double values[] = { (p / q).real(), ((a[2] - 1.0) / (p * q)).real(),
                              (b[0] - b[1] + b[2]) / (1.0 - a[1] + a[2]),
                              (-2.0 * (b[0] - b[2]) / (p * q)).real(),
                              (b[0] + b[1] + b[2]) / (1.0 + a[1] + a[2]) };
    for (std::size_t k = 0; k < coefficients.size(); ++k)
        coefficients[k].retarget (values[k], steps);
}

double StateVariableSection::tick (double x)
{
    const double g = coefficients[0].next();
    const double r = coefficients[1].next();
    const double highWeight = coefficients[2].next();
    const double bandWeight = coefficients[3].next();
    const double lowWeight = coefficients[4].next();
    const double hp = (x - (g + 2.0 * r) * s1 - s2) / (1.0 + 2.0 * r * g + g * g);
    const double bp = g * hp + s1;
    const double lp = g * bp + s2;
    s1 += 2.0 * g * hp;
    s2 += 2.0 * g * bp;
    return highWeight * hp + bandWeight * bp + lowWeight * lp;
}

void VoiceCascade::setSampleRate (double fs)
{
    glideSteps = static_cast<int> (std::floor (0.005 * fs));
    for (auto& section : sections)
    {
        section.steps = glideSteps;
        for (auto& c : section.coefficients)
        {
            c.current = c.target;
            c.remaining = 0;
        }
    }
}

void VoiceCascade::setStages (std::size_t count)
{
    if (count > sections.size())
        sections.resize (count, StateVariableSection{});
    else
        sections.resize (count);
}

void VoiceCascade::design (const std::vector<Section>& designs)
{
    for (std::size_t i = 0; i < sections.size() && i < designs.size(); ++i)
        sections[i].setTargets (designs[i]);
}

float VoiceCascade::process (float x)
{
    double y = x;
    for (auto& section : sections)
        y = section.tick (y);
    return static_cast<float> (y);
}
} // namespace cvl::reference
