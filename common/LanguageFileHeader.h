#pragma once
#include <string>

#include "LanguageHeaderText.h"

// Reader and validator of a language file's header. Fields are written only after a fully
// valid read, all at once; a failed read leaves the previous values and says why in GetResult.
class CLanguageFileHeader {
public:
    CLanguageFileHeader();

    bool Read(const char* path);

    int GetResult() const { return m_nResult; }
    unsigned GetFileLength() const { return m_nFileLength; }

    std::string GetId() const { return m_fields.id; }
    std::string GetCopyright() const { return m_fields.copyright; }
    std::string GetPrinterModel() const { return m_fields.printer; }
    std::string GetVersion1Min() const { return m_fields.version1Min; }
    std::string GetVersion1Max() const { return m_fields.version1Max; }
    std::string GetLanguage() const { return m_fields.language; }
    std::string GetTableNumber() const { return m_fields.tableNumber; }
    std::string GetFormatVersion() const { return m_fields.formatVersion; }

private:
    int ReadHeader(const char* path, LanguageHeaderFields& fields);

    int m_nResult;
    unsigned m_nFileLength = 0;
    LanguageHeaderFields m_fields;
};
