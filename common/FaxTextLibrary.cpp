#include "FaxTextLibrary.h"

#include "ResourceLibrary.h"
#include "TextSlot.h"

std::string FaxTextLibraryPath(const std::string& language)
{
    return FillTextSlot("Resource\\Pluvet%s.dll", language);
}

std::string FaxPageTextLibraryPath(const std::string& language)
{
    return language.empty() ? kDownloadTextLibraryPattern : FaxTextLibraryPath(language);
}
