#include "DisplayLanguageCheck.h"

#include <mbstring.h>

#include <new>
#include <string>
#include <vector>

#include "CommaList.h"
#include "FormatText.h"
#include "IniConfig.h"
#include "LanguageFileHeader.h"
#include "LanguageFilePath.h"
#include "ReportSink.h"
#include "ReportTexts.h"
#include "ReportValue.h"

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

// What one language file gives the report: its fault messages, written as they are found, and
// the end of its summary line.
struct FileFindings {
    std::vector<std::string> faults;
    std::string lineEnd;
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
    FileFindings CheckLanguageFile(const MachineValues& machine, const std::string& languageId,
                                   const std::string& path);
    FileFindings ReadFailure(int result, const std::string& path, const std::string& id);
    FileFindings CompareHeader(const MachineValues& machine, const std::string& languageId,
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
    m_strSummary +=
        ShownInReport(machine) + " : " + ShownInReport(UpToLastBackslash(dummyPath)) + kLineEnd;

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
    std::string line = ShownInReport(languageId);
    if (m_config.FindLanguage(languageId.c_str()) == 0) {
        unlisted.push_back(ShownInReport(languageId));
        return line + " LangID error" + kLineEnd;
    }
    std::string path;
    if (!GetLanguageFilePath(m_config, machine.name, languageId, path)) {
        Fault(kLanguageFilePathFailed);
        return line + " Failed to get file path" + kLineEnd;
    }

    line += " : " + ShownInReport(AfterLastBackslash(path)) + "\t";
    FileFindings findings;
    try {
        findings = CheckLanguageFile(machine, languageId, path);
    } catch (const std::bad_alloc&) {
        // A header whose values are too long to show cannot be reported as read.
        findings = ReadFailure(LNG_ERR_FILE, path, std::string());
    }
    for (const std::string& fault : findings.faults)
        Fault(fault);
    return line + findings.lineEnd;
}

FileFindings DisplayLanguageChecker::CheckLanguageFile(const MachineValues& machine,
                                                       const std::string& languageId,
                                                       const std::string& path)
{
    CLanguageFileHeader header;
    if (!header.Read(path.c_str()))
        return ReadFailure(header.GetResult(), path, header.GetId());
    return CompareHeader(machine, languageId, path, header);
}

FileFindings DisplayLanguageChecker::ReadFailure(int result, const std::string& path,
                                                 const std::string& id)
{
    const ReadFailureText& failure = ReadFailureFor(result);
    m_config.SetLastErrorCode(result);
    FileFindings findings;
    findings.faults.push_back(FormatText(failure.message, ShownInReport(path).c_str()));
    findings.lineEnd = FormatText(failure.lineEnd, ShownInReport(id).c_str()) + kLineEnd;
    return findings;
}

// The header's values against the configuration, each compared exactly.
FileFindings DisplayLanguageChecker::CompareHeader(const MachineValues& machine,
                                                   const std::string& languageId,
                                                   const std::string& path,
                                                   const CLanguageFileHeader& header)
{
    FileFindings findings;
    std::vector<std::string>& faults = findings.faults;
    const std::string shownPath = ShownInReport(path);

    const std::string version = header.GetVersion1Max();
    const std::string shownVersion = ShownInReport(version);
    std::string& line = findings.lineEnd;
    line = " : " + ShownInReport(header.GetVersion1Min()) + " - " + shownVersion;
    if (!machine.hasVersion) {
        faults.push_back(kLanguageVersionMissing);
        line += " not found";
    } else if (machine.version != version) {
        faults.push_back(FormatText(kHeaderVersionMismatch, shownPath.c_str(), shownVersion.c_str(),
                                    ShownInReport(machine.version).c_str()));
        line += " Version error";
    }

    const std::string language = header.GetLanguage();
    const std::string shownLanguage = ShownInReport(language);
    line += " : " + shownLanguage;
    std::string languageName, configured;
    m_config.GetLanguageName(languageId.c_str(), languageName);
    if (!m_config.GetHeaderLanguageName(languageName.c_str(), configured)) {
        faults.push_back(FormatText(kLanguageNameMissing, ShownInReport(languageName).c_str()));
        line += " not found";
    } else if (configured != language) {
        faults.push_back(FormatText(kHeaderLanguageMismatch, shownPath.c_str(),
                                    shownLanguage.c_str(), ShownInReport(configured).c_str()));
        line += " LanguageName error (" + ShownInReport(configured) + ")";
    }

    const std::string printer = header.GetPrinterModel();
    const std::string shownPrinter = ShownInReport(printer);
    line += " : " + shownPrinter;
    if (!machine.hasModelId) {
        faults.push_back(kModelIdMissing);
        line += " not found";
    } else if (machine.modelId != printer) {
        faults.push_back(FormatText(kHeaderModelMismatch, shownPath.c_str(), shownPrinter.c_str(),
                                    ShownInReport(machine.modelId).c_str()));
        line += " ModelID error (" + ShownInReport(machine.modelId) + ")";
    }

    line += (faults.empty() ? "\tSuccess" : "\tFailed") + std::string(kLineEnd);
    return findings;
}

}  // namespace

bool CheckDisplayLanguages(CIniConfig& config, CReportSink& report)
{
    return DisplayLanguageChecker(config, report).Run();
}
