#pragma once
#include <string>

#include "DownloadPage.h"

// The language file that the sheet's choices name: through the printer's driver when the
// configuration lists that driver, otherwise through the chosen model; by neither when the
// configuration can't be loaded or the sheet has no driver.
struct ChosenLanguageFile {
    enum Route { NONE, BY_DRIVER, BY_MODEL };

    Route route = NONE;
    std::string path;  // empty when the configuration names no file
};
ChosenLanguageFile FindChosenLanguageFile(const CLCDMessageDownloadManager& sheet);

// Shows the message version of the chosen language file, the picture of its folder, and a
// button that opens the language's web page when the configuration names one.
class CMessageVersionPage : public CDownloadPage {
public:
    explicit CMessageVersionPage(const std::string& language);
    ~CMessageVersionPage() override;

protected:
    BOOL OnSetActive() override;
    void OnClicked(int controlId) override;

private:
    void ShowLanguageFile();
    void ShowVersionImage(const std::string& languageFile, const CResourceLibrary& images);
    // The configured web address for the sheet's message language; empty when there is none.
    std::string WebLink() const;

    HBITMAP m_hVersionImage = nullptr;
};
