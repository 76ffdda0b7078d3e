#include "PositionalText.h"

#include <string.h>

const char kFirstPlaceholder[] = "%1$s";
const char kSecondPlaceholder[] = "%2$s";

bool HasPlaceholder(const std::string& format, const char* placeholder)
{
    return format.find(placeholder) != std::string::npos;
}

std::string FillPositionalText(const std::string& format, const std::string& first,
                               const std::string& second)
{
    const size_t placeholderLength = strlen(kFirstPlaceholder);
    std::string text;
    size_t copied = 0;
    size_t percent = format.find('%');
    while (percent != std::string::npos) {
        const std::string* value = nullptr;
        if (format.compare(percent, placeholderLength, kFirstPlaceholder) == 0)
            value = &first;
        else if (format.compare(percent, placeholderLength, kSecondPlaceholder) == 0)
            value = &second;
        if (value == nullptr) {
            percent = format.find('%', percent + 1);
            continue;
        }
        text.append(format, copied, percent - copied);
        text += *value;
        copied = percent + placeholderLength;
        percent = format.find('%', copied);
    }
    text.append(format, copied, std::string::npos);
    return text;
}
