#include "ResourceModule.h"

// The linker's symbol at the start of the image this code is part of.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HMODULE g_hResourceModule = reinterpret_cast<HMODULE>(&__ImageBase);

}  // namespace

HMODULE GetResourceModule() { return g_hResourceModule; }

void SetResourceModule(HMODULE module) { g_hResourceModule = module; }
