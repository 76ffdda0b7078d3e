#pragma once
#include "AnsiCharacters.h"

// The lead bytes of the system's ANSI code page.
AnsiCharacters SystemAnsiCharacters();
