#pragma once
#include <string>

// Where the resource-only libraries are, relative to the running program's folder.
// The message-download texts; the loader fills the "%s" with the language.
extern const char kDownloadTextLibraryPattern[];
// The fax-setup and function-selection texts; callers fill the "%s" with the language.
extern const char kFaxTextLibraryPattern[];
// The images shared by every wizard.
extern const char kImageLibraryPath[];

// "Resource\Pluvet<language>.dll".
std::string FaxTextLibraryPath(const std::string& language);

// The texts a wizard sheet or page opens: `pattern` filled with `language`; without a language,
// the message-download texts in the language the loader picks, as a default holder opens them.
std::string PageTextLibraryPath(const char* pattern, const std::string& language);
std::string DownloadTextLibraryPath(const std::string& language);
std::string FaxPageTextLibraryPath(const std::string& language);
