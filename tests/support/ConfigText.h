#pragma once
#include <string>

// The text of a configuration with one section's body replaced, or the section removed when
// body is null. The body is given as lines ending in "\r\n".
std::string WithSection(const std::string& config, const std::string& section, const char* body);
