#pragma once

// What the command line asked for. The texts point into the launcher's argument list.
struct LaunchOptions {
    const char* pszDownloadPrinter = nullptr;
    bool bDownloadPrinterIsFax = false;
    const char* pszDownloadLanguage = nullptr;
    bool bFlagB = false;
    bool bFlagC = false;
    const char* pszFaxPrinter = nullptr;
    const char* pszFaxLanguage = nullptr;
    const char* pszCountryCode = nullptr;
    const char* pszTime = nullptr;
    const char* pszFunction = nullptr;
    bool bSkipIntroduction = false;
    bool bSkipCountryCode = false;
    bool bSkipTime = false;
};
