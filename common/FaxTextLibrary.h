#pragma once
#include <string>

// "Resource\Pluvet<language>.dll": the fax-setup and function-selection texts.
std::string FaxTextLibraryPath(const std::string& language);

// The texts a fax or chooser sheet or page opens: those of `language`; without a language, the
// message-download texts in the language the loader picks, as a default holder opens them.
std::string FaxPageTextLibraryPath(const std::string& language);
