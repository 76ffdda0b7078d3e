#include "CommaList.h"

#include <algorithm>

std::vector<std::string> SplitAtCommas(const std::string& list)
{
    std::vector<std::string> items;
    size_t start = 0;
    for (size_t comma; (comma = list.find(',', start)) != std::string::npos; start = comma + 1)
        items.push_back(list.substr(start, comma - start));
    items.push_back(list.substr(start));
    return items;
}

bool ListContainsIgnoringCase(const std::string& list, const std::string& text,
                              const AnsiCharacters& characters)
{
    std::vector<unsigned> whole = characters.LowerCaseCharacters(list);
    std::vector<unsigned> wanted = characters.LowerCaseCharacters(text);
    return std::search(whole.begin(), whole.end(), wanted.begin(), wanted.end()) != whole.end();
}
