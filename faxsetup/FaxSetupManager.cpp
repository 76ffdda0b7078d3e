#include "FaxSetupManager.h"

#include "ResourcePaths.h"

FaxSetupManager::FaxSetupManager(const char* title, const std::string& language, HWND parent,
                                 UINT firstPage)
    : CWizardSheet(title, FaxPageTextLibraryPath(language), FaxPageTextLibraryPath(language),
                   parent, firstPage)
{
}

void FaxSetupManager::SetPrinter(const std::string& name, const std::string& port,
                                 const std::string& driver)
{
    m_strPrinterName = name;
    m_strPortName = port;
    m_strDriverName = driver;
}

void FaxSetupManager::GetPrinter(std::string& name, std::string& port, std::string& driver) const
{
    name = m_strPrinterName;
    port = m_strPortName;
    driver = m_strDriverName;
}

void FaxSetupManager::GetCountry(std::string& code, std::string& name) const
{
    code = m_strCountryCode;
    name = m_strCountryName;
}
