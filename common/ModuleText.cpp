#include "ModuleText.h"

namespace {

const int kTextBufferSize = 1024;

}  // namespace

std::string LoadModuleText(HMODULE module, UINT id)
{
    // A null module would mean the program's own strings.
    if (module == nullptr)
        return std::string();
    char text[kTextBufferSize];
    int length = LoadStringA(module, id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
}
