#pragma once
#include <string>

// The standard string values of a file's version resource, read by the constructor. A file
// without version information, or without a value, gives empty texts.
class CVersionInfo {
public:
    explicit CVersionInfo(const char* path);

    std::string GetComments() const { return m_strTexts[KEY_COMMENTS]; }
    std::string GetInternalName() const { return m_strTexts[KEY_INTERNAL_NAME]; }
    std::string GetProductName() const { return m_strTexts[KEY_PRODUCT_NAME]; }
    std::string GetCompanyName() const { return m_strTexts[KEY_COMPANY_NAME]; }
    std::string GetLegalCopyright() const { return m_strTexts[KEY_LEGAL_COPYRIGHT]; }
    std::string GetProductVersion() const { return m_strTexts[KEY_PRODUCT_VERSION]; }
    std::string GetFileDescription() const { return m_strTexts[KEY_FILE_DESCRIPTION]; }
    std::string GetLegalTrademarks() const { return m_strTexts[KEY_LEGAL_TRADEMARKS]; }
    std::string GetPrivateBuild() const { return m_strTexts[KEY_PRIVATE_BUILD]; }
    std::string GetFileVersion() const { return m_strTexts[KEY_FILE_VERSION]; }
    std::string GetOriginalFilename() const { return m_strTexts[KEY_ORIGINAL_FILENAME]; }
    std::string GetSpecialBuild() const { return m_strTexts[KEY_SPECIAL_BUILD]; }

private:
    // In the order the values are queried.
    enum Key {
        KEY_COMMENTS,
        KEY_INTERNAL_NAME,
        KEY_PRODUCT_NAME,
        KEY_COMPANY_NAME,
        KEY_LEGAL_COPYRIGHT,
        KEY_PRODUCT_VERSION,
        KEY_FILE_DESCRIPTION,
        KEY_LEGAL_TRADEMARKS,
        KEY_PRIVATE_BUILD,
        KEY_FILE_VERSION,
        KEY_ORIGINAL_FILENAME,
        KEY_SPECIAL_BUILD,
        KEY_COUNT
    };

    void Read(const char* path);
    void ReadStrings(const void* block, unsigned long size);

    std::string m_strTexts[KEY_COUNT];
};
