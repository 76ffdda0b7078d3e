#include "ReportValue.h"

#include <stdio.h>

#include "CommandLine.h"

namespace {

// In the double-byte code pages neither half of a character is ever one of these bytes.
bool IsControlByte(unsigned char byte) { return byte < 0x20 || byte == 0x7F; }

void AppendEscaped(std::string& shown, unsigned char byte)
{
    char escaped[5];
    snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    shown += escaped;
}

}  // namespace

std::string ShownInReport(const std::string& value)
{
    std::string shown;
    for (size_t i = 0; i < value.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(value[i]);
        if (IsAnsiLeadByte(byte)) {
            if (i + 1 < value.size() && !IsControlByte(static_cast<unsigned char>(value[i + 1]))) {
                shown.append(value, i, 2);
                ++i;
            } else {
                AppendEscaped(shown, byte);
            }
        } else if (IsControlByte(byte)) {
            AppendEscaped(shown, byte);
        } else {
            shown += value[i];
        }
    }
    return shown;
}
