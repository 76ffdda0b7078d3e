#pragma once
#include <functional>
#include <string>

#include "PrintJob.h"
#include "WizardSheet.h"

// The message-download wizard: owns the choices its pages share, keeps the user-interface texts
// the source of page templates while it lives, and sends the jobs that end a download.
// Operations record their failure in the sheet's result (the last writer wins) and return false.
class CLCDMessageDownloadManager : public CWizardSheet {
public:
    CLCDMessageDownloadManager(const char* caption, const std::string& uiLanguage,
                               HWND parent = nullptr, UINT firstPage = 0);

    void SetPrinter(const std::string& name, const std::string& port, const std::string& driver);
    bool GetPrinter(std::string& name, std::string& port, std::string& driver) const;
    void SetUiLanguage(const std::string& language) { m_strUiLanguage = language; }
    const std::string& GetUiLanguage() const { return m_strUiLanguage; }
    void SetRequestedLanguage(const std::string& language) { m_strRequestedLanguage = language; }
    const std::string& GetRequestedLanguage() const { return m_strRequestedLanguage; }
    void SetMessageLanguage(const std::string& language) { m_strMessageLanguage = language; }
    void SetMessageLanguageName(const std::string& name) { m_strMessageLanguageName = name; }
    void GetMessageLanguage(std::string& language, std::string& name) const;
    void SetModelName(const std::string& model) { m_strModelName = model; }
    const std::string& GetModelName() const { return m_strModelName; }
    void SetStartMode(int mode) { m_nStartMode = mode; }
    int GetStartMode() const { return m_nStartMode; }

    // Sends the language file of `language` for the printer's driver (or for `model`) to the
    // printer, unless a download job is still queued there. The start mode is not used.
    bool DownloadByDriver(const char* pszPrinterName, const char* pszLanguage, int startMode);
    bool DownloadByModel(const char* pszPrinterName, const char* pszModel, const char* pszLanguage,
                         int startMode);
    // True when the queue could be read; `pending` then says whether a job of exactly that
    // document name is queued.
    bool CheckJobPending(const char* pszPrinterName, const char* pszDocumentName, bool& pending);
    // Asks the printer to print its menu map, unless such a job is still queued.
    bool PrintMenuMap(const char* pszPrinterName);

private:
    bool SendLanguageFile(const char* printerName, const std::string& path);
    // Sends a job through `send` under the document name of UI string `documentId`, unless a job
    // of that name is still queued (which counts as success).
    bool SendUnlessQueued(const char* printerName, UINT documentId,
                          const std::function<void(CPrintJob&, const char*)>& send);

    std::string m_strPortName;
    std::string m_strPrinterName;
    std::string m_strUiLanguage;
    std::string m_strRequestedLanguage;
    int m_nStartMode = 0;
    std::string m_strMessageLanguage;
    std::string m_strMessageLanguageName;
    std::string m_strDriverName;
    std::string m_strModelName;
};
