#pragma once
#include <string>
#include <utility>
#include <vector>

// Builds language files for the demo and for test fixtures: the header lines are written as
// given (key TAB value CR LF), then "EOT" CR LF; the header is stored complemented behind the
// 16 leading bytes and its big-endian length, then the payload follows.
using HeaderLines = std::vector<std::pair<std::string, std::string>>;

std::string BuildLanguageFile(const HeaderLines& lines, const std::string& payload);

// For malformed fixtures: the header text exactly as given (no "EOT" added).
std::string BuildLanguageFileFromText(const std::string& headerText, const std::string& payload);

// A complete valid header for a printer model, language name and version range.
HeaderLines StandardHeader(const std::string& printer, const std::string& language,
                           const std::string& version1Min, const std::string& version1Max);
