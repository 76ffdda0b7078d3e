#pragma once

// The whole run of Zembrak.exe over its command line; returns the process exit code.
int RunLauncher(const char* commandLine);
