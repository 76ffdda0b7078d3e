#pragma once
#include <string>

#include "DownloadPage.h"

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
