#include "MessageLanguageTable.h"

#include "MultibyteText.h"
#include "ResourceIds.h"

namespace {

// The names start where the keys would go on: the table can't be longer.
const int kLargestTable = RESOURCE_PAIR_DISTANCE;

int FindPosition(const CResourceLibrary& texts, const std::string& wanted, UINT first)
{
    for (int k = 0; k < kLargestTable; ++k) {
        std::string key = MessageLanguageKey(texts, k);
        if (key.empty())
            return -1;
        if (SameTextIgnoringCase(texts.LoadText(first + k).c_str(), wanted.c_str()))
            return k;
    }
    return -1;
}

}  // namespace

int FindMessageLanguageKey(const CResourceLibrary& texts, const std::string& key)
{
    return FindPosition(texts, key, IDS_MESSAGE_LANGUAGE_KEY_FIRST);
}

int FindMessageLanguageName(const CResourceLibrary& texts, const std::string& name)
{
    return FindPosition(texts, name, IDS_MESSAGE_LANGUAGE_NAME_FIRST);
}

std::string MessageLanguageKey(const CResourceLibrary& texts, int position)
{
    return texts.LoadText(IDS_MESSAGE_LANGUAGE_KEY_FIRST + position);
}

std::string MessageLanguageName(const CResourceLibrary& texts, int position)
{
    return texts.LoadText(IDS_MESSAGE_LANGUAGE_NAME_FIRST + position);
}
