#pragma once
#include <string>

// The positional placeholders of resource texts that name two values.
extern const char kFirstPlaceholder[];   // "%1$s"
extern const char kSecondPlaceholder[];  // "%2$s"

bool HasPlaceholder(const std::string& format, const char* placeholder);

// `format` with `first` in place of every "%1$s" and `second` in place of every "%2$s", in
// whichever order they stand. Nothing else is interpreted ("%d" and a lone "%" stay as they
// are), and the values are put in as they are, never searched for placeholders themselves.
std::string FillPositionalText(const std::string& format, const std::string& first,
                               const std::string& second);
