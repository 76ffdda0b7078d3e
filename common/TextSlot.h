#pragma once
#include <string>

// `pattern` with its first "%s" replaced by `value`; nothing else in either is interpreted, so
// texts from resource files or users can't act as formats.
std::string FillTextSlot(std::string pattern, const std::string& value);
