#pragma once
#include <windows.h>

#include "ResourceLibrary.h"

// Widens Cancel, Next, Back and Finish of a wizard sheet to the widest of the captions Back,
// Next, Send/Download and Finish of `texts`, keeping Cancel's right edge. Nothing changes when
// Cancel is wide enough already or the sheet lacks one of the buttons.
void WidenWizardButtons(HWND sheet, const CResourceLibrary& texts);
