#include "PanelLanguage.h"

#include <cstdint>

#include "LanguageHeaderText.h"
#include "PrinterText.h"

namespace {

// A header value may hold any byte but a line end pair; the log and the state file keep one
// setting a line.
std::string OneLine(std::string value)
{
    for (char& c : value)
        if (c == '\r' || c == '\n')
            c = ' ';
    return value;
}

}  // namespace

std::string PanelLanguage::Description() const
{
    return language + " " + versionMin + "\u2013" + versionMax + " for " + printer + ", " +
           GroupedDigits(bytes) + " bytes";
}

int ReadPanelLanguage(const std::string& file, PanelLanguage& panel)
{
    // Shorter files have no length field to hand over; longer ones no 32-bit length.
    if (file.size() < kLanguageHeaderOffset || file.size() > UINT32_MAX)
        return LNG_ERR_FILE;
    const auto* bytes = reinterpret_cast<const unsigned char*>(file.data());
    std::uint32_t headerLength = 0;
    int result =
        CheckHeaderLength(static_cast<std::uint32_t>(file.size()), bytes + 16, headerLength);
    LanguageHeaderFields fields;
    if (result == RESULT_OK)
        result = ParseHeaderText(bytes + kLanguageHeaderOffset, headerLength, fields);
    if (result != RESULT_OK)
        return result;
    panel.language = OneLine(fields.language);
    panel.versionMin = OneLine(fields.version1Min);
    panel.versionMax = OneLine(fields.version1Max);
    panel.printer = OneLine(fields.printer);
    panel.bytes = file.size();
    return RESULT_OK;
}
