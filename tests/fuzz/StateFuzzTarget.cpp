#include "StateFuzzTarget.h"

#include "processor/PluginProcessor.h"

#include <array>
#include <cmath>
#include <iostream>
#include <vector>

namespace cvl::fuzz
{
namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int preparedBlockSize = 512;
    constexpr int channels = 2;
    // A full block, the smallest one, one longer than prepared (processed in pieces) and an odd one.
    constexpr std::array<int, 4> blockSizes{ preparedBlockSize, 1, 1000, 37 };
    constexpr float inputLevel = 0.5f;

    // Values that land on, just beside and far outside the normalised range, and texts that are numbers
    // only in part or not at all.
    constexpr std::array<const char*, 32> specialValues{
        "0",    "1",      "-1",     "2",        "0.5",   "-0",    "1e-45",   "1e-38",
        "1e38", "3.5e38", "1e39",   "-1e39",    "1e308", "1e309", "nan",     "-nan",
        "inf",  "-inf",   "",       "x",        "0x10",  "1e",    ".5",      "5.",
        "+1",   " 0.7",   "0.3abc", "0.999999", "1e-7",  "-1e-7", "1.00001", "99999999999999999999999"
    };

    void printAndAbort (const std::string& description)
    {
        std::cerr << "state fuzz target: " << description << std::endl;
        std::abort();
    }

    FailureHandler& failureHandler()
    {
        static FailureHandler handler = printAndAbort;
        return handler;
    }

    struct Element
    {
        std::string id;
        std::string value;
        bool asUid = false;
        bool hasValue = true;
    };

    // The saved state as elements, so that edits work on identifiers and values and not on bytes.
    const std::vector<Element>& savedElements()
    {
        static const std::vector<Element> elements = []
        {
            std::vector<Element> result;
            const auto root =
                juce::XmlDocument::parse (juce::String::fromUTF8 (savedStateOfAFreshProcessor().c_str()));
            if (root != nullptr)
                for (const auto* param : root->getChildIterator())
                    result.push_back ({ param->getStringAttribute ("id").toStdString(),
                                        param->getStringAttribute ("val").toStdString() });
            return result;
        }();
        return elements;
    }

    // Reads the input as edits of three bytes each: two pick an element, the third what happens to it.
    std::string editedSavedState (const uint8_t* data, size_t size)
    {
        constexpr size_t maxEdits = 4096;
        auto elements = savedElements();
        if (elements.empty())
            return {};
        for (size_t edit = 0; edit < std::min (size / 3, maxEdits); ++edit)
        {
            const auto* bytes = data + edit * 3;
            const auto index = (static_cast<size_t> (bytes[0]) << 8 | bytes[1]) % elements.size();
            const auto what = bytes[2];
            auto& element = elements[index];
            if (what < 128)
                element.value =
                    exl::StateDocument::formatValue (static_cast<float> (what) / 127.0f).toStdString();
            else if (what < 192)
                element.value = specialValues[what % specialValues.size()];
            else if (what < 208)
                elements.erase (elements.begin() + static_cast<std::ptrdiff_t> (index));
            else if (what < 224)
                elements.push_back ({ element.id, "1" });
            else if (what < 240)
                element.asUid = true;
            else
                element.hasValue = false;
            if (elements.empty())
                break;
        }

        std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<state>\r\n";
        for (const auto& element : elements)
        {
            // As uid the real identifier must win over the id written beside it.
            text += element.asUid ? "  <param uid=\"" + element.id + "\" id=\"Mix\""
                                  : "  <param id=\"" + element.id + "\"";
            if (element.hasValue)
                text += " val=\"" + element.value + "\"";
            text += "/>\r\n";
        }
        return text + "</state>\r\n";
    }

    float inputSample (int channel, int sample)
    {
        // A decaying click every 997 samples over a slow sine, different per channel.
        const auto click = (sample % 997) < 4 ? 1.0f : 0.0f;
        const auto tone = std::sin (0.01f * static_cast<float> (sample) + static_cast<float> (channel));
        return inputLevel * 0.5f * (click + tone);
    }

    class Run
    {
    public:
        Run()
        {
            processor.setRateAndBufferSizeDetails (sampleRate, preparedBlockSize);
            processor.prepareToPlay (sampleRate, preparedBlockSize);
        }

        // False after the first failure, which has then been reported.
        bool apply (const void* bytes, int size, const char* what)
        {
            processor.setStateInformation (bytes, size);
            return processFinitely (what) && stateReadsBackToItself (what);
        }

    private:
        bool fail (const std::string& description)
        {
            failureHandler() (description);
            return false;
        }

        bool processFinitely (const char* what)
        {
            juce::MidiBuffer midi;
            for (const auto length : blockSizes)
            {
                juce::AudioBuffer<float> block (channels, length);
                for (int c = 0; c < channels; ++c)
                    for (int i = 0; i < length; ++i)
                        block.setSample (c, i, inputSample (c, samplesProcessed + i));
                processor.processBlock (block, midi);
                for (int c = 0; c < channels; ++c)
                    for (int i = 0; i < length; ++i)
                        if (! std::isfinite (block.getSample (c, i)))
                            return fail (std::string ("output not finite after the ") + what + " at sample " +
                                         std::to_string (samplesProcessed + i) + " of channel " +
                                         std::to_string (c));
                samplesProcessed += length;
            }
            return true;
        }

        bool stateReadsBackToItself (const char* what)
        {
            juce::MemoryBlock saved;
            processor.getStateInformation (saved);
            const auto root = juce::XmlDocument::parse (saved.toString());
            if (root == nullptr || ! root->hasTagName ("state"))
                return fail (std::string ("saved state after the ") + what + " is not a state document");

            const auto ids = processor.getParameterIdList();
            if (root->getNumChildElements() != static_cast<int> (ids.size()))
                return fail (std::string ("saved state after the ") + what + " has " +
                             std::to_string (root->getNumChildElements()) + " elements for " +
                             std::to_string (ids.size()) + " parameters");
            auto id = ids.begin();
            for (const auto* param : root->getChildIterator())
            {
                const auto value = param->getStringAttribute ("val");
                if (param->getStringAttribute ("id") != id->toString() ||
                    ! std::isfinite (param->getDoubleAttribute ("val")) || value.isEmpty())
                    return fail (std::string ("saved state after the ") + what + " has a bad element for " +
                                 id->toString().toStdString() + ": " + param->toString().toStdString());
                ++id;
            }

            processor.setStateInformation (saved.getData(), static_cast<int> (saved.getSize()));
            juce::MemoryBlock again;
            processor.getStateInformation (again);
            if (again != saved)
                return fail (std::string ("saved state after the ") + what + " does not read back to itself");
            return true;
        }

        CorvaneAudioProcessor processor;
        int samplesProcessed = 0;
    };
} // namespace

void setFailureHandler (FailureHandler handler)
{
    failureHandler() = handler != nullptr ? std::move (handler) : FailureHandler (printAndAbort);
}

const std::string& savedStateOfAFreshProcessor()
{
    static const std::string text = []
    {
        CorvaneAudioProcessor processor;
        juce::MemoryBlock block;
        processor.getStateInformation (block);
        return block.toString().toStdString();
    }();
    return text;
}
} // namespace cvl::fuzz

extern "C" int LLVMFuzzerTestOneInput (const uint8_t* data, size_t size)
{
    // Hosts never pass more than an int can count; larger inputs are cut.
    const auto rawSize = static_cast<int> (std::min<size_t> (size, static_cast<size_t> (INT32_MAX)));
    cvl::fuzz::Run run;
    if (! run.apply (data, rawSize, "raw bytes"))
        return 0;
    const auto edited = cvl::fuzz::editedSavedState (data, size);
    run.apply (edited.data(), static_cast<int> (edited.size()), "edited saved state");
    return 0;
}
