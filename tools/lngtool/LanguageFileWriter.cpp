#include "LanguageFileWriter.h"

namespace {

// The leading block is the printer's business; ours marks the demo files recognisably.
const char kLeadingBlock[16] = {'L', 'O', 'M', 'A', 'R', 'E', 'L', ' ', 'P', 'A', 'N', 'E', 'L', 0, 0, 1};

}  // namespace

std::string BuildLanguageFileFromText(const std::string& headerText, const std::string& payload)
{
    std::string file(kLeadingBlock, sizeof kLeadingBlock);
    const std::size_t length = headerText.size();
    for (int shift = 24; shift >= 0; shift -= 8)
        file += static_cast<char>((length >> shift) & 0xFF);
    for (char c : headerText)
        file += static_cast<char>(~c);
    return file + payload;
}

std::string BuildLanguageFile(const HeaderLines& lines, const std::string& payload)
{
    std::string text;
    for (const auto& line : lines)
        text += line.first + "\t" + line.second + "\r\n";
    return BuildLanguageFileFromText(text + "EOT\r\n", payload);
}

HeaderLines StandardHeader(const std::string& printer, const std::string& language,
                           const std::string& version1Min, const std::string& version1Max)
{
    return {{"ID", "Download Additional Message."},
            {"Copyright", "Copyright (C) 2026 Lomarel"},
            {"FormatVersion", "1.0"},
            {"Printer", printer},
            {"version1Min", version1Min},
            {"version1Max", version1Max},
            {"Language", language},
            {"TableNumber", "1"}};
}
