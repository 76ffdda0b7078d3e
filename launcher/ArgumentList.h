#pragma once
#include "CommandLine.h"

// Owns the split command line for the whole run. A splitter out of memory leaves it empty,
// so the run goes on as if no option was given.
class ArgumentList {
public:
    explicit ArgumentList(const char* commandLine)
    {
        m_nCount = SplitCommandLine(commandLine, &m_ppArguments);
        if (m_nCount < 0)
            m_nCount = 0;
    }
    ArgumentList(const ArgumentList&) = delete;
    ArgumentList& operator=(const ArgumentList&) = delete;
    ~ArgumentList() { FreeArguments(m_ppArguments, m_nCount); }

    int GetCount() const { return m_nCount; }
    const char* operator[](int index) const { return m_ppArguments[index]; }

private:
    char** m_ppArguments = nullptr;
    int m_nCount = 0;
};
