#pragma once
#include <string>

#include "WizardSheet.h"

// The fax-setup wizard: owns the choices its pages share and keeps the fax texts the source of
// page templates while it lives. The settings count as sent only once the confirmation page
// sent them (SetCompleted).
class FaxSetupManager : public CWizardSheet {
public:
    FaxSetupManager(const char* title, const std::string& language, HWND parent = nullptr,
                    UINT firstPage = 0);

    void SetPrinter(const std::string& name, const std::string& port, const std::string& driver);
    void GetPrinter(std::string& name, std::string& port, std::string& driver) const;
    void SetCountryCode(const std::string& code) { m_strCountryCode = code; }
    void SetCountryName(const std::string& name) { m_strCountryName = name; }
    void GetCountry(std::string& code, std::string& name) const;
    void SetTimeOffset(int seconds) { m_nTimeOffset = seconds; }
    int GetTimeOffset() const { return m_nTimeOffset; }
    void SetModel(const std::string& model) { m_strModelName = model; }
    const std::string& GetModel() const { return m_strModelName; }
    void SetCompleted(bool completed) { m_bCompleted = completed; }
    bool IsCompleted() const { return m_bCompleted; }
    void SetDaylightSaving(bool daylightSaving) { m_bDaylightSaving = daylightSaving; }
    bool GetDaylightSaving() const { return m_bDaylightSaving; }

private:
    std::string m_strPrinterName;
    std::string m_strPortName;
    std::string m_strDriverName;
    std::string m_strCountryCode;
    std::string m_strCountryName;
    int m_nTimeOffset = 0;
    std::string m_strModelName;
    bool m_bCompleted = false;
    bool m_bDaylightSaving = false;
};
