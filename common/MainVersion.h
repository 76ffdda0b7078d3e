#pragma once
#include <string>

// "MainVersion" of section "Version" in "Version.txt" beside the running program, at most 259
// bytes; empty when the file, the section or the key is missing.
std::string GetMainVersion();
