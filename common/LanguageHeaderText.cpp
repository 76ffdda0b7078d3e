#include "LanguageHeaderText.h"

#include <cstring>

namespace {

enum HeaderKey { KEY_ID, KEY_COPYRIGHT, KEY_FORMAT_VERSION, KEY_PRINTER, KEY_VERSION_MIN,
                 KEY_VERSION_MAX, KEY_LANGUAGE, KEY_TABLE_NUMBER, KEY_COUNT };

// Table order decides which key a line matches first.
const char* const kKeyNames[KEY_COUNT] = {"ID", "Copyright", "FormatVersion", "Printer",
                                          "version1Min", "version1Max", "Language", "TableNumber"};

const char kExpectedId[] = "Download Additional Message.";
const char kLineEnd[] = "\r\n";
const char kEndMarker[] = "EOT\r\n";

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The key names are plain ASCII, so a lead byte of a double-byte character never matches and a
// byte-wise comparison is safe for any code page.
bool EqualsIgnoringCase(const std::string& text, const char* name)
{
    if (text.size() != std::strlen(name))
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (LowerAscii(text[i]) != LowerAscii(name[i]))
            return false;
    return true;
}

int FindKey(const std::string& key)
{
    for (int k = 0; k < KEY_COUNT; ++k)
        if (EqualsIgnoringCase(key, kKeyNames[k]))
            return k;
    return -1;
}

bool AllDigits(const std::string& text)
{
    return text.find_first_not_of("0123456789") == std::string::npos;
}

// Digits, one full stop, then anything (the lower bound) or digits only (the upper bound).
bool IsVersion(const std::string& value, bool digitsAfterStop)
{
    std::size_t stop = value.find('.');
    if (stop == std::string::npos || stop == 0 || stop + 1 == value.size() ||
        value.find('.', stop + 1) != std::string::npos)
        return false;
    return AllDigits(value.substr(0, stop)) && (!digitsAfterStop || AllDigits(value.substr(stop + 1)));
}

bool IsValidValue(int key, const std::string& value)
{
    switch (key) {
    case KEY_ID:
        return value == kExpectedId;
    case KEY_VERSION_MIN:
        return IsVersion(value, false);
    case KEY_VERSION_MAX:
        return IsVersion(value, true);
    case KEY_TABLE_NUMBER:
        return value == "1" || value == "2";
    default:
        return true;  // any text; emptiness is rejected for every key before this
    }
}

}  // namespace

int CheckHeaderLength(std::uint32_t fileLength, const unsigned char lengthBytes[4],
                      std::uint32_t& headerLength)
{
    if (fileLength < kLanguageHeaderOffset)
        return LNG_ERR_FILE;
    std::uint32_t length = 0;
    for (int i = 0; i < 4; ++i)
        length = (length << 8) | lengthBytes[i];
    if (length == 0 || length > fileLength - kLanguageHeaderOffset)
        return LNG_ERR_FILE;
    headerLength = length;
    return RESULT_OK;
}

int ParseHeaderText(const unsigned char* stored, std::size_t size, LanguageHeaderFields& fields)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>(stored[i] ^ 0xFF);
    if (text.find(kEndMarker) == std::string::npos)
        return LNG_ERR_FILE;

    std::string values[KEY_COUNT];
    bool seen[KEY_COUNT] = {};
    // A text that starts with a blank line has no key lines at all.
    if (text.compare(0, 2, kLineEnd) != 0) {
        std::size_t lineStart = 0;
        while (text.compare(lineStart, 5, kEndMarker) != 0) {
            std::size_t lineEnd = text.find(kLineEnd, lineStart);
            if (lineEnd == std::string::npos || lineEnd == lineStart)
                return LNG_ERR_FILE;
            std::string line = text.substr(lineStart, lineEnd - lineStart);
            std::size_t tab = line.find('\t');
            if (tab == std::string::npos || tab == 0 || tab + 1 == line.size())
                return LNG_ERR_FILE;
            int key = FindKey(line.substr(0, tab));
            if (key < 0)
                return LNG_ERR_HEADER;
            if (seen[key])
                return LNG_ERR_PARAMETER;
            std::string value = line.substr(tab + 1);
            if (!IsValidValue(key, value))
                return LNG_ERR_ID;
            values[key] = value;
            seen[key] = true;
            lineStart = lineEnd + 2;
        }
        seen[KEY_TABLE_NUMBER] = true;  // optional: its absence leaves the number empty
    }
    for (bool keySeen : seen)
        if (!keySeen)
            return LNG_ERR_HEADER;

    fields.id = values[KEY_ID];
    fields.copyright = values[KEY_COPYRIGHT];
    fields.formatVersion = values[KEY_FORMAT_VERSION];
    fields.printer = values[KEY_PRINTER];
    fields.version1Min = values[KEY_VERSION_MIN];
    fields.version1Max = values[KEY_VERSION_MAX];
    fields.language = values[KEY_LANGUAGE];
    fields.tableNumber = values[KEY_TABLE_NUMBER];
    return RESULT_OK;
}
