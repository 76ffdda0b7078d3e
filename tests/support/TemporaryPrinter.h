#pragma once
#include <windows.h>

// A printer added to the spooler for the lifetime of the object, or until Remove.
class TemporaryPrinter {
public:
    TemporaryPrinter(const char* name, const char* port, const char* driver);
    ~TemporaryPrinter();
    TemporaryPrinter(const TemporaryPrinter&) = delete;
    TemporaryPrinter& operator=(const TemporaryPrinter&) = delete;

    bool IsAdded() const { return m_hPrinter != nullptr; }
    void Remove();

private:
    HANDLE m_hPrinter = nullptr;
};
