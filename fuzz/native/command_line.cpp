// Splits arbitrary text and checks the invariants every caller relies on.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str();  // the launcher gets a zero-terminated command line

    char** arguments = nullptr;
    int count = SplitCommandLine(text.c_str(), &arguments);
    if (count < 0)
        abort();  // the process heap does not run out here

    size_t stored = 0;
    for (int i = 0; i < count; ++i) {
        size_t length = strlen(arguments[i]);
        // No argument holds a separator blank unless it came from quotes, and none can
        // hold more bytes than the text had.
        if (length > text.size() || (memchr(arguments[i], ' ', length) && !strchr(text.c_str(), '"')))
            abort();
        stored += length;
    }
    if (stored > text.size())
        abort();
    FreeArguments(arguments, count);
    return 0;
}
