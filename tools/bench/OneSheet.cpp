// The floor of a wizard's start-up: a program that shows one wizard-style property sheet with one
// page and does nothing else. It runs until it is closed.
#include <windows.h>

#include "OneSheetShow.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return ShowOneSheetOf(instance); }
