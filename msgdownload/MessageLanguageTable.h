#pragma once
#include "ResourceIds.h"
#include "ResourcePairTable.h"

// The panel languages of a text library: the configuration key ("enu") and its display name.
inline CResourcePairTable MessageLanguageTable(const CResourceLibrary& texts)
{
    return CResourcePairTable(texts, IDS_MESSAGE_LANGUAGE_KEY_FIRST,
                              IDS_MESSAGE_LANGUAGE_NAME_FIRST);
}
