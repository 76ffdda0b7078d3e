#include "OptionProcessor.h"

#include <string.h>

#include "ConfigurationCheck.h"
#include "ErrorMessages.h"
#include "IniConfig.h"
#include "PrinterList.h"
#include "RegistryResult.h"
#include "SupportedPrinters.h"
#include "UiLanguage.h"

const OptionProcessor::Option OptionProcessor::kOptions[] = {
    {"/A", &OptionProcessor::AnswerInstaller},
    {"/CheckInifile", &OptionProcessor::CheckConfiguration},
    {"/B", &OptionProcessor::SetFlagB},
    {"/C", &OptionProcessor::SetFlagC},
    {"/D", &OptionProcessor::Ignore},
    {"/P", &OptionProcessor::SetDownloadPrinter},
    {"/L", &OptionProcessor::SetDownloadLanguage},
    {"/FSKIP", &OptionProcessor::SetSkipIntroduction},
    {"/FL", &OptionProcessor::SetFaxLanguage},
    {"/FP", &OptionProcessor::SetFaxPrinter},
    {"/FC", &OptionProcessor::SetCountryCode},
    {"/FT", &OptionProcessor::SetTime},
    {"/F", &OptionProcessor::SetFunction},
    {"/FCSKIP", &OptionProcessor::SetSkipCountryCode},
    {"/FTSKIP", &OptionProcessor::SetSkipTime},
};

bool OptionProcessor::Process(const ArgumentList& arguments)
{
    int count = arguments.GetCount();
    for (int i = 0; i < count;) {
        // The word after an option is its value unless it is itself an option; it is
        // skipped even when the option takes none.
        const char* value = i + 1 < count && arguments[i + 1][0] != '/' ? arguments[i + 1] : nullptr;
        for (const Option& option : kOptions) {
            if (_stricmp(arguments[i], option.name) == 0 && !(this->*option.handler)(value))
                return false;
        }
        i += value ? 2 : 1;
    }
    return true;
}

bool OptionProcessor::Fail(const char* text)
{
    ShowError(text);
    return false;
}

// The first checks of an option whose value needs the configuration.
bool OptionProcessor::HasValueAndConfig(const char* value)
{
    if (value == nullptr)
        return Fail(kMissingParameterText);
    if (!m_config.IsLoaded())
        return Fail(kMissingFileText);
    return true;
}

bool OptionProcessor::AnswerInstaller(const char* keyPath)
{
    if (!HasValueAndConfig(keyPath))
        return false;
    // An installer is told 0 when the printers cannot be listed.
    SupportedPrinters supported = FindSupportedPrinters(m_config);
    if (!WriteRegistryResult(keyPath, supported.listError == 0 ? supported.count : 0))
        ShowError(kRegistryWriteText);
    return false;
}

bool OptionProcessor::CheckConfiguration(const char*)
{
    RunConfigurationCheck(true);
    if (!CheckDownloadResources() || !CheckFaxResources())
        ShowMissingFile();
    return false;
}

bool OptionProcessor::SetFlagB(const char*)
{
    m_options.bFlagB = true;
    return true;
}

bool OptionProcessor::SetFlagC(const char*)
{
    m_options.bFlagC = true;
    return true;
}

bool OptionProcessor::Ignore(const char*) { return true; }

// A printer that is not installed leaves `found` empty and counts as not given.
bool OptionProcessor::LookUpPrinter(const char* printer, PrinterInfo& found)
{
    if (printer == nullptr)
        return Fail(kMissingParameterText);
    CPrinterList printers;
    found = printers.FindByName(printer);
    if (!found.IsEmpty() && !m_config.IsLoaded())
        return Fail(kMissingFileText);
    return true;
}

bool OptionProcessor::SetDownloadPrinter(const char* printer)
{
    PrinterInfo found;
    if (!LookUpPrinter(printer, found))
        return false;
    if (found.IsEmpty())
        return true;
    if (m_config.FindDriver(found.GetDriverName()) != 0)
        m_options.pszDownloadPrinter = printer;
    if (m_config.FindDriverAndModel(found.GetDriverName()) != 0)
        m_options.bDownloadPrinterIsFax = true;
    return true;
}

bool OptionProcessor::SetFaxPrinter(const char* printer)
{
    PrinterInfo found;
    if (!LookUpPrinter(printer, found))
        return false;
    if (!found.IsEmpty() && m_config.FindDriverAndModel(found.GetDriverName()) != 0)
        m_options.pszFaxPrinter = printer;
    return true;
}

bool OptionProcessor::ValidateLanguage(const char* language, const char*& target)
{
    if (!HasValueAndConfig(language))
        return false;
    if (m_config.FindLanguage(language) == 0)
        return Fail(kIncorrectParameterText);
    target = language;
    return true;
}

bool OptionProcessor::SetDownloadLanguage(const char* language)
{
    return ValidateLanguage(language, m_options.pszDownloadLanguage);
}

bool OptionProcessor::SetFaxLanguage(const char* language)
{
    return ValidateLanguage(language, m_options.pszFaxLanguage);
}

bool OptionProcessor::SetSkipIntroduction(const char*)
{
    m_options.bSkipIntroduction = true;
    return true;
}

bool OptionProcessor::SetCountryCode(const char* code)
{
    if (!HasValueAndConfig(code))
        return false;
    if (!m_config.FindCountryCode(code))
        return Fail(kIncorrectParameterText);
    m_options.pszCountryCode = code;
    return true;
}

bool OptionProcessor::SetTime(const char* time)
{
    if (time == nullptr)
        return Fail(kMissingParameterText);
    m_options.pszTime = time;
    return true;
}

bool OptionProcessor::SetFunction(const char* function)
{
    if (function == nullptr)
        return Fail(kMissingParameterText);
    if (strcmp(function, "1") != 0 && strcmp(function, "2") != 0 && strcmp(function, "3") != 0)
        return Fail(kIncorrectParameterText);
    m_options.pszFunction = function;
    return true;
}

bool OptionProcessor::SetSkipCountryCode(const char*)
{
    m_options.bSkipCountryCode = true;
    return !m_options.bSkipTime || Fail(kIncorrectParameterText);
}

bool OptionProcessor::SetSkipTime(const char*)
{
    m_options.bSkipTime = true;
    return !m_options.bSkipCountryCode || Fail(kIncorrectParameterText);
}
