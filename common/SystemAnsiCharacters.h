#pragma once
#include "AnsiCharacters.h"

// The lead bytes of the system's ANSI code page, and its double-byte letters' case where it is
// code page 932.
AnsiCharacters SystemAnsiCharacters();
