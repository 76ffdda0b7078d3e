#include "ConfigurationCheck.h"

#include <windows.h>

#include <string>

#include "DisplayLanguageCheck.h"
#include "FormatText.h"
#include "IniConfig.h"
#include "ModulePath.h"
#include "ReportSink.h"
#include "SectionCheck.h"

namespace {

const char kReportFileName[] = "error.log";

// Creates (or empties) the report beside the program; says why in a message box when it cannot.
bool OpenReport(CReportSink& report)
{
    std::string path;
    // A path that cannot be formed is one that would be too long.
    DWORD error = ERROR_FILENAME_EXCED_RANGE;
    if (GetPathBesideProgram(kReportFileName, path) && report.Open(path, error))
        return true;
    std::string text = FormatText("Can't open file %s, error = %u\n", path.c_str(),
                                  static_cast<unsigned>(error));
    MessageBoxA(nullptr, text.c_str(), nullptr, MB_SETFOREGROUND);
    return false;
}

}  // namespace

bool RunConfigurationCheck(bool withReport)
{
    CReportSink report;
    if (withReport && !OpenReport(report))
        return false;
    CIniConfig config;
    bool sectionsPassed = CheckSections(config, report);
    bool languagesPassed = CheckDisplayLanguages(config, report);
    return withReport || (sectionsPassed && languagesPassed);
}
