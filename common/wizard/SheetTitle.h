#pragma once
#include <windows.h>

#include <string>

#include "ResourceLibrary.h"

// Every wizard's title: text 101 of `texts` with the product version in its "%s".
std::string LoadSheetTitle(const CResourceLibrary& texts);

// The caption of every message box of a wizard: text 102 of `texts` with the product version.
std::string LoadMessageCaption(const CResourceLibrary& texts);

// A message box of a wizard: text `textId` of `texts` under that caption; returns the answer.
int ShowWizardMessage(HWND owner, const CResourceLibrary& texts, UINT textId, UINT style);
