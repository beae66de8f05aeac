#pragma once

#include <array>

namespace exl::dsp
{
// A four-stage envelope whose attack, decay and release follow shaping curves over a time in
// milliseconds. The caller drives the stage changes (see SafetyLimiter); stepping is per sample.
class Adsr
{
public:
    enum class State
    {
        idle = 0,
        running = 1,
        finished = 2
    };

    enum StageIndex
    {
        attack = 0,
        decay,
        sustain,
        release,
        stageCount
    };

    using Curve = float (*) (float);

    struct Stage
    {
        Curve curve = nullptr;
        float samplesPerTimeUnit = 0.0f; // milliseconds to samples
        float position = 0.0f;           // samples elapsed
        float progress = 0.0f;           // 0 to 1
        float startLevel = 0.0f;
        float endLevel = 0.0f;
        float length = 0.0f; // samples
        float value = 0.0f;

        // x = position / length (1 for a zero length); progress = curve(x) clamped to 0 to 1.
        float advance() noexcept;
        void start (float start, float end, float timeInMilliseconds) noexcept;
    };

    Adsr (float attackMs, float decayMs, float sustainLevel, float releaseMs) noexcept;

    // Every stage becomes idle with position and progress 0; installs the curves
    // (attack sqrt(x), decay x^2, release x^2).
    void setSampleRate (double sampleRate) noexcept;

    // Release from wherever the attack or decay got to.
    void startRelease() noexcept;
    // Attack from the release's current value.
    void startAttack() noexcept;
    // One sample of the running stage; returns the envelope value.
    float step() noexcept;

    [[nodiscard]] State getState (StageIndex stage) const noexcept { return states[stage]; }
    [[nodiscard]] const Stage& getStage (StageIndex stage) const noexcept { return stages[stage]; }

private:
    std::array<Stage, stageCount> stages{};
    std::array<State, stageCount> states{};
    float attackTime, decayTime, sustainLevel, releaseTime;
};
} // namespace exl::dsp
