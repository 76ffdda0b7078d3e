#pragma once
#include <windows.h>

#include <string>

#include "ResourceLibrary.h"

// A table of text pairs in a resource library: the key of position k at string keyFirst + k and
// its display name at nameFirst + k. The first missing or empty key ends the table.
class CResourcePairTable {
public:
    CResourcePairTable(const CResourceLibrary& texts, UINT keyFirst, UINT nameFirst);

    // The position of `key` (case ignored), or -1 when the table lacks it.
    int FindKey(const std::string& key) const;
    // The position whose display name is `name` (case ignored), or -1.
    int FindName(const std::string& name) const;
    std::string Key(int position) const;
    std::string Name(int position) const;

private:
    int Find(const std::string& wanted, UINT first) const;

    const CResourceLibrary& m_texts;
    UINT m_nKeyFirst;
    UINT m_nNameFirst;
};
