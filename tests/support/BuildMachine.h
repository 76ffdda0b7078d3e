#pragma once
#include <windows.h>

// The processor the build targets: 32-bit x86 for what ships, x86-64 where the machine can only
// run 64-bit code and the suite runs under 64-bit Wine.
#ifdef _WIN64
const WORD kBuildMachine = IMAGE_FILE_MACHINE_AMD64;
#else
const WORD kBuildMachine = IMAGE_FILE_MACHINE_I386;
#endif
