#pragma once
#include <windows.h>

// The module the class library takes dialog templates, strings and images from. Until one is
// set it is the module (program or library) that the class library is linked into.
HMODULE GetResourceModule();
void SetResourceModule(HMODULE module);
