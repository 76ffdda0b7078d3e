#pragma once
#include <cstddef>
#include <string>

// The panel language a printer holds, as its language file's header describes it.
struct PanelLanguage {
    std::string language, versionMin, versionMax, printer;
    std::size_t bytes = 0;

    // "JAPANESE 2.00–2.05 for LP5300, 123 456 bytes"
    std::string Description() const;
};

// Checks the header of a downloaded language file the way the product does; RESULT_OK and
// `panel` filled, or the check's result code and `panel` untouched.
int ReadPanelLanguage(const std::string& file, PanelLanguage& panel);
