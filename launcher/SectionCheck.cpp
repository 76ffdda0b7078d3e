#include "SectionCheck.h"

#include <string>
#include <vector>

#include "FormatText.h"
#include "IniConfig.h"
#include "ReportSink.h"
#include "ReportTexts.h"

using namespace report_text;

namespace {

// One entry of a section: its 0-based index, its 1-based number as reported, key and value.
struct Entry {
    int index;
    int n;
    const std::string& key;
    const std::string& value;
};

// Lookups that are not marked as ignoring case compare exactly.
bool HoldsExactly(const std::vector<std::string>& list, const std::string& text)
{
    for (const std::string& item : list) {
        if (item == text)
            return true;
    }
    return false;
}

class SectionChecker {
public:
    SectionChecker(CIniConfig& config, CReportSink& report) : m_config(config), m_report(report) {}

    bool Run();

private:
    using EntryTest = void (SectionChecker::*)(const Entry& entry);

    // A section whose keys and values are checked entry by entry.
    struct PairedListCheck {
        const char* header;
        const char* mismatch;  // the key count and the value count, each minus one
        IniSectionId section;
        EntryTest test;
    };

    static const PairedListCheck kMainChecks[];
    static const PairedListCheck kFaxMachineCheck;
    static const PairedListCheck kFaxDestinationCheck;
    static const PairedListCheck kDriverAndModelCheck;

    bool CheckPairedList(const PairedListCheck& check);
    bool CheckRevision();
    bool CheckFaxCompleteness();
    bool CheckFaxCountryCodes();
    void Begin(const char* header);
    bool End();
    void Fault(const std::string& text);
    void FaultWithoutLineEnd(const std::string& text);

    void CheckMachineIsModelValue(const Entry& entry);
    void LanguageVersionEntry(const Entry& entry);
    void DriversEntry(const Entry& entry);
    void ModelsEntry(const Entry& entry);
    void ModelIdEntry(const Entry& entry);
    void LanguageEntry(const Entry& entry);
    void LanguageNameEntry(const Entry& entry);
    void MachineLanguagesEntry(const Entry& entry);
    void MachineNamesEntry(const Entry& entry);
    void LocalizeNamesEntry(const Entry& entry);
    void LocalizeLanguagesEntry(const Entry& entry);
    void LinkEntry(const Entry& entry);
    void FaxMachineEntry(const Entry& entry);
    void FaxDestinationEntry(const Entry& entry);
    void DriverAndModelEntry(const Entry& entry);

    const IniSection& Section(IniSectionId id) const { return m_config.GetSection(id); }

    CIniConfig& m_config;
    CReportSink& m_report;
    bool m_bFaultFound = false;  // in the check that is running
};

const SectionChecker::PairedListCheck SectionChecker::kMainChecks[] = {
    {kLanguageVersionHeader, kLanguageVersionMismatch, SECTION_LANGUAGE_VERSION,
     &SectionChecker::LanguageVersionEntry},
    {kDriversHeader, kDriversMismatch, SECTION_DRIVERS, &SectionChecker::DriversEntry},
    {kModelsHeader, kModelsMismatch, SECTION_MODELS, &SectionChecker::ModelsEntry},
    {kModelIdHeader, kModelIdMismatch, SECTION_MODEL_ID, &SectionChecker::ModelIdEntry},
    {kLanguageHeader, kLanguageMismatch, SECTION_LANGUAGE, &SectionChecker::LanguageEntry},
    {kLanguageNameHeader, kLanguageNameMismatch, SECTION_LANGUAGE_NAME,
     &SectionChecker::LanguageNameEntry},
    {kMachineLanguagesHeader, kMachinesMismatch, SECTION_MACHINES,
     &SectionChecker::MachineLanguagesEntry},
    {kMachineNamesHeader, kMachinesMismatch, SECTION_MACHINES, &SectionChecker::MachineNamesEntry},
    {kLocalizeNamesHeader, kLocalizeMismatch, SECTION_LOCALIZE,
     &SectionChecker::LocalizeNamesEntry},
    {kLocalizeLanguagesHeader, kLocalizeMismatch, SECTION_LOCALIZE,
     &SectionChecker::LocalizeLanguagesEntry},
    {kLinkHeader, kLinkMismatch, SECTION_LINK, &SectionChecker::LinkEntry},
};

const SectionChecker::PairedListCheck SectionChecker::kFaxMachineCheck = {
    kFaxMachineHeader, kFaxMachineMismatch, SECTION_FAX_MACHINE, &SectionChecker::FaxMachineEntry};
const SectionChecker::PairedListCheck SectionChecker::kFaxDestinationCheck = {
    kFaxDestinationHeader, kFaxDestinationMismatch, SECTION_FAX_DESTINATION,
    &SectionChecker::FaxDestinationEntry};
const SectionChecker::PairedListCheck SectionChecker::kDriverAndModelCheck = {
    kDriverAndModelHeader, kDriverAndModelMismatch, SECTION_DRIVER_AND_MODEL,
    &SectionChecker::DriverAndModelEntry};

bool SectionChecker::Run()
{
    bool passed = CheckRevision();
    for (const PairedListCheck& check : kMainChecks)
        passed = CheckPairedList(check) && passed;
    passed = CheckFaxCompleteness() && passed;
    if (m_config.HasFaxMachine() && m_config.HasFaxDestination() && m_config.HasFaxCountryCode()) {
        passed = CheckPairedList(kFaxMachineCheck) && passed;
        passed = CheckPairedList(kFaxDestinationCheck) && passed;
        passed = CheckFaxCountryCodes() && passed;
    }
    return CheckPairedList(kDriverAndModelCheck) && passed;
}

void SectionChecker::Begin(const char* header)
{
    m_bFaultFound = false;
    m_report.WriteLine(header);
}

bool SectionChecker::End()
{
    m_report.WriteLine(kDone);
    m_report.WriteLine("");
    return !m_bFaultFound;
}

void SectionChecker::Fault(const std::string& text)
{
    m_bFaultFound = true;
    m_report.WriteLine(text);
}

void SectionChecker::FaultWithoutLineEnd(const std::string& text)
{
    m_bFaultFound = true;
    m_report.Write(text);
}

bool SectionChecker::CheckPairedList(const PairedListCheck& check)
{
    Begin(check.header);
    const IniSection& section = Section(check.section);
    if (section.keys.empty() || section.values.empty()) {
        Fault(kNoEntries);
    } else if (section.keys.size() != section.values.size()) {
        Fault(FormatText(check.mismatch, static_cast<int>(section.keys.size()) - 1,
                         static_cast<int>(section.values.size()) - 1));
    } else {
        for (int i = 0; i < static_cast<int>(section.keys.size()); ++i)
            (this->*check.test)({i, i + 1, section.keys[i], section.values[i]});
    }
    return End();
}

bool SectionChecker::CheckRevision()
{
    Begin(kRevisionHeader);
    std::string revision;
    if (!m_config.GetRevision(revision))
        Fault(kNoEntries);
    return End();
}

bool SectionChecker::CheckFaxCompleteness()
{
    int present = m_config.HasFaxMachine() + m_config.HasFaxDestination() +
                  m_config.HasFaxCountryCode();
    if (present == 0 || present == 3)
        return true;
    m_report.Write(kFaxIncomplete);
    return false;
}

bool SectionChecker::CheckFaxCountryCodes()
{
    Begin(kFaxCountryCodeHeader);
    const std::vector<std::string>& codes = Section(SECTION_FAX_COUNTRY_CODE).keys;
    if (codes.empty())
        Fault(kNoEntries);
    for (size_t i = 0; i < codes.size(); ++i) {
        if (codes[i].empty())
            Fault(FormatText(kFaxCountryCodeEmpty, static_cast<int>(i) + 1));
    }
    return End();
}

void SectionChecker::CheckMachineIsModelValue(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kMachineNameEmpty, entry.n));
    else if (!HoldsExactly(Section(SECTION_MODELS).values, entry.key))
        Fault(FormatText(kMachineNotAModelValue, entry.key.c_str()));
}

void SectionChecker::LanguageVersionEntry(const Entry& entry)
{
    CheckMachineIsModelValue(entry);
    if (entry.value.empty())
        Fault(FormatText(kLanguageVersionValueEmpty, entry.n, entry.key.c_str()));
}

void SectionChecker::ModelIdEntry(const Entry& entry)
{
    CheckMachineIsModelValue(entry);
    if (entry.value.empty())
        Fault(FormatText(kModelIdValueEmpty, entry.n, entry.key.c_str()));
}

void SectionChecker::DriversEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kDriverNameEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kDriverMachineEmpty, entry.n, entry.key.c_str()));
    if (!m_config.IsMachine(entry.value.c_str()))
        Fault(FormatText(kDriverMachineUnknown, entry.key.c_str(), entry.value.c_str()));
}

void SectionChecker::ModelsEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kModelNameEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kDriverMachineEmpty, entry.n, entry.key.c_str()));
    if (!m_config.IsMachine(entry.value.c_str()))
        Fault(FormatText(kModelMachineUnknown, entry.key.c_str(), entry.value.c_str()));
}

void SectionChecker::LanguageEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kLanguageIdEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kLanguageNameValueEmpty, entry.n, entry.key.c_str()));
    else if (!HoldsExactly(Section(SECTION_LANGUAGE_NAME).keys, entry.value))
        Fault(FormatText(kLanguageNameNotInLanguageName, entry.value.c_str()));
}

void SectionChecker::LanguageNameEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kLanguageNameKeyEmpty, entry.n));
    else if (!HoldsExactly(Section(SECTION_LANGUAGE).values, entry.key))
        Fault(FormatText(kLanguageNameNotInLanguage, entry.key.c_str()));
    if (entry.value.empty())
        Fault(FormatText(kHeaderLanguageNameEmpty, entry.n, entry.key.c_str()));
}

void SectionChecker::MachineLanguagesEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kMachineNameEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kMachineLanguageListEmpty, entry.n, entry.key.c_str()));
    std::string unknown;
    m_config.GetUnknownMachineLanguages(entry.index, unknown);
    if (!unknown.empty())
        Fault(FormatText(kMachineLanguagesUnknown, entry.key.c_str(), unknown.c_str()));
}

void SectionChecker::MachineNamesEntry(const Entry& entry)
{
    if (!m_config.IsDriverMachine(entry.key.c_str()))
        Fault(FormatText(kMachineNotADriverValue, entry.key.c_str()));
    if (!m_config.IsModelMachine(entry.key.c_str()))
        Fault(FormatText(kMachineNotAModelsValue, entry.key.c_str()));
}

void SectionChecker::LocalizeNamesEntry(const Entry& entry)
{
    if (entry.key != "Lomarel" && entry.key != "FaxSetup")
        Fault(FormatText(kInvalidApiName, entry.key.c_str()));
}

void SectionChecker::LocalizeLanguagesEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kApiNameEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kApiLanguageListEmpty, entry.n, entry.key.c_str()));
    std::string unknown;
    m_config.GetUnknownApiLanguages(entry.index, unknown);
    if (!unknown.empty())
        Fault(FormatText(kApiLanguagesUnknown, entry.key.c_str(), unknown.c_str()));
}

void SectionChecker::LinkEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kLanguageIdEmpty, entry.n));
    else if (!HoldsExactly(Section(SECTION_LANGUAGE).keys, entry.key))
        Fault(FormatText(kLinkLanguageNotInLanguage, entry.key.c_str()));
    if (entry.value.empty())
        Fault(FormatText(kLinkUrlEmpty, entry.n, entry.key.c_str()));
}

void SectionChecker::FaxMachineEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kFaxModelNameEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kFaxCountryListEmpty, entry.n, entry.key.c_str()));
    std::string unsupported;
    m_config.GetUnsupportedCountryCodes(entry.index, unsupported);
    if (!unsupported.empty())
        FaultWithoutLineEnd(FormatText(kFaxCountryCodesUnsupported, unsupported.c_str()));
}

void SectionChecker::FaxDestinationEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kFaxDestinationModelEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kFaxDestinationValueEmpty, entry.n, entry.key.c_str()));
}

void SectionChecker::DriverAndModelEntry(const Entry& entry)
{
    if (entry.key.empty())
        Fault(FormatText(kDriverAndModelDriverEmpty, entry.n));
    if (entry.value.empty())
        Fault(FormatText(kDriverAndModelModelEmpty, entry.n, entry.key.c_str()));
}

}  // namespace

bool CheckSections(CIniConfig& config, CReportSink& report)
{
    return SectionChecker(config, report).Run();
}
