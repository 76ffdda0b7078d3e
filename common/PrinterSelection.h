#pragma once
#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include <string>

// The printer one library chose, handed by the launcher to the next library. Texts are
// zero-terminated ANSI in fixed fields of 50 bytes; the layout is shared by every deliverable.
const size_t kPrinterSelectionTextSize = 50;

struct PRINTER_SELECTION {
    char szPrinterName[kPrinterSelectionTextSize];
    char szDriverName[kPrinterSelectionTextSize];
    char szPortName[kPrinterSelectionTextSize];
    char szModelName[kPrinterSelectionTextSize];
    int32_t bValid;  // 1 when the fax setup filled the record
};

static_assert(sizeof(PRINTER_SELECTION) == 204, "the record is 204 bytes on every build");
static_assert(offsetof(PRINTER_SELECTION, bValid) == 200, "the flag follows the four texts");

// A text field of the record, read only within its 50 bytes, terminated or not.
inline std::string SelectionFieldText(const char (&field)[kPrinterSelectionTextSize])
{
    return std::string(field, strnlen(field, kPrinterSelectionTextSize));
}
