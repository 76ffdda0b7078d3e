#include "ChosenLanguageFile.h"

#include "IniConfig.h"
#include "ResultCodes.h"

ChosenLanguageFile FindChosenLanguageFile(const CLCDMessageDownloadManager& sheet)
{
    ChosenLanguageFile chosen;
    std::string printer, port, driver, language, languageName;
    sheet.GetPrinter(printer, port, driver);
    sheet.GetMessageLanguage(language, languageName);
    CIniConfig config;
    if (config.GetLastErrorCode() != RESULT_OK || driver.empty())
        return chosen;
    if (config.FindDriver(driver.c_str()) != 0) {
        chosen.route = ChosenLanguageFile::BY_DRIVER;
        config.GetDriverLanguageFile(driver.c_str(), language.c_str(), chosen.path);
    } else {
        chosen.route = ChosenLanguageFile::BY_MODEL;
        config.GetModelLanguageFile(sheet.GetModelName().c_str(), language.c_str(), chosen.path);
    }
    return chosen;
}
