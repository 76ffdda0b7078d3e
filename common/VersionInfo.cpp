#include "VersionInfo.h"

#include <windows.h>
#include <stdio.h>
#include <string.h>

namespace {

// Value names of the version resource, indexed like CVersionInfo::Key.
const char* const kKeyNames[] = {
    "Comments",       "InternalName",    "ProductName",     "CompanyName",
    "LegalCopyright", "ProductVersion",  "FileDescription", "LegalTrademarks",
    "PrivateBuild",   "FileVersion",     "OriginalFilename", "SpecialBuild",
};

// One entry of the translation table: language and code page.
struct Translation {
    WORD language;
    WORD codePage;
};

}  // namespace

CVersionInfo::CVersionInfo(const char* path) { Read(path); }

void CVersionInfo::Read(const char* path)
{
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path, &handle);
    if (size == 0)
        return;
    void* block = LocalAlloc(LPTR, size);
    if (block == nullptr)
        return;
    if (GetFileVersionInfoA(path, 0, size, block))
        ReadStrings(block, size);
    LocalFree(block);
}

// Every translation in turn overwrites every text, so the last one in the table decides them all.
void CVersionInfo::ReadStrings(const void* block, unsigned long size)
{
    const char* blockStart = static_cast<const char*>(block);
    const char* blockEnd = blockStart + size;
    static_assert(sizeof kKeyNames / sizeof kKeyNames[0] == KEY_COUNT, "one name per key");
    Translation* table = nullptr;
    UINT tableSize = 0;
    if (!VerQueryValueA(block, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&table),
                        &tableSize))
        return;
    for (UINT entry = 0; entry < tableSize / sizeof(Translation); ++entry) {
        for (int key = 0; key < KEY_COUNT; ++key) {
            char query[64];
            snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", table[entry].language,
                     table[entry].codePage, kKeyNames[key]);
            char* value = nullptr;
            UINT length = 0;
            // A damaged resource need not end its text: none is read past the block.
            if (VerQueryValueA(block, query, reinterpret_cast<void**>(&value), &length) &&
                value >= blockStart && value < blockEnd)
                m_strTexts[key].assign(value, strnlen(value, blockEnd - value));
            else
                m_strTexts[key].clear();
        }
    }
}
