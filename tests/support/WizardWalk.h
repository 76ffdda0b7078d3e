#pragma once
#include "WizardDriver.h"

// Presses Next until the last page offers Finish, then Finish, as a user who takes every
// default; a fatal test failure names the page that did not let the walk on.
void WalkToTheEnd(WizardDriver& wizard);
