#include "ExpectedParameters.h"

namespace cvl::validation
{
namespace
{
    constexpr int macroCount = 4;
    constexpr int lfoCount = 6;
    constexpr int vectorSpaceCount = 3;
    constexpr int transformCount = 4;
    constexpr int slotCount = 3;

    juce::String effectName (const char* effect, const char* parameter, int slot)
    {
        return juce::String (effect) + parameter + juce::String (slot);
    }

    void addEffectFloats (std::vector<ExpectedParameter>& out, const char* effect,
                          std::initializer_list<const char*> parameters)
    {
        for (int slot = 0; slot < slotCount; ++slot)
            for (const auto* parameter : parameters)
            {
                const auto name = effectName (effect, parameter, slot);
                out.push_back ({ name + "_Effect", name });
            }
    }

    juce::String transformClass (int space, int transform)
    {
        return "VectorSpace" + juce::String (space) + "Transform" + juce::String (transform);
    }

    std::vector<ExpectedParameter> build()
    {
        std::vector<ExpectedParameter> out;

        // Floats, in the order their owners declare them.
        for (int n = 1; n <= macroCount; ++n)
            out.push_back ({ "Macro_" + juce::String (n), "Macro " + juce::String (n) });
        for (int n = 1; n <= lfoCount; ++n)
        {
            out.push_back ({ "Frequency_Lfo" + juce::String (n), "Frequency" });
            out.push_back ({ "Scale_Lfo" + juce::String (n), "Scale" });
        }
        for (int k = 1; k <= vectorSpaceCount; ++k)
            for (int t = 1; t <= transformCount; ++t)
            {
                out.push_back ({ "X_" + transformClass (k, t), "X" });
                out.push_back ({ "Y_" + transformClass (k, t), "Y" });
            }
        addEffectFloats (out, "Allpass", { "Cutoff" });
        addEffectFloats (out, "Balance", { "Pan", "Gain" });
        addEffectFloats (out, "Delay", { "Time", "Feedback", "Mix" });
        addEffectFloats (out, "Diffuser", { "DelayTime", "Feedback", "Mix" });
        addEffectFloats (out, "Distortion", { "Amount", "Mix" });
        addEffectFloats (out, "Filter", { "Cutoff" });
        out.push_back ({ "Mix", "" });

        // Whole numbers.
        out.push_back ({ "VoiceCount", "Voices" });

        // Switches.
        for (int n = 1; n <= lfoCount; ++n)
            out.push_back ({ "Enable_Lfo" + juce::String (n), "" });
        for (int k = 1; k <= vectorSpaceCount; ++k)
            for (int t = 1; t <= transformCount; ++t)
                out.push_back ({ "Enable_" + transformClass (k, t), "" });
        out.push_back ({ "Bypass", "Bypass" });

        // Choices.
        for (int n = 1; n <= lfoCount; ++n)
        {
            out.push_back ({ "Shape_Lfo" + juce::String (n), "" });
            out.push_back ({ "SyncType_Lfo" + juce::String (n), "" });
        }
        for (int k = 1; k <= vectorSpaceCount; ++k)
        {
            for (int t = 1; t <= transformCount; ++t)
                out.push_back ({ "Type_" + transformClass (k, t), "" });
            out.push_back ({ "Shape_VectorSpace" + juce::String (k), "" });
        }
        const auto addChoice = [&out] (const char* effect, const char* parameter, int slot)
        {
            const auto name = effectName (effect, parameter, slot);
            out.push_back ({ name + "_Effect", name });
        };
        for (int slot = 0; slot < slotCount; ++slot)
            addChoice ("Allpass", "Order", slot);
        for (int slot = 0; slot < slotCount; ++slot)
            addChoice ("Distortion", "Type", slot);
        for (int slot = 0; slot < slotCount; ++slot)
        {
            addChoice ("Filter", "Type", slot);
            addChoice ("Filter", "Order", slot);
        }
        for (int n = 1; n <= slotCount; ++n)
            out.push_back ({ "ProcessorType" + juce::String (n), "" });

        return out;
    }
} // namespace

const std::vector<ExpectedParameter>& expectedHostParameters()
{
    static const auto parameters = build();
    return parameters;
}
} // namespace cvl::validation
