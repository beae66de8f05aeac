// Runs the state fuzz target without a fuzzing engine: every corpus input once, then a fixed number of
// inputs made by a seeded mutator from the corpus. An input that fails a check, crashes, trips a
// sanitizer or runs past the time limit is written to a file in the crash folder and the run exits
// with status 1, so that the file can be added to the corpus.
//
//   corvane_state_fuzz [--runs=N] [--seed=N] [--max-len=BYTES] [--timeout=SECONDS] [--crash-dir=DIR]
//                      [--inject-crash=TEXT] CORPUS_FOLDER_OR_FILE...
//   corvane_state_fuzz --write-saved-state=FILE
//
// --inject-crash aborts on inputs that contain TEXT; it exists to check the crash path itself.

#include "Mutator.h"
#include "StateFuzzTarget.h"

#include "processor/PluginProcessor.h"

#include <juce_events/juce_events.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <optional>
#include <unistd.h>

#if defined(__has_include)
#if __has_include(<sanitizer/common_interface_defs.h>) && (defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__))
#include <sanitizer/common_interface_defs.h>
#define CORVANE_FUZZ_SANITIZER_CALLBACK 1
#endif
#endif

namespace
{
struct Options
{
    uint64_t runs = 1000;
    uint64_t seed = 1;
    size_t maxLength = 128 * 1024;
    unsigned timeoutSeconds = 30;
    std::string crashDir = ".";
    std::string injectCrash;
    std::string writeSavedState;
    std::vector<std::string> corpus;
};

// What the signal handlers need, prepared before each execution so that they only call write and open.
const uint8_t* currentData = nullptr;
size_t currentSize = 0;
char crashDirText[4096] = ".";
alignas (16) char alternateStack[1 << 16];

uint64_t hashOf (const uint8_t* data, size_t size)
{
    uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 1099511628211ull;
    return hash;
}

void writeText (const char* text)
{
    [[maybe_unused]] const auto written = ::write (2, text, std::strlen (text));
}

// Async-signal-safe: builds "<dir>/<prefix>-<hash>", writes the current input there and reports it.
void writeCurrentInput (const char* prefix)
{
    char path[4200];
    size_t length = 0;
    for (const char* part : { static_cast<const char*> (crashDirText), "/", prefix, "-" })
        for (; *part != 0 && length < sizeof (path) - 20; ++part)
            path[length++] = *part;
    const auto hash = hashOf (currentData, currentSize);
    for (int shift = 60; shift >= 0; shift -= 4)
        path[length++] = "0123456789abcdef"[(hash >> shift) & 0xf];
    path[length] = 0;

    const auto fd = ::open (path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd >= 0)
    {
        for (size_t done = 0; done < currentSize;)
        {
            const auto n = ::write (fd, currentData + done, currentSize - done);
            if (n <= 0)
                break;
            done += static_cast<size_t> (n);
        }
        ::close (fd);
    }
    writeText ("state fuzz driver: input written to ");
    writeText (path);
    writeText ("\n");
}

void onSignal (int signal)
{
    writeText (signal == SIGALRM ? "state fuzz driver: time limit passed\n" : "state fuzz driver: crash\n");
    writeCurrentInput (signal == SIGALRM ? "timeout" : "crash");
    ::_exit (1);
}

#ifdef CORVANE_FUZZ_SANITIZER_CALLBACK
void onSanitizerDeath() { writeCurrentInput ("crash"); }
#endif

void installHandlers()
{
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof (alternateStack);
    ::sigaltstack (&stack, nullptr);

    struct sigaction action
    {
    };
    action.sa_handler = onSignal;
    action.sa_flags = SA_ONSTACK;
    sigemptyset (&action.sa_mask);
    for (const auto signal : { SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL, SIGALRM })
        ::sigaction (signal, &action, nullptr);
#ifdef CORVANE_FUZZ_SANITIZER_CALLBACK
    __sanitizer_set_death_callback (onSanitizerDeath);
#endif
    // A failed check is a finding like a crash; the description goes out first.
    cvl::fuzz::setFailureHandler (
        [] (const std::string& description)
        {
            std::cerr << "state fuzz driver: check failed: " << description << std::endl;
            writeCurrentInput ("crash");
            ::_exit (1);
        });
}

bool parse (int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i)
    {
        const std::string argument (argv[i]);
        const auto value = [&argument] (const char* name) -> std::optional<std::string>
        {
            const std::string prefix = std::string (name) + "=";
            if (argument.rfind (prefix, 0) != 0)
                return std::nullopt;
            return argument.substr (prefix.size());
        };
        try
        {
            if (auto v = value ("--runs"))
                options.runs = std::stoull (*v);
            else if (auto s = value ("--seed"))
                options.seed = std::stoull (*s);
            else if (auto m = value ("--max-len"))
                options.maxLength = std::stoull (*m);
            else if (auto t = value ("--timeout"))
                options.timeoutSeconds = static_cast<unsigned> (std::stoul (*t));
            else if (auto d = value ("--crash-dir"))
                options.crashDir = *d;
            else if (auto c = value ("--inject-crash"))
                options.injectCrash = *c;
            else if (auto w = value ("--write-saved-state"))
                options.writeSavedState = *w;
            else if (argument.rfind ("--", 0) == 0)
                return false;
            else
                options.corpus.push_back (argument);
        }
        catch (const std::exception&)
        {
            return false;
        }
    }
    return options.crashDir.size() < sizeof (crashDirText) - 1 &&
           (! options.corpus.empty() || ! options.writeSavedState.empty());
}

std::vector<juce::File> corpusFiles (const std::vector<std::string>& places)
{
    std::vector<juce::File> files;
    for (const auto& place : places)
    {
        const juce::File file (juce::File::getCurrentWorkingDirectory().getChildFile (place));
        if (file.isDirectory())
        {
            auto children = file.findChildFiles (juce::File::findFiles, false, "*");
            children.sort();
            files.insert (files.end(), children.begin(), children.end());
        }
        else if (file.existsAsFile())
            files.push_back (file);
        else
            std::cerr << "state fuzz driver: no corpus at " << place << std::endl;
    }
    return files;
}

void execute (const Options& options, const cvl::fuzz::Mutator::Bytes& input)
{
    currentData = input.data();
    currentSize = input.size();
    ::alarm (options.timeoutSeconds);
    if (! options.injectCrash.empty() && std::search (input.begin(), input.end(), options.injectCrash.begin(),
                                                      options.injectCrash.end()) != input.end())
        std::abort();
    LLVMFuzzerTestOneInput (input.data(), input.size());
    ::alarm (0);
}
} // namespace

int main (int argc, char** argv)
{
    using cvl::fuzz::Mutator;
    Options options;
    if (! parse (argc, argv, options))
    {
        std::cerr << "usage: " << argv[0]
                  << " [--runs=N] [--seed=N] [--max-len=BYTES] [--timeout=SECONDS] [--crash-dir=DIR]"
                     " [--inject-crash=TEXT] CORPUS_FOLDER_OR_FILE...\n       "
                  << argv[0] << " --write-saved-state=FILE\n";
        return 2;
    }
    juce::ScopedJuceInitialiser_GUI juceInitialiser;

    if (! options.writeSavedState.empty())
    {
        const auto& state = cvl::fuzz::savedStateOfAFreshProcessor();
        return juce::File::getCurrentWorkingDirectory()
                       .getChildFile (options.writeSavedState)
                       .replaceWithData (state.data(), state.size())
                   ? 0
                   : 1;
    }

    std::strcpy (crashDirText, options.crashDir.c_str());
    std::vector<Mutator::Bytes> corpus;
    for (const auto& file : corpusFiles (options.corpus))
    {
        juce::MemoryBlock block;
        file.loadFileAsData (block);
        const auto* bytes = static_cast<const uint8_t*> (block.getData());
        corpus.emplace_back (bytes, bytes + block.getSize());
    }
    if (corpus.empty())
    {
        std::cerr << "state fuzz driver: the corpus is empty" << std::endl;
        return 2;
    }

    // Identifiers of the real parameters are tokens too, so that mutations keep reaching them.
    std::vector<std::string> identifiers;
    {
        CorvaneAudioProcessor processor;
        for (const auto& id : processor.getParameterIdList())
            identifiers.push_back (id.toString().toStdString());
    }
    installHandlers();

    const auto start = std::chrono::steady_clock::now();
    for (const auto& input : corpus)
        execute (options, input);

    Mutator mutator (options.seed, corpus, std::move (identifiers), options.maxLength);
    const auto report = std::max<uint64_t> (1, options.runs / 10);
    for (uint64_t run = 1; run <= options.runs; ++run)
    {
        execute (options, mutator.next());
        if (run % report == 0 || run == options.runs)
        {
            const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
            std::cout << "#" << run << " of " << options.runs << " after " << corpus.size()
                      << " corpus inputs, " << elapsed.count() << " s" << std::endl;
        }
    }
    std::cout << "state fuzz driver: " << corpus.size() << " corpus inputs and " << options.runs
              << " mutated inputs passed (seed " << options.seed << ")" << std::endl;
    return 0;
}
