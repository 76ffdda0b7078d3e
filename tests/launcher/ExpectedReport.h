#pragma once
#include <string>

// Expected parts of "error.log", written as they read (UTF-8); see ReadReport.
namespace expected_report {

const char kRevision[] = "[Revision] セクション チェック";
const char kLanguageVersion[] = "[LanguageVersion] セクション チェック";
const char kDrivers[] = "[Drivers] セクション チェック";
const char kModels[] = "[Models] セクション チェック";
const char kModelId[] = "[ModelID] セクション チェック";
const char kLanguage[] = "[Language] セクション";
const char kLanguageName[] = "[LanguageName] セクション チェック";
const char kMachineLanguages[] = "[Machines] セクション 言語識別子チェック";
const char kMachineNames[] = "[Machines] セクション 機種名チェック";
const char kLocalizeNames[] = "[Localize] セクション API名チェック";
const char kLocalizeLanguages[] = "[Localize] セクション 言語識別子チェック";
const char kLink[] = "[Link] セクション チェック";
const char kFaxMachine[] = "[Fax Machine] セクション チェック";
const char kFaxDestination[] = "[Fax Destination] セクション チェック";
const char kFaxCountryCode[] = "[Fax Country Code] セクション チェック";
const char kDriverAndModel[] = "[Driver And Model] セクション チェック";
const char kDisplayLanguages[] = "表示言語 チェック\r\n";

// One check's part: header, faults, "done." and an empty line.
inline std::string Block(const char* header, const std::string& faults = std::string())
{
    return std::string(header) + "\r\n" + faults + "done.\r\n\r\n";
}

// The section checks of a configuration that passes them all.
inline std::string CleanSections(bool withFax)
{
    std::string report;
    for (const char* header : {kRevision, kLanguageVersion, kDrivers, kModels, kModelId, kLanguage,
                               kLanguageName, kMachineLanguages, kMachineNames, kLocalizeNames,
                               kLocalizeLanguages, kLink})
        report += Block(header);
    if (withFax)
        report += Block(kFaxMachine) + Block(kFaxDestination) + Block(kFaxCountryCode);
    return report + Block(kDriverAndModel);
}

}  // namespace expected_report
