#pragma once
#include <string>
#include <vector>

#include "DownloadPage.h"
#include "SortableList.h"

class CIniConfig;

// Lists the panel languages of the printer's machine by their display names, preselects the
// earlier choice, else the language asked for, else the one of the user's locale, and has the
// user confirm a language that not every operator panel can show.
class CSelectLanguagePage : public CDownloadPage {
public:
    explicit CSelectLanguagePage(const std::string& language);

protected:
    BOOL OnSetActive() override;
    LRESULT OnNext() override;
    LRESULT OnBack() override;
    void OnSelectionChange(int controlId) override;

private:
    // A language key and its display name, as the text library pairs them.
    struct LanguagePair {
        std::string key;
        std::string name;
    };

    // False, with the sheet's result set, when the machine's languages can't be listed.
    bool FillList();
    // The comma-separated language keys of the sheet printer's machine, found by the driver the
    // spooler reports for it, or else by the sheet's model.
    bool ReadMachineLanguages(CIniConfig& config, std::string& languages) const;
    void HandChoiceToSheet() const;
    // False when the user declines a language that the configuration restricts.
    bool ConfirmRestrictedLanguage() const;

    std::string m_strMessageLanguage;
    std::string m_strMessageLanguageName;
    // The pair of every row, by the row's insertion number.
    std::vector<LanguagePair> m_pairs;
    CSortableList m_list;
};
