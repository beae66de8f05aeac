namespace exl::dsp
{
namespace
{
    float squareRootCurve (float x) { return std::sqrt (x); }
    float squareCurve (float x) { return x * x; }
} // namespace

float Adsr::Stage::advance() noexcept
{
    const auto x = length == 0.0f ? 1.0f : position / length;
    progress = juce::jlimit (0.0f, 1.0f, curve (x));
    position += 1.0f;
    value = startLevel + (endLevel - startLevel) * progress;
    return value;
}

void Adsr::Stage::start (float start, float end, float timeInMilliseconds) noexcept
{
    startLevel = start;
    endLevel = end;
    position = 0.0f;
    progress = 0.0f;
    length = timeInMilliseconds * samplesPerTimeUnit;
    value = start;
}

Adsr::Adsr (float attackMs, float decayMs, float sustainLevelToUse, float releaseMs) noexcept
    : attackTime (attackMs), decayTime (decayMs), sustainLevel (sustainLevelToUse), releaseTime (releaseMs)
{
    states.fill (State::idle);
}

void Adsr::setSampleRate (double sampleRate) noexcept
{
    constexpr Curve curves[stageCount] = { squareRootCurve, squareCurve, nullptr, squareCurve };
    for (int i = 0; i < stageCount; ++i)
    {
        states[static_cast<std::size_t> (i)] = State::idle;
        auto& stage = stages[static_cast<std::size_t> (i)];
        stage.position = 0.0f;
        stage.progress = 0.0f;
        stage.samplesPerTimeUnit = static_cast<float> (sampleRate / 1000.0);
        stage.curve = curves[i];
    }
}

void Adsr::startRelease() noexcept
{
    const auto from = stages[attack].progress >= 1.0f ? stages[decay].value : stages[attack].value;
    states.fill (State::idle);
    states[release] = State::running;
    stages[release].start (from, 0.0f, releaseTime);
}

void Adsr::startAttack() noexcept
{
    states.fill (State::idle);
    states[attack] = State::running;
    stages[attack].start (stages[release].value, 1.0f, attackTime);
}

float Adsr::step() noexcept
{
    if (states[attack] == State::running)
    {
        if (stages[attack].progress < 1.0f)
            return stages[attack].advance();
        states[attack] = State::finished;
        states[decay] = State::running;
        stages[decay].start (1.0f, sustainLevel, decayTime);
        return stages[decay].advance();
    }
    if (states[decay] == State::running)
    {
        if (stages[decay].progress < 1.0f)
            return stages[decay].advance();
        states[decay] = State::finished;
        states[sustain] = State::running;
        return sustainLevel;
    }
    if (states[sustain] == State::running)
        return sustainLevel;
    if (states[release] == State::running)
    {
        if (stages[release].progress < 1.0f)
            return stages[release].advance();
        states[release] = State::finished;
        return 0.0f;
    }
    return 0.0f;
}
} // namespace exl::dsp
