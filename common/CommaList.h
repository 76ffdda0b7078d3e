#pragma once
#include <string>
#include <vector>

// The items of a comma-separated configuration value, as they stand: "a,,b" has an empty
// second item, and an empty value has one empty item.
std::vector<std::string> SplitAtCommas(const std::string& list);
