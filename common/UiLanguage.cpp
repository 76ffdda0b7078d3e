#include "UiLanguage.h"

// Not built yet: the resource libraries do not exist so far, so there is nothing to check.
bool CheckDownloadResources() { return true; }
bool CheckFaxResources() { return true; }
