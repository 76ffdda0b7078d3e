#pragma once
#include "ResourceIds.h"
#include "ResourcePairTable.h"

// The fax countries of a text library: the code the printer knows ("81") and its display name.
inline CResourcePairTable FaxCountryTable(const CResourceLibrary& texts)
{
    return CResourcePairTable(texts, IDS_FAX_COUNTRY_CODE_FIRST, IDS_FAX_COUNTRY_NAME_FIRST);
}
