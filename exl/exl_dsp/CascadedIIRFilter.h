#pragma once

#include "IFilter.h"
#include "Stage.h"

#include <boost/describe/enum.hpp>

#include <complex>

namespace exl::dsp
{
// A cascade of up to four second-order sections designed in direct form and run as state-variable
// sections whose coefficients glide over 5 ms. Subclasses provide the low- and high-pass designs and
// the prototype poles; the band designs are built here from the first-order prototype.
// Audio thread only; nothing here allocates.
class CascadedIIRFilter : public IFilter
{
public:
    enum class Type
    {
        LowPass,
        HighPass,
        BandPass,
        BandStop
    };
    BOOST_DESCRIBE_NESTED_ENUM (Type, LowPass, HighPass, BandPass, BandStop)

    using Complex = std::complex<double>;
    using Coefficients = std::array<double, 3>;

    static constexpr double defaultSampleRate = 48000.0;
    static constexpr double glideSeconds = 0.005;
    // Whole samples of the coefficient glide at a rate.
    [[nodiscard]] static int glideStepsAt (double sampleRate) noexcept
    {
        return static_cast<int> (std::floor (glideSeconds * sampleRate));
    }

    ~CascadedIIRFilter() override = default;

    void reset() noexcept override;
    // Keeps the designs; every coefficient stops gliding and glides over 5 ms from now on.
    void setSampleRate (double sampleRate) noexcept override;

    virtual void calculateLowPassCoefficients (double frequency, double q) noexcept = 0;
    virtual void calculateHighPassCoefficients (double frequency, double q) noexcept = 0;
    [[nodiscard]] virtual double getNormalizer() const noexcept { return 1.0; }
    // Angles of the second-order prototype's pole pair k and of the first-order prototype's pole k.
    [[nodiscard]] virtual std::pair<Complex, Complex> calculateSoSPole (std::size_t k,
                                                                        double q) const noexcept = 0;
    [[nodiscard]] virtual Complex calculateFoSPole (std::size_t k, double q) const noexcept = 0;

    // 1 ... 4 sections; sections that join start from zero, with coefficients that jump to their first
    // design.
    void setNumStages (std::size_t count) noexcept;
    void setFilterType (Type type) noexcept { filterType = type; }
    // The second argument is a half bandwidth in kHz.
    void calculateBandPassCoefficients (double frequency, double q) noexcept;
    void calculateBandStopCoefficients (double frequency, double q) noexcept;
    // Designs every section for the current type.
    void calculateCoefficients (double frequency, double q) noexcept;

    [[nodiscard]] double processSample (double x) noexcept
    {
        for (std::size_t i = 0; i < numStages; ++i)
            x = stages[i].tick (x);
        return x;
    }

    [[nodiscard]] Type getFilterType() const noexcept { return filterType; }
    [[nodiscard]] std::size_t getNumStages() const noexcept { return numStages; }
    [[nodiscard]] const Stage& getStage (std::size_t index) const noexcept { return stages[index]; }
    [[nodiscard]] double getSampleRate() const noexcept { return sampleRate; }

protected:
    CascadedIIRFilter() noexcept;

    void setStage (std::size_t index, const Coefficients& b, const Coefficients& a) noexcept
    {
        stages[index].setDirect (b, a);
    }

    double sampleRate = defaultSampleRate;

private:
    // The poles of both band designs: one pair per section, built from the first-order prototype.
    void designBandPoles (double frequency, double q, bool stop) noexcept;

    std::array<Stage, Stage::maximumCount> stages{};
    std::size_t numStages = 1;
    std::array<Complex, 2 * Stage::maximumCount> poles{};
    Type filterType = Type::LowPass;
    double bandCentre = 0.0; // the prewarped centre of the last band design, in Hz
    double bandWidth = 0.0;  // the prewarped width
};

// Butterworth pole layouts.
class ButterFilter final : public CascadedIIRFilter
{
public:
    ButterFilter() noexcept = default;

    void calculateLowPassCoefficients (double frequency, double q) noexcept override;
    void calculateHighPassCoefficients (double frequency, double q) noexcept override;
    [[nodiscard]] std::pair<Complex, Complex> calculateSoSPole (std::size_t k,
                                                                double q) const noexcept override;
    [[nodiscard]] Complex calculateFoSPole (std::size_t k, double q) const noexcept override;

private:
    void calculateLowOrHighPass (double frequency, double q, bool highPass) noexcept;
};

// The second-order all-pass of Q = 1/sqrt(2) that every all-pass section uses; the sections run in a
// StateVariableBank.
class AllpassFilter
{
public:
    // The section's normalised direct form (b, a), a0 = 1, centred on the frequency.
    [[nodiscard]] static std::pair<std::array<double, 3>, std::array<double, 3>>
    designSection (double frequency, double sampleRate) noexcept;
};
} // namespace exl::dsp
