#include "ConfigText.h"

#include <stdexcept>

std::string WithSection(const std::string& config, const std::string& section, const char* body)
{
    std::string header = "[" + section + "]\r\n";
    size_t start = config.find(header);
    if (start == std::string::npos)
        throw std::invalid_argument("no section " + section);
    size_t end = config.find("\r\n[", start + header.size() - 2);
    end = end == std::string::npos ? config.size() : end + 2;
    std::string replacement = body ? header + body : std::string();
    return config.substr(0, start) + replacement + config.substr(end);
}
