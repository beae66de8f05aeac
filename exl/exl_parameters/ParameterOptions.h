#pragma once

#include "Parameter.h"

namespace exl
{
// Declaration records: owners fill them in during construction; a creation handler turns them into
// parameters once everything is declared.

struct FloatParameterOptions
{
    juce::Identifier identifier;
    juce::NormalisableRange<float> range;
    float defaultValue = 0.0f; // in range units
    juce::String name;
    juce::String label;
    juce::String caption;
    TextFunction textFunction;
    ParseFunction parseFunction;
    ChangeCallback changeCallback;
    int versionHint = 1;
};

struct IntParameterOptions
{
    juce::Identifier identifier;
    int minimum = 0;
    int maximum = 0;
    int defaultValue = 0;
    juce::String name;
    juce::String label;
    juce::String caption;
    TextFunction textFunction;
    ParseFunction parseFunction;
    ChangeCallback changeCallback;
    int versionHint = 1;
};

struct BoolParameterOptions
{
    juce::Identifier identifier;
    bool defaultValue = false;
    juce::String name;
    juce::String label;
    juce::String caption;
    TextFunction textFunction;
    ParseFunction parseFunction;
    ChangeCallback changeCallback;
    int versionHint = 1;
};

struct ChoiceParameterOptions
{
    juce::Identifier identifier;
    juce::StringArray choices;
    int defaultIndex = 0;
    juce::String name;
    juce::String label;
    juce::String caption;
    ChangeCallback changeCallback;
    int versionHint = 1;
};
} // namespace exl
