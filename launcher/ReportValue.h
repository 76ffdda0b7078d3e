#pragma once
#include <string>

// A text read from a file as the report shows it: a control byte (NUL included), or a lead byte
// without a character to complete, becomes "\xHH", so every line shows a value alike and no
// value can break the report's lines and columns.
std::string ShownInReport(const std::string& value);
