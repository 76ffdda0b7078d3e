#include "ResourcePaths.h"

#include "TextSlot.h"

const char kDownloadTextLibraryPattern[] = "Resource\\Nivad%s.dll";
const char kFaxTextLibraryPattern[] = "Resource\\Pluvet%s.dll";
const char kImageLibraryPath[] = "Resource\\Sorbelt.dll";

std::string FaxTextLibraryPath(const std::string& language)
{
    return FillTextSlot(kFaxTextLibraryPattern, language);
}

std::string PageTextLibraryPath(const char* pattern, const std::string& language)
{
    return language.empty() ? kDownloadTextLibraryPattern : FillTextSlot(pattern, language);
}

std::string DownloadTextLibraryPath(const std::string& language)
{
    return PageTextLibraryPath(kDownloadTextLibraryPattern, language);
}

std::string FaxPageTextLibraryPath(const std::string& language)
{
    return PageTextLibraryPath(kFaxTextLibraryPattern, language);
}
