#pragma once
#include <functional>
#include <string>

#include "PropertyPage.h"
#include "ResourceLibrary.h"
#include "SortableList.h"
#include "WizardSheet.h"

// What every page of the system's wizards does the same way: it dresses the sheet from its text
// and image libraries (title, button captions, side picture), posts the wizard buttons it keeps,
// records the direction of a page change, and runs its one sortable list, if it has one.
// A page adds its own steps through OnSetActive, OnNext and OnBack.
class CWizardPageBase : public CPropertyPage {
public:
    // `textLibraryPattern` is the wizard's "Resource\...%s.dll"; `language` fills it.
    CWizardPageBase(UINT templateId, const std::string& language, const char* textLibraryPattern,
                    int wizardButtons);
    ~CWizardPageBase() override;

    // The creator gives the first page of a run Next only.
    void SetWizardButtons(int buttons) { m_nWizardButtons = buttons; }
    int GetWizardButtons() const { return m_nWizardButtons; }

protected:
    // The page's text library and the image library, open for one step of the page. While it
    // lives the image library is the class library's resource module.
    class Libraries {
    public:
        explicit Libraries(const std::string& textLibraryPath);
        bool IsLoaded() const { return m_texts.IsLoaded() && m_images.IsLoaded(); }
        const CResourceLibrary& Texts() const { return m_texts; }
        const CResourceLibrary& Images() const { return m_images; }

    private:
        CResourceLibrary m_texts;
        CSwitchingResourceLibrary m_images;
    };

    // Which of the optional dressing items a page uses.
    struct Dressing {
        bool title = false;
        bool postButtons = false;
        bool backAndCancel = false;
        UINT nextCaption = 0;  // 0: Finish's caption when the state has Finish, else Next's
    };

    // False, with the sheet's result set, when a library is missing: the page then shows its
    // template's texts only.
    bool DressSheet(const Dressing& dressing);

    std::string TextLibraryPath() const;
    // One string of the page's text library; empty when the library or the string is missing.
    std::string LoadText(UINT id) const;

    HWND SheetWindow() const { return GetParent(GetSafeHwnd()); }
    CWizardSheet& Sheet() const { return *static_cast<CWizardSheet*>(GetSheet()); }
    void PostButtons(int state) const;
    // A page whose Next needs a choice posts its full state, then takes Next and Finish away
    // again while nothing is chosen.
    void PostButtonsForChoice(bool chosen) const;
    static int WithoutNextAndFinish(int state);
    // Selects the row a fill chose, whose selection change then takes it as the choice, and
    // offers Next; without a row (-1), Next stays away.
    void SelectChoice(HWND list, int row) const;
    // The activation of a page whose list offers the choice: the buttons for the choice the page
    // has, the dressing, then the list's fill, which takes Next away when it fails.
    void ActivateChoiceList(bool chosen, const std::function<bool()>& fill);
    // The driver the named printer has now, which may have changed since it was chosen. False,
    // with the sheet's result set, when the installed printers can't be read.
    bool FindCurrentDriver(const std::string& printerName, std::string& driver) const;

    // For a page whose own button is optional: the keyboard starts on the sheet's Next, which
    // stays the default button, so that Enter goes on instead of pressing the page's button.
    void FocusNextButton() const;

    // The last page of a run: Finish only, captioned as the text library says, and no Cancel.
    void ShowFinishOnly() const;
    // A note that names the choice after the text `prefixId`, or says `noneId` without one.
    void ShowChoiceNote(int controlId, UINT prefixId, UINT noneId,
                        const std::string& choice) const;

    // For a page that refuses its activation: moves the sheet on in the direction the user was
    // going; at either end, where there is no page beyond, back the way they came.
    void SkipToNeighbour() const;

    // Set the direction, then run the page's own step; 0 moves on, -1 stays.
    LRESULT OnWizardNext() final;
    LRESULT OnWizardBack() final;
    virtual LRESULT OnNext() { return 0; }
    virtual LRESULT OnBack() { return 0; }

    // The page's list that sorts on heading clicks and presses Next on a double click.
    void UseSortableList(CSortableList* list) { m_pSortableList = list; }
    void OnColumnClick(int controlId, const NMLISTVIEW& click) override;
    void OnDoubleClick(int controlId) override;
    // A list's selection changed; what else a list reports as changed (texts) is left out.
    virtual void OnSelectionChange(int) {}
    void OnItemChanged(int controlId, const NMLISTVIEW& change) final;

    const std::string m_strLanguage;
    int m_nWizardButtons;

private:
    void ShowSidePicture(const CResourceLibrary& images);
    SIZE FitSidePictureToPage(HWND picture) const;

    const char* m_pszTextLibraryPattern;
    HBITMAP m_hPicture = nullptr;
    CSortableList* m_pSortableList = nullptr;
};
