#include "FaxSelectCountryCodePage.h"

#include <vector>

#include "CommaList.h"
#include "FaxCountryTable.h"
#include "IniConfig.h"
#include "MultibyteText.h"
#include "ResourceIds.h"
#include "ResultCodes.h"

namespace {

bool SameCode(const std::string& a, const std::string& b)
{
    return !a.empty() && SameTextIgnoringCase(a.c_str(), b.c_str());
}

// The country table comes from the fax texts even without a language: the loader then fills
// the pattern's "%s" itself.
std::string CountryTablePath(const std::string& language)
{
    return language.empty() ? kFaxTextLibraryPattern : FaxTextLibraryPath(language);
}

}  // namespace

FaxSelectCountryCodePage::FaxSelectCountryCodePage(const std::string& language)
    : FaxPage(IDD_FAX_COUNTRY_CODE_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT),
      m_list(IDC_COUNTRY_LIST, false)
{
    UseSortableList(&m_list);
}

BOOL FaxSelectCountryCodePage::OnSetActive()
{
    ActivateChoiceList(!m_strSelectedCode.empty(), [this] { return FillList(); });
    return FaxPage::OnSetActive();
}

bool FaxSelectCountryCodePage::FillList()
{
    CResourceLibrary texts(TextLibraryPath().c_str());
    CResourceLibrary countries(CountryTablePath(m_strLanguage).c_str());
    if (!texts.IsLoaded() || !countries.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return false;
    }
    HWND list = GetDlgItem(IDC_COUNTRY_LIST);
    m_list.ResetToOneColumn(list, texts.LoadText(IDS_FAX_COUNTRY_COLUMN));

    CIniConfig config;
    std::string model, codes, destination;
    if (!ReadFaxModel(config, model))
        return false;
    if (config.GetFaxCountryList(model.c_str(), codes) == 0) {
        Sheet().SetResult(config.GetLastErrorCode());
        return false;
    }
    std::string sheetCode, sheetName;
    Manager().GetCountry(sheetCode, sheetName);
    config.GetFaxDestination(model.c_str(), destination);
    size_t slash = destination.find('/');
    if (slash == std::string::npos) {
        Sheet().SetResult(ERR_NO_DESTINATION);
        return false;
    }
    std::string destinationCode = destination.substr(slash + 1);

    // Rows go in only once every code has its name, so a failed fill offers nothing to pick.
    CResourcePairTable table = FaxCountryTable(countries);
    std::vector<int> positions;
    for (const std::string& code : SplitAtCommas(codes)) {
        int position = table.FindKey(code);
        if (position < 0) {
            Sheet().SetResult(ERR_RESOURCE_LIBRARY);
            return false;
        }
        positions.push_back(position);
    }
    int saved = -1, bySheet = -1, byDestination = -1;
    for (int row = 0; row < static_cast<int>(positions.size()); ++row) {
        std::string code = table.Key(positions[row]);
        m_list.AddRow(list, {table.Name(positions[row])});
        if (SameCode(m_strSelectedCode, code))
            saved = row;
        if (SameCode(sheetCode, code))
            bySheet = row;
        if (SameCode(destinationCode, code))
            byDestination = row;
    }

    // A pick the model no longer offers gives way as if there had been none.
    int chosen = saved;
    if (chosen < 0) {
        m_strSelectedCode.clear();
        m_strSelectedName.clear();
        if (positions.size() == 1)
            chosen = 0;
        if (bySheet >= 0)
            chosen = bySheet;
        else if (byDestination >= 0)
            chosen = byDestination;
    }
    SelectChoice(list, chosen);
    return true;
}

// The model the printer's driver names, else the one picked on the model page.
bool FaxSelectCountryCodePage::ReadFaxModel(CIniConfig& config, std::string& model) const
{
    std::string printerName, portName, driverName;
    Manager().GetPrinter(printerName, portName, driverName);
    std::string driver;
    if (!FindCurrentDriver(printerName, driver))
        return false;
    if (config.GetLastErrorCode() == RESULT_OK && !driver.empty()) {
        if (config.FindDriverAndModel(driver.c_str()) != 0)
            config.GetModelForDriver(driver.c_str(), model);
        else
            model = Manager().GetModel();
    }
    if (model.empty()) {
        // An empty driver, or a listed one naming no model, leaves no error to tell.
        int error = config.GetLastErrorCode();
        Sheet().SetResult(error != RESULT_OK ? error : ERR_INI_DRIVER);
        return false;
    }
    return true;
}

void FaxSelectCountryCodePage::OnSelectionChange(int controlId)
{
    if (controlId != IDC_COUNTRY_LIST)
        return;
    HWND list = GetDlgItem(IDC_COUNTRY_LIST);
    std::string name = CSortableList::CellText(list, CSortableList::SelectedRow(list), 0);
    if (name.empty()) {
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
    } else {
        CResourceLibrary countries(CountryTablePath(m_strLanguage).c_str());
        if (!countries.IsLoaded()) {
            Sheet().SetResult(ERR_RESOURCE_LIBRARY);
            return;
        }
        CResourcePairTable table = FaxCountryTable(countries);
        int position = table.FindName(name);
        m_strSelectedCode = position >= 0 ? table.Key(position) : "";
        m_strSelectedName = position >= 0 ? table.Name(position) : "";
        PostButtons(m_nWizardButtons);
    }
    ShowChoiceNote(IDC_SELECTED_COUNTRY_NOTE, IDS_SELECTED_COUNTRY_PREFIX, IDS_NO_COUNTRY_SELECTED,
                   name.empty() ? "" : m_strSelectedName);
}

LRESULT FaxSelectCountryCodePage::OnNext()
{
    SaveChoice();
    return 0;
}

LRESULT FaxSelectCountryCodePage::OnBack()
{
    SaveChoice();
    return 0;
}

void FaxSelectCountryCodePage::SaveChoice() const
{
    Manager().SetCountryCode(m_strSelectedCode);
    Manager().SetCountryName(m_strSelectedName);
}
