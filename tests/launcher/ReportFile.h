#pragma once
#include <string>

// A report file read back and decoded from code page 932 into UTF-8, so that expectations read
// as the text does. Bytes that are not valid code page 932 yield a marker that no expectation
// matches.
std::string ReadReport(const std::string& path);
