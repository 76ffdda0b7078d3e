// Fills arbitrary formats with arbitrary values and checks that only the two placeholders were
// replaced, each by its own value, and that no value was read as a format.
// Input: format, NUL, first value, NUL, second value.
#include <stdint.h>
#include <stdlib.h>

#include <string>

#include "PositionalText.h"

namespace {

size_t Count(const std::string& text, const std::string& placeholder)
{
    size_t count = 0;
    for (size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + placeholder.size()))
        ++count;
    return count;
}

std::string NextPart(const std::string& input, size_t& position)
{
    size_t end = input.find('\0', position);
    if (end == std::string::npos)
        end = input.size();
    std::string part = input.substr(position, end - position);
    position = end < input.size() ? end + 1 : end;
    return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string input(reinterpret_cast<const char*>(data), size);
    size_t position = 0;
    std::string format = NextPart(input, position);
    std::string first = NextPart(input, position);
    std::string second = NextPart(input, position);

    size_t firsts = Count(format, kFirstPlaceholder);
    size_t seconds = Count(format, kSecondPlaceholder);
    size_t placeholders = (firsts + seconds) * std::string(kFirstPlaceholder).size();
    // Each placeholder gives way to its own value, whatever the values hold.
    if (FillPositionalText(format, first, second).size() !=
            format.size() - placeholders + firsts * first.size() + seconds * second.size() ||
        FillPositionalText(format, second, first).size() !=
            format.size() - placeholders + firsts * second.size() + seconds * first.size())
        abort();
    if (firsts + seconds == 0 && FillPositionalText(format, first, second) != format)
        abort();
    if (HasPlaceholder(format, kFirstPlaceholder) != (firsts != 0) ||
        HasPlaceholder(format, kSecondPlaceholder) != (seconds != 0))
        abort();
    return 0;
}
