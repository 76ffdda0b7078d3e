// The floor of the configuration check: opens every language file "<folder>\<machine>\*.lng",
// sizes it, reads its header bytes and closes it, and nothing else:
//   HeaderFloor.exe <folder>
// prints "files=<n>"; a file it cannot read so ends the run with 1.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const DWORD kLengthOffset = 16;  // the big-endian header length follows 16 leading bytes

bool ReadExactly(HANDLE file, void* buffer, DWORD size)
{
    DWORD read = 0;
    return ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

bool ReadHeaderBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size;
    unsigned char prefix[kLengthOffset + 4];
    bool read = GetFileSizeEx(file, &size) && ReadExactly(file, prefix, sizeof prefix);
    if (read) {
        DWORD length = 0;
        for (DWORD i = kLengthOffset; i < sizeof prefix; ++i)
            length = (length << 8) | prefix[i];
        read = length <= size.QuadPart;
        if (read) {
            std::vector<unsigned char> header(length);
            read = ReadExactly(file, header.data(), length);
        }
    }
    CloseHandle(file);
    return read;
}

// The names matching pattern, directories or files.
std::vector<std::string> Names(const std::string& pattern, bool directories)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        bool directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (directory == directories && found.cFileName[0] != '.')
            names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: HeaderFloor.exe <folder>\n");
        return 2;
    }
    std::string folder = std::string(argv[1]) + "\\";
    int files = 0;
    for (const std::string& machine : Names(folder + "*", true)) {
        for (const std::string& name : Names(folder + machine + "\\*.lng", false)) {
            if (!ReadHeaderBytes(folder + machine + "\\" + name)) {
                std::fprintf(stderr, "HeaderFloor: cannot read %s\\%s\n", machine.c_str(),
                             name.c_str());
                return 1;
            }
            ++files;
        }
    }
    std::printf("files=%d\n", files);
    return 0;
}
