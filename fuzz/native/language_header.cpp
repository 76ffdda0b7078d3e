// Validates arbitrary bytes as a language file and checks what every reader of the header
// fields relies on.
#include <stdint.h>
#include <stdlib.h>

#include <string>

#include "LanguageHeaderText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < kLanguageHeaderOffset)
        return 0;  // the reader rejects these before looking at any byte
    uint32_t headerLength = 0;
    if (CheckHeaderLength(static_cast<uint32_t>(size), data + 16, headerLength) != RESULT_OK)
        return 0;
    if (headerLength > size - kLanguageHeaderOffset)
        abort();

    LanguageHeaderFields fields;
    fields.tableNumber = "untouched";
    const uint8_t* stored = data + kLanguageHeaderOffset;
    int result = ParseHeaderText(stored, headerLength, fields);
    // The file reader feeds the header in pieces: where they break must not matter.
    CLanguageHeaderScanner pieces;
    size_t split = data[0] % (headerLength + 1);
    if (pieces.Feed(stored, split))
        pieces.Feed(stored + split, headerLength - split);
    if (pieces.Finish() != result)
        abort();
    if (result != RESULT_OK) {
        if (fields.tableNumber != "untouched")
            abort();  // a rejected header must not leak partial values
        return 0;
    }
    if (fields.id != "Download Additional Message." || fields.copyright.empty() ||
        fields.formatVersion.empty() || fields.printer.empty() || fields.language.empty() ||
        fields.version1Min.find('.') == std::string::npos ||
        fields.version1Max.find_first_not_of("0123456789.") != std::string::npos ||
        !(fields.tableNumber.empty() || fields.tableNumber == "1" || fields.tableNumber == "2"))
        abort();
    return 0;
}
