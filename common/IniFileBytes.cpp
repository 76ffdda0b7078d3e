#include "IniFileBytes.h"

#include <windows.h>

#include <vector>

namespace {

// Far more than the fourteen sections of 16 KiB of names and a value of 255 bytes per name can
// hold; the guard keeps a stray huge file from deciding an allocation.
const LONGLONG kLargestIniFile = 16 * 1024 * 1024;
const size_t kGrowthRead = 64 * 1024;

std::string WideToAnsi(const wchar_t* text, int length)
{
    int size = WideCharToMultiByte(CP_ACP, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string ansi(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, text, length, &ansi[0], size, nullptr, nullptr);
    return ansi;
}

// Text of that code page through UTF-16 into the ANSI code page. From the ANSI code page itself
// this is the round trip of the profile functions: a character that the code page spells two
// ways (as several of code page 932 are) comes back in one spelling, and a broken double-byte
// sequence as the code page's default character.
std::string ToAnsi(UINT codePage, const std::string& text)
{
    int length = static_cast<int>(text.size());
    int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::vector<wchar_t> wide(size > 0 ? size : 0);
    if (size > 0)
        MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), size);
    return WideToAnsi(wide.data(), size);
}

std::string Utf16ToAnsi(const std::string& utf16, bool bigEndian)
{
    std::vector<wchar_t> wide(utf16.size() / 2);
    for (size_t i = 0; i < wide.size(); ++i) {
        unsigned char first = utf16[2 * i];
        unsigned char second = utf16[2 * i + 1];
        wide[i] = static_cast<wchar_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    return WideToAnsi(wide.data(), static_cast<int>(wide.size()));
}

std::string InAnsi(const std::string& file)
{
    if (file.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return ToAnsi(CP_UTF8, file.substr(3));
    if (file.compare(0, 2, "\xFF\xFE") == 0)
        return Utf16ToAnsi(file.substr(2), false);
    if (file.compare(0, 2, "\xFE\xFF") == 0)
        return Utf16ToAnsi(file.substr(2), true);
    return ToAnsi(CP_ACP, file);
}

}  // namespace

bool ReadIniFileBytes(const std::string& path, std::string& bytes)
{
    bytes.clear();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart <= kLargestIniFile;
    // A byte more than the size, so that a file read whole ends its first read short; one that
    // grew since goes on being read to its end, and one that shrank reads as far as it now goes.
    size_t room = ok ? static_cast<size_t>(size.QuadPart) + 1 : 0;
    std::string content;
    while (ok) {
        size_t start = content.size();
        content.resize(start + room);
        DWORD read = 0;
        ok = ReadFile(file, &content[start], static_cast<DWORD>(room), &read, nullptr) != FALSE &&
             start + read <= static_cast<size_t>(kLargestIniFile);
        content.resize(start + read);
        if (read < room)
            break;
        room = kGrowthRead;
    }
    CloseHandle(file);
    if (ok)
        bytes = InAnsi(content);
    return ok;
}
