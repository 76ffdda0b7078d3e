#include "ResourcePairTable.h"

#include "MultibyteText.h"

CResourcePairTable::CResourcePairTable(const CResourceLibrary& texts, UINT keyFirst,
                                       UINT nameFirst)
    : m_texts(texts), m_nKeyFirst(keyFirst), m_nNameFirst(nameFirst)
{
}

int CResourcePairTable::FindKey(const std::string& key) const
{
    return Find(key, m_nKeyFirst);
}

int CResourcePairTable::FindName(const std::string& name) const
{
    return Find(name, m_nNameFirst);
}

std::string CResourcePairTable::Key(int position) const
{
    return m_texts.LoadText(m_nKeyFirst + position);
}

std::string CResourcePairTable::Name(int position) const
{
    return m_texts.LoadText(m_nNameFirst + position);
}

int CResourcePairTable::Find(const std::string& wanted, UINT first) const
{
    // One half of the table starts where the other would go on: it can't be longer.
    const int largest = m_nKeyFirst > m_nNameFirst ? m_nKeyFirst - m_nNameFirst
                                                   : m_nNameFirst - m_nKeyFirst;
    for (int k = 0; k < largest; ++k) {
        if (Key(k).empty())
            return -1;
        if (SameTextIgnoringCase(m_texts.LoadText(first + k).c_str(), wanted.c_str()))
            return k;
    }
    return -1;
}
