#pragma once
#include <windows.h>

#include <string>
#include <vector>

std::string WindowText(HWND window);
std::string ClassName(HWND window);
// All descendants, depth first.
std::vector<HWND> ChildWindows(HWND parent);
// Visible top-level dialogs (class "#32770") of a process, topmost first.
std::vector<HWND> VisibleDialogs(DWORD processId);
// Visible top-level windows of a thread.
std::vector<HWND> VisibleThreadWindows(DWORD threadId);
