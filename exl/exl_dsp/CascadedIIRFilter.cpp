namespace exl::dsp
{
namespace
{
    constexpr double pi = juce::MathConstants<double>::pi;
    constexpr double lowestBandEdge = 20.0;
    constexpr double highestLowerEdge = 19000.0;
    constexpr double highestUpperEdge = 20000.0;
    constexpr double hertzPerKilohertz = 1000.0;
    // 1/sqrt(2) in single precision, the all-pass sections' Q.
    constexpr double allpassQ = static_cast<double> (0.70710677f);
    // Designs stay below Nyquist: at rates under 40 kHz a 20 kHz cutoff would turn tan(pi f / fs)
    // negative and the sections unstable.
    constexpr double highestDesignRatio = 0.49;

    double belowNyquist (double frequency, double sampleRate) noexcept
    {
        return std::min (frequency, highestDesignRatio * sampleRate);
    }

    // Divides both polynomials by a0 when it is not zero.
    void normalise (CascadedIIRFilter::Coefficients& b, CascadedIIRFilter::Coefficients& a) noexcept
    {
        const auto a0 = a[0];
        if (a0 == 0.0)
            return;
        for (auto* x : { &b[0], &b[1], &b[2], &a[0], &a[1], &a[2] })
            *x /= a0;
    }

    // |H(e^jw)| of one section.
    double magnitudeAt (const CascadedIIRFilter::Coefficients& b, const CascadedIIRFilter::Coefficients& a,
                        double omega) noexcept
    {
        const auto z1 = std::polar (1.0, -omega);
        const auto z2 = z1 * z1;
        return std::abs ((b[0] + b[1] * z1 + b[2] * z2) / (a[0] + a[1] * z1 + a[2] * z2));
    }
} // namespace

CascadedIIRFilter::CascadedIIRFilter() noexcept
{
    for (auto& stage : stages)
        stage.coefficients.setGlideSteps (CascadedIIRFilter::glideStepsAt (sampleRate));
}

void CascadedIIRFilter::reset() noexcept
{
    for (auto& stage : stages)
        stage.input = stage.s1 = stage.s2 = stage.output = 0.0;
}

void CascadedIIRFilter::setSampleRate (double rate) noexcept
{
    sampleRate = rate;
    for (auto& stage : stages)
        stage.coefficients.setGlideSteps (CascadedIIRFilter::glideStepsAt (rate));
}

void CascadedIIRFilter::setNumStages (std::size_t count) noexcept
{
    count = std::clamp<std::size_t> (count, 1, Stage::maximumCount);
    for (auto i = numStages; i < count; ++i)
        stages[i] = Stage{};
    numStages = count;
}

void CascadedIIRFilter::calculateCoefficients (double frequency, double q) noexcept
{
    frequency = belowNyquist (frequency, sampleRate);
    switch (filterType)
    {
        case Type::LowPass:
            calculateLowPassCoefficients (frequency, q);
            break;
        case Type::HighPass:
            calculateHighPassCoefficients (frequency, q);
            break;
        case Type::BandPass:
            calculateBandPassCoefficients (frequency, q);
            break;
        case Type::BandStop:
            calculateBandStopCoefficients (frequency, q);
            break;
    }
}

void CascadedIIRFilter::designBandPoles (double frequency, double q, bool stop) noexcept
{
    const auto halfWidth = hertzPerKilohertz * q;
    const auto lower = frequency - halfWidth < lowestBandEdge
                           ? lowestBandEdge
                           : std::min (frequency - halfWidth, highestLowerEdge);
    const auto upper = frequency < lowestBandEdge ? halfWidth + lowestBandEdge
                                                  : std::min (frequency + halfWidth, highestUpperEdge);
    const auto warp = [this] (double x) { return sampleRate / pi * std::tan (pi * x / sampleRate); };
    bandCentre = warp (frequency);
    bandWidth = warp (upper) - warp (lower);
    const auto relativeWidth = bandWidth / (2.0 * bandCentre);
    const auto scale = 2.0 * pi * bandCentre / (2.0 * sampleRate);

    std::size_t next = 0;
    for (std::size_t k = 1; k <= numStages; ++k)
    {
        const auto prototype = calculateFoSPole (k, q);
        const auto u =
            stop ? Complex (bandWidth) / (2.0 * bandCentre * prototype) : relativeWidth * prototype;
        const auto root = std::sqrt (1.0 - u * u);
        for (const auto s : { u + Complex (0.0, 1.0) * root, u - Complex (0.0, 1.0) * root })
        {
            const auto scaled = s * scale;
            poles[next++] = (1.0 + scaled) / (1.0 - scaled);
        }
    }
}

void CascadedIIRFilter::calculateBandPassCoefficients (double frequency, double q) noexcept
{
    designBandPoles (frequency, q, false);
    const auto omega = 2.0 * pi * frequency / sampleRate;
    for (std::size_t i = 0; i < numStages; ++i)
    {
        const auto p = poles[i];
        const auto r = poles[2 * numStages - 1 - i];
        Coefficients b{ 1.0, 0.0, -1.0 };
        const Coefficients a{ 1.0, -(p.real() + r.real()), (p * r).real() };
        const auto gain = magnitudeAt (b, a, omega);
        for (auto& x : b)
            x /= gain;
        setStage (i, b, a);
    }
}

void CascadedIIRFilter::calculateBandStopCoefficients (double frequency, double q) noexcept
{
    designBandPoles (frequency, q, true);
    const auto cosOmega = std::cos (2.0 * pi * frequency / sampleRate);
    for (std::size_t i = 0; i < numStages; ++i)
    {
        const auto p = poles[i];
        const auto r = poles[2 * numStages - 1 - i];
        const Coefficients a{ 1.0, -(p.real() + r.real()), (p * r).real() };
        // Unit gain at DC.
        const auto k = (1.0 + a[1] + a[2]) / (2.0 - 2.0 * cosOmega);
        const Coefficients b{ k, -2.0 * cosOmega * k, k };
        setStage (i, b, a);
    }
}

void ButterFilter::calculateLowPassCoefficients (double frequency, double q) noexcept
{
    calculateLowOrHighPass (frequency, q, false);
}

void ButterFilter::calculateHighPassCoefficients (double frequency, double q) noexcept
{
    calculateLowOrHighPass (frequency, q, true);
}

void ButterFilter::calculateLowOrHighPass (double frequency, double q, bool highPass) noexcept
{
    const auto stageCount = getNumStages();
    const auto order = static_cast<double> (2 * stageCount);
    const auto c = std::tan (pi * frequency / sampleRate);
    const auto c2 = c * c;
    for (std::size_t i = 0; i < stageCount; ++i)
    {
        const auto index = static_cast<double> (i);
        const auto theta1 = (2.0 * (2.0 * index + 1.0) + order - 1.0) * pi / (2.0 * order);
        const auto theta2 = (2.0 * (order - 2.0 * index) + order - 1.0) * pi / (2.0 * order);
        const auto h = std::cos (theta1) + std::cos (theta2);
        const auto divisor = std::pow (q * q, 1.0 / std::pow (index + 1.0, index + 1.0));
        const auto rho = c * h / divisor;
        Coefficients a{ 1.0 - rho + c2, 2.0 * c2 - 2.0, 1.0 + rho + c2 };
        Coefficients b = highPass ? Coefficients{ 1.0, -2.0, 1.0 } : Coefficients{ c2, 2.0 * c2, c2 };
        normalise (b, a);
        setStage (i, b, a);
    }
}

std::pair<CascadedIIRFilter::Complex, CascadedIIRFilter::Complex>
ButterFilter::calculateSoSPole (std::size_t k, double) const noexcept
{
    const auto order = static_cast<double> (2 * getNumStages());
    const auto index = static_cast<double> (k);
    const auto first = (2.0 * index + order - 1.0) * pi / (2.0 * order);
    const auto second = (2.0 * (order - index + 1.0) + order - 1.0) * pi / (2.0 * order);
    return { std::polar (1.0, first), std::polar (1.0, second) };
}

CascadedIIRFilter::Complex ButterFilter::calculateFoSPole (std::size_t k, double) const noexcept
{
    const auto order = static_cast<double> (getNumStages());
    return std::polar (1.0, (2.0 * static_cast<double> (k) + order - 1.0) * pi / (2.0 * order));
}

std::pair<std::array<double, 3>, std::array<double, 3>>
AllpassFilter::designSection (double frequency, double sampleRate) noexcept
{
    const auto d = std::tan (pi * belowNyquist (frequency, sampleRate) / sampleRate);
    const auto a0 = 1.0 + d / allpassQ + d * d;
    auto a2 = 1.0 - d / allpassQ + d * d;
    auto a1 = 2.0 * d * d - 2.0;
    if (a0 != 0.0)
    {
        a1 /= a0;
        a2 /= a0;
    }
    return { { a2, a1, 1.0 }, { 1.0, a1, a2 } };
}
} // namespace exl::dsp
