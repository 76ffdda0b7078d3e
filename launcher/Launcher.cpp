#include "Launcher.h"

#include "ArgumentList.h"
#include "ConfigurationCheck.h"
#include "ErrorMessages.h"
#include "FunctionRunner.h"
#include "IniConfig.h"
#include "OptionProcessor.h"
#include "UiLanguage.h"

int RunLauncher(const char* commandLine)
{
    ArgumentList arguments(commandLine);
    LaunchOptions options;
    {
        CIniConfig config;
        if (!OptionProcessor(config, options).Process(arguments))
            return 0;
    }

    // The checks and the functions work on a fresh view of the file.
    CIniConfig config;
    if (!RunConfigurationCheck(false) || !CheckDownloadResources() || !CheckFaxResources()) {
        ShowMissingFile();
        return 0;
    }
    return RunFunctions(options, config);
}
