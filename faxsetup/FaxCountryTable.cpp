#include "FaxCountryTable.h"

#include "MultibyteText.h"
#include "ResourceIds.h"

namespace {

// The names start where the codes would go on: the table can't be longer.
const int kLargestTable = RESOURCE_PAIR_DISTANCE;

int FindPosition(const CResourceLibrary& texts, const std::string& wanted, UINT first)
{
    for (int k = 0; k < kLargestTable; ++k) {
        if (FaxCountryCode(texts, k).empty())
            return -1;
        if (SameTextIgnoringCase(texts.LoadText(first + k).c_str(), wanted.c_str()))
            return k;
    }
    return -1;
}

}  // namespace

int FindFaxCountryCode(const CResourceLibrary& texts, const std::string& code)
{
    return FindPosition(texts, code, IDS_FAX_COUNTRY_CODE_FIRST);
}

int FindFaxCountryName(const CResourceLibrary& texts, const std::string& name)
{
    return FindPosition(texts, name, IDS_FAX_COUNTRY_NAME_FIRST);
}

std::string FaxCountryCode(const CResourceLibrary& texts, int position)
{
    return texts.LoadText(IDS_FAX_COUNTRY_CODE_FIRST + position);
}

std::string FaxCountryName(const CResourceLibrary& texts, int position)
{
    return texts.LoadText(IDS_FAX_COUNTRY_NAME_FIRST + position);
}
