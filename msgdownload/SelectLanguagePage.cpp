#include "SelectLanguagePage.h"

#include "CommaList.h"
#include "DefaultLanguageKey.h"
#include "IniConfig.h"
#include "MessageLanguageTable.h"
#include "MultibyteText.h"
#include "ResourceIds.h"
#include "ResultCodes.h"
#include "SheetTitle.h"

namespace {

bool SameKey(const std::string& a, const std::string& b)
{
    return SameTextIgnoringCase(a.c_str(), b.c_str());
}

}  // namespace

CSelectLanguagePage::CSelectLanguagePage(const std::string& language)
    : CDownloadPage(IDD_SELECT_LANGUAGE_PAGE, language, PSWIZB_BACK | PSWIZB_NEXT),
      m_list(IDC_LANGUAGE_LIST, false)
{
    UseSortableList(&m_list);
}

BOOL CSelectLanguagePage::OnSetActive()
{
    ActivateChoiceList(!m_strMessageLanguage.empty(), [this] { return FillList(); });
    return CDownloadPage::OnSetActive();
}

bool CSelectLanguagePage::FillList()
{
    Libraries libraries(TextLibraryPath());
    if (!libraries.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return false;
    }
    const CResourceLibrary& texts = libraries.Texts();
    HWND list = GetDlgItem(IDC_LANGUAGE_LIST);
    m_list.ResetToOneColumn(list, texts.LoadText(IDS_MESSAGE_LANGUAGE_COLUMN));
    m_pairs.clear();

    CIniConfig config;
    std::string languages;
    if (!ReadMachineLanguages(config, languages))
        return false;
    std::string defaultKey;
    GetDefaultLanguageKey(config, defaultKey);
    const std::string& preferredKey = Manager().GetRequestedLanguage();

    // Rows go in only once every item has its pair, so a failed fill offers nothing to choose.
    CResourcePairTable table = MessageLanguageTable(texts);
    int chosen = -1;
    int preferred = -1;
    int fallback = -1;
    for (const std::string& key : SplitAtCommas(languages)) {
        std::string configName;
        if (!config.GetLanguageName(key.c_str(), configName)) {
            Sheet().SetResult(ERR_INI_MACHINE_LANGUAGE);
            return false;
        }
        int position = table.FindKey(key);
        LanguagePair pair{key, position >= 0 ? table.Name(position) : ""};
        // A row without a name could never be chosen.
        if (pair.name.empty()) {
            Sheet().SetResult(ERR_RESOURCE_LIBRARY);
            return false;
        }
        int row = static_cast<int>(m_pairs.size());
        m_pairs.push_back(pair);
        // A choice the machine no longer offers gives way to the preferred and default keys.
        if (!m_strMessageLanguage.empty() && SameKey(key, m_strMessageLanguage))
            chosen = row;
        if (SameKey(key, preferredKey))
            preferred = row;
        if (SameKey(key, defaultKey))
            fallback = row;
    }
    for (const LanguagePair& pair : m_pairs)
        m_list.AddRow(list, {pair.name});

    if (chosen < 0)
        chosen = m_pairs.size() == 1 ? 0 : (preferred >= 0 ? preferred : fallback);
    SelectChoice(list, chosen);
    return true;
}

bool CSelectLanguagePage::ReadMachineLanguages(CIniConfig& config, std::string& languages) const
{
    std::string printerName, portName, driverName;
    Manager().GetPrinter(printerName, portName, driverName);
    std::string driver;
    if (!FindCurrentDriver(printerName, driver))
        return false;
    bool byDriver = false;
    std::string model;
    if (config.GetLastErrorCode() == RESULT_OK && !driver.empty()) {
        byDriver = config.FindDriver(driver.c_str()) != 0;
        if (!byDriver)
            model = Manager().GetModelName();
    }
    if (!byDriver && model.empty()) {
        // An unlisted driver without a model leaves the configuration without an error to tell.
        int error = config.GetLastErrorCode();
        Sheet().SetResult(error != RESULT_OK ? error : ERR_INI_DRIVER);
        return false;
    }
    const char* owner = byDriver ? driver.c_str() : model.c_str();
    bool listed = byDriver
        ? config.HasDriverMachine(owner) > 0 && config.GetDriverLanguages(owner, languages)
        : config.HasModelMachine(owner) > 0 && config.GetModelLanguages(owner, languages);
    if (!listed)
        Sheet().SetResult(config.GetLastErrorCode());
    return listed;
}

void CSelectLanguagePage::OnSelectionChange(int controlId)
{
    if (controlId != IDC_LANGUAGE_LIST)
        return;
    HWND list = GetDlgItem(IDC_LANGUAGE_LIST);
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = CSortableList::SelectedRow(list);
    if (item.iItem < 0 || !ListView_GetItem(list, &item) || item.lParam < 0 ||
        static_cast<size_t>(item.lParam) >= m_pairs.size()) {
        PostButtons(WithoutNextAndFinish(m_nWizardButtons));
        return;
    }
    const LanguagePair& pair = m_pairs[item.lParam];
    m_strMessageLanguage = pair.key;
    m_strMessageLanguageName = pair.name;
    PostButtons(m_nWizardButtons);
}

LRESULT CSelectLanguagePage::OnNext()
{
    HandChoiceToSheet();
    return ConfirmRestrictedLanguage() ? 0 : -1;
}

LRESULT CSelectLanguagePage::OnBack()
{
    HandChoiceToSheet();
    return 0;
}

void CSelectLanguagePage::HandChoiceToSheet() const
{
    Manager().SetMessageLanguage(m_strMessageLanguage);
    Manager().SetMessageLanguageName(m_strMessageLanguageName);
}

bool CSelectLanguagePage::ConfirmRestrictedLanguage() const
{
    CIniConfig config;
    UINT question = 0;
    if (m_strMessageLanguage == "jpn" && config.IsPanelRestricted("JPN"))
        question = IDS_CONFIRM_JAPANESE_PANEL;
    else if (m_strMessageLanguage != "enu" && config.IsPanelRestricted("Other"))
        question = IDS_CONFIRM_OTHER_PANEL;
    else
        return true;

    CResourceLibrary texts;
    // Without its text the question can't be asked, and the language is not sent unasked.
    if (!texts.IsLoaded()) {
        Sheet().SetResult(ERR_RESOURCE_LIBRARY);
        return false;
    }
    int answer = ShowWizardMessage(GetSafeHwnd(), texts, question,
                                   MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2 |
                                       MB_SETFOREGROUND | MB_TOPMOST);
    return answer != IDNO;
}
