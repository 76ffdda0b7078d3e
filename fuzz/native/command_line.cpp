// Splits arbitrary text as a Japanese user's launcher would and checks the invariants every caller
// relies on.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include <string>

#include "CommandLine.h"

namespace {

// The lead bytes of code page 932, so that runs do not depend on the machine's code page.
bool IsCodePage932LeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Whether a blank in the text can end up inside an argument: through quotes, or as the second
// byte of a double-byte character.
bool CanKeepBlanks(const std::string& text)
{
    if (text.find('"') != std::string::npos)
        return true;
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (IsCodePage932LeadByte(static_cast<unsigned char>(text[i])) && text[++i] == ' ')
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    text = text.c_str();  // the launcher gets a zero-terminated command line

    char** arguments = nullptr;
    int count = SplitCommandLine(text.c_str(), &arguments, IsCodePage932LeadByte);
    if (count < 0)
        abort();  // the process heap does not run out here

    bool canKeepBlanks = CanKeepBlanks(text);
    size_t stored = 0;
    for (int i = 0; i < count; ++i) {
        size_t length = strlen(arguments[i]);
        // No argument holds a separator blank unless quotes or a double-byte character kept it,
        // and none can hold more bytes than the text had.
        if (length > text.size() || (memchr(arguments[i], ' ', length) && !canKeepBlanks))
            abort();
        stored += length;
    }
    if (stored > text.size())
        abort();
    FreeArguments(arguments, count);
    return 0;
}
