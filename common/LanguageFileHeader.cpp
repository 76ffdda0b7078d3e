#include "LanguageFileHeader.h"

#include <windows.h>

#include <algorithm>
#include <new>
#include <vector>

namespace {

int OpenFailureResult(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
        return LNG_ERR_NOT_FOUND;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_PATHNAME:
    case ERROR_INVALID_NAME:
    case ERROR_CURRENT_DIRECTORY:
        return LNG_ERR_PATH;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return LNG_ERR_ACCESS;
    default:
        return LNG_ERR_HARDWARE;
    }
}

bool ReadExactly(HANDLE file, void* buffer, DWORD size)
{
    DWORD read = 0;
    return ReadFile(file, buffer, size, &read, nullptr) && read == size;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_hFile(handle) {}
    ~FileHandle()
    {
        if (m_hFile != INVALID_HANDLE_VALUE)
            CloseHandle(m_hFile);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    HANDLE Get() const { return m_hFile; }

private:
    HANDLE m_hFile;
};

const std::uint32_t kPieceSize = 256 * 1024;

// Reads the values of a valid header from their places in the file. A value is as long as the
// file made it, so an allocation that fails means a header this process cannot hold.
int FetchValues(HANDLE file, const std::vector<CLanguageHeaderScanner::ValuePlace>& places,
                LanguageHeaderFields& fields)
{
    LanguageHeaderFields found;
    for (const CLanguageHeaderScanner::ValuePlace& place : places) {
        std::string& value = found.*place.field;
        try {
            value.resize(place.length);
        } catch (const std::bad_alloc&) {
            return LNG_ERR_FILE;
        }
        LARGE_INTEGER position;
        position.QuadPart = kLanguageHeaderOffset + place.offset;
        if (!SetFilePointerEx(file, position, nullptr, FILE_BEGIN) ||
            !ReadExactly(file, &value[0], place.length))
            return LNG_ERR_HARDWARE;
        for (char& c : value)
            c = static_cast<char>(c ^ 0xFF);
    }
    fields = std::move(found);
    return RESULT_OK;
}

}  // namespace

CLanguageFileHeader::CLanguageFileHeader() : m_nResult(LNG_ERR_NOT_READ) {}

bool CLanguageFileHeader::Read(const char* path)
{
    m_nResult = RESULT_OK;
    LanguageHeaderFields fields;
    if (!path || !*path)
        m_nResult = LNG_ERR_PARAMETER;
    else
        m_nResult = ReadHeader(path, fields);
    if (m_nResult != RESULT_OK)
        return false;
    m_fields = std::move(fields);
    return true;
}

int CLanguageFileHeader::ReadHeader(const char* path, LanguageHeaderFields& fields)
{
    // Others may read the file meanwhile, but one held open for writing is an access error.
    FileHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.Get() == INVALID_HANDLE_VALUE)
        return OpenFailureResult(GetLastError());

    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.Get(), &size))
        return LNG_ERR_HARDWARE;
    // The length travels as a 32-bit number (also in the print job's SIZE), so a larger file
    // cannot be a language file.
    if (size.QuadPart > 0xFFFFFFFFLL)
        return LNG_ERR_FILE;
    m_nFileLength = static_cast<unsigned>(size.QuadPart);

    unsigned char prefix[kLanguageHeaderOffset];
    std::uint32_t headerLength = 0;
    if (m_nFileLength < kLanguageHeaderOffset)
        return LNG_ERR_FILE;
    if (!ReadExactly(file.Get(), prefix, sizeof prefix))
        return LNG_ERR_HARDWARE;
    int result = CheckHeaderLength(m_nFileLength, prefix + 16, headerLength);
    if (result != RESULT_OK)
        return result;

    CLanguageHeaderScanner scanner;
    // The length field may claim far more than any header needs: read it piece by piece, and
    // no further than the outcome depends on.
    std::vector<unsigned char> piece(std::min<std::uint32_t>(headerLength, kPieceSize));
    for (std::uint32_t left = headerLength; left > 0;) {
        DWORD pieceSize = std::min<std::uint32_t>(left, kPieceSize);
        if (!ReadExactly(file.Get(), piece.data(), pieceSize))
            return LNG_ERR_HARDWARE;
        left -= pieceSize;
        if (!scanner.Feed(piece.data(), pieceSize))
            break;
    }
    result = scanner.Finish();
    if (result != RESULT_OK)
        return result;
    return FetchValues(file.Get(), scanner.ValuePlaces(), fields);
}
