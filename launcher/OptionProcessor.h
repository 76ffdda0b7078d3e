#pragma once
#include "ArgumentList.h"
#include "LaunchOptions.h"
#include "PrinterInfo.h"

class CIniConfig;

// Walks the arguments in order, validating each option against the configuration and the
// installed printers. An option error is shown at once and ends the walk; "/A" and
// "/CheckInifile" act when reached and also end it.
class OptionProcessor {
public:
    OptionProcessor(CIniConfig& config, LaunchOptions& options) : m_config(config), m_options(options)
    {
    }

    // True when the launcher goes on to its start-up checks.
    bool Process(const ArgumentList& arguments);

private:
    using Handler = bool (OptionProcessor::*)(const char* value);
    struct Option {
        const char* name;
        Handler handler;
    };
    static const Option kOptions[];

    bool AnswerInstaller(const char* keyPath);
    bool CheckConfiguration(const char* value);
    bool SetFlagB(const char* value);
    bool SetFlagC(const char* value);
    bool Ignore(const char* value);
    bool SetDownloadPrinter(const char* printer);
    bool SetDownloadLanguage(const char* language);
    bool SetSkipIntroduction(const char* value);
    bool SetFaxLanguage(const char* language);
    bool SetFaxPrinter(const char* printer);
    bool SetCountryCode(const char* code);
    bool SetTime(const char* time);
    bool SetFunction(const char* function);
    bool SetSkipCountryCode(const char* value);
    bool SetSkipTime(const char* value);

    bool HasValueAndConfig(const char* value);
    bool LookUpPrinter(const char* printer, PrinterInfo& found);
    bool ValidateLanguage(const char* language, const char*& target);
    bool Fail(const char* text);

    CIniConfig& m_config;
    LaunchOptions& m_options;
};
