#pragma once

#include "PluginProcessor.h"

namespace exl
{
// Builds each declared parameter and hands it to the processor; subclasses choose how it registers.
class RegisteringCreationHandler : public IParameterCreationHandler
{
public:
    explicit RegisteringCreationHandler (PluginProcessor& processorToUse) : processor (processorToUse) {}
    void createParameter (const FloatParameterOptions& options) override
    {
        add (ParameterFactory::create (options));
    }
    void createParameter (const IntParameterOptions& options) override
    {
        add (ParameterFactory::create (options));
    }
    void createParameter (const BoolParameterOptions& options) override
    {
        add (ParameterFactory::create (options));
    }
    void createParameter (const ChoiceParameterOptions& options) override
    {
        add (ParameterFactory::create (options));
    }

protected:
    virtual void add (std::unique_ptr<Parameter>&& parameter) = 0;
    PluginProcessor& processor;
};

// Registers every created parameter as host-visible.
class ParameterCreationHandler final : public RegisteringCreationHandler
{
public:
    using RegisteringCreationHandler::RegisteringCreationHandler;

private:
    void add (std::unique_ptr<Parameter>&& parameter) override
    {
        processor.addExternalParameter (std::move (parameter));
    }
};

// Registers every created parameter as internal (owned by the hidden dummy processor).
class PrivateParameterCreationHandler final : public RegisteringCreationHandler
{
public:
    using RegisteringCreationHandler::RegisteringCreationHandler;

private:
    void add (std::unique_ptr<Parameter>&& parameter) override
    {
        processor.addInternalParameter (std::move (parameter));
    }
};
} // namespace exl
