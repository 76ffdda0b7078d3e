#include "DisplayLanguageCheck.h"

#include <mbstring.h>

#include <string>
#include <vector>

#include "CommaList.h"
#include "FormatText.h"
#include "IniConfig.h"
#include "LanguageFileHeader.h"
#include "LanguageFilePath.h"
#include "ReportSink.h"
#include "ReportTexts.h"

using namespace report_text;

namespace {

// What a failed header read reports: a message filled with the path, and the end of the
// summary line (" %s ID error" is filled with the header's ID).
struct ReadFailureText {
    int result;
    const char* message;
    const char* lineEnd;
};

const ReadFailureText kReadFailures[] = {
    {LNG_ERR_HEADER, kLanguageFileHeaderIncomplete, " header error"},
    {LNG_ERR_ID, kLanguageFileWrongId, " %s ID error"},
    {LNG_ERR_PARAMETER, kLanguageFileBadParameter, " parameter error"},
    {LNG_ERR_NOT_FOUND, kLanguageFileNotFound, " not found"},
    {LNG_ERR_PATH, kLanguageFileBadPath, " path or drive not found"},
    {LNG_ERR_ACCESS, kLanguageFileAccessError, " access error"},
    {LNG_ERR_HARDWARE, kLanguageFileHardwareError, " hardware access error"},
};
const ReadFailureText kOtherReadFailure = {LNG_ERR_FILE, kLanguageFileInvalid, " file error"};

const ReadFailureText& ReadFailureFor(int result)
{
    for (const ReadFailureText& failure : kReadFailures) {
        if (failure.result == result)
            return failure;
    }
    return kOtherReadFailure;
}

const char kLineEnd[] = "\r\n";
const char kDummyLanguage[] = "dmy";  // forms a path whose folder is the machine's

// The position of the last backslash, multibyte-aware (a trail byte may look like one).
size_t LastBackslash(const std::string& path)
{
    const unsigned char* text = reinterpret_cast<const unsigned char*>(path.c_str());
    const unsigned char* found = _mbsrchr(text, '\\');
    return found ? static_cast<size_t>(found - text) : std::string::npos;
}

std::string UpToLastBackslash(const std::string& path)
{
    size_t position = LastBackslash(path);
    return position == std::string::npos ? path : path.substr(0, position);
}

std::string AfterLastBackslash(const std::string& path)
{
    size_t position = LastBackslash(path);
    return position == std::string::npos ? path : path.substr(position + 1);
}

// An empty item keeps its place: "a,,b" lists as "a, , b".
std::string JoinWithCommas(const std::vector<std::string>& items)
{
    std::string joined;
    for (size_t i = 0; i < items.size(); ++i)
        joined += (i == 0 ? "" : ", ") + items[i];
    return joined;
}

// What a machine's language files must say, looked up once per machine rather than once per file
// (each lookup walks the machines).
struct MachineValues {
    std::string name;
    bool hasVersion;
    std::string version;
    bool hasModelId;
    std::string modelId;
};

class DisplayLanguageChecker {
public:
    DisplayLanguageChecker(CIniConfig& config, CReportSink& report)
        : m_config(config), m_report(report)
    {
    }

    bool Run();

private:
    void CheckMachine(const std::string& machine, const std::string& languages);
    std::string CheckLanguage(const MachineValues& machine, const std::string& languageId,
                              std::vector<std::string>& unlisted);
    std::string CompareHeader(const MachineValues& machine, const std::string& languageId,
                              const std::string& path, const CLanguageFileHeader& header);
    void Fault(const std::string& text);

    CIniConfig& m_config;
    CReportSink& m_report;
    int m_nFaultCount = 0;
    std::string m_strSummary;  // written after every fault
};

bool DisplayLanguageChecker::Run()
{
    m_report.WriteLine(kDisplayLanguageHeader);
    const IniSection& machines = m_config.GetSection(SECTION_MACHINES);
    if (machines.keys.empty() || machines.values.empty()) {
        Fault(kMachinesMissing);
        return false;
    }
    if (machines.keys.size() != machines.values.size()) {
        Fault(FormatText(kMachinesCountMismatch, static_cast<int>(machines.keys.size()) - 1,
                         static_cast<int>(machines.values.size()) - 1));
        return false;
    }
    for (size_t i = 0; i < machines.keys.size(); ++i)
        CheckMachine(machines.keys[i], machines.values[i]);
    m_report.Write(kLineEnd);
    m_report.Write(m_strSummary);
    return m_nFaultCount == 0;
}

void DisplayLanguageChecker::Fault(const std::string& text)
{
    ++m_nFaultCount;
    m_report.WriteLine(text);
}

void DisplayLanguageChecker::CheckMachine(const std::string& machine, const std::string& languages)
{
    std::string dummyPath;
    GetLanguageFilePath(m_config, machine, kDummyLanguage, dummyPath);
    m_strSummary += machine + " : " + UpToLastBackslash(dummyPath) + kLineEnd;

    MachineValues values;
    values.name = machine;
    values.hasVersion = m_config.GetLanguageVersion(machine.c_str(), values.version);
    values.hasModelId = m_config.GetModelId(machine.c_str(), values.modelId);
    std::vector<std::string> unlisted;
    for (const std::string& languageId : SplitAtCommas(languages))
        m_strSummary += CheckLanguage(values, languageId, unlisted);
    m_strSummary += kLineEnd;
    if (!unlisted.empty())
        Fault(FormatText(kLanguageNameMissing, JoinWithCommas(unlisted).c_str()));
}

// Returns the language's summary line.
std::string DisplayLanguageChecker::CheckLanguage(const MachineValues& machine,
                                                  const std::string& languageId,
                                                  std::vector<std::string>& unlisted)
{
    std::string line = languageId;
    if (m_config.FindLanguage(languageId.c_str()) == 0) {
        unlisted.push_back(languageId);
        return line + " LangID error" + kLineEnd;
    }
    std::string path;
    if (!GetLanguageFilePath(m_config, machine.name, languageId, path)) {
        Fault(kLanguageFilePathFailed);
        return line + " Failed to get file path" + kLineEnd;
    }

    line += " : " + AfterLastBackslash(path) + "\t";
    CLanguageFileHeader header;
    if (!header.Read(path.c_str())) {
        const ReadFailureText& failure = ReadFailureFor(header.GetResult());
        m_config.SetLastErrorCode(header.GetResult());
        Fault(FormatText(failure.message, path.c_str()));
        return line + FormatText(failure.lineEnd, header.GetId().c_str()) + kLineEnd;
    }
    return line + CompareHeader(machine, languageId, path, header);
}

// The header's values against the configuration, each compared exactly.
std::string DisplayLanguageChecker::CompareHeader(const MachineValues& machine,
                                                  const std::string& languageId,
                                                  const std::string& path,
                                                  const CLanguageFileHeader& header)
{
    int faultsBefore = m_nFaultCount;

    const std::string version = header.GetVersion1Max();
    std::string line = " : " + header.GetVersion1Min() + " - " + version;
    if (!machine.hasVersion) {
        Fault(kLanguageVersionMissing);
        line += " not found";
    } else if (machine.version != version) {
        Fault(FormatText(kHeaderVersionMismatch, path.c_str(), version.c_str(),
                         machine.version.c_str()));
        line += " Version error";
    }

    const std::string language = header.GetLanguage();
    line += " : " + language;
    std::string languageName, configured;
    m_config.GetLanguageName(languageId.c_str(), languageName);
    if (!m_config.GetHeaderLanguageName(languageName.c_str(), configured)) {
        Fault(FormatText(kLanguageNameMissing, languageName.c_str()));
        line += " not found";
    } else if (configured != language) {
        Fault(FormatText(kHeaderLanguageMismatch, path.c_str(), language.c_str(),
                         configured.c_str()));
        line += " LanguageName error (" + configured + ")";
    }

    const std::string printer = header.GetPrinterModel();
    line += " : " + printer;
    if (!machine.hasModelId) {
        Fault(kModelIdMissing);
        line += " not found";
    } else if (machine.modelId != printer) {
        Fault(FormatText(kHeaderModelMismatch, path.c_str(), printer.c_str(),
                         machine.modelId.c_str()));
        line += " ModelID error (" + machine.modelId + ")";
    }

    return line + (m_nFaultCount == faultsBefore ? "\tSuccess" : "\tFailed") + kLineEnd;
}

}  // namespace

bool CheckDisplayLanguages(CIniConfig& config, CReportSink& report)
{
    return DisplayLanguageChecker(config, report).Run();
}
