#pragma once
#include <string>
#include <vector>

// The language files a configuration names, installed under a launcher's folder: for every
// machine and language, "<folder><machine>\<language name>.lng" with a header that matches the
// configuration. They and their machine folders are removed when the object dies.
class ScopedLanguageFiles {
public:
    ScopedLanguageFiles(const std::string& folder, const std::string& configText);
    ~ScopedLanguageFiles();
    ScopedLanguageFiles(const ScopedLanguageFiles&) = delete;
    ScopedLanguageFiles& operator=(const ScopedLanguageFiles&) = delete;

private:
    std::vector<std::string> m_files;
    std::vector<std::string> m_folders;
};

// The file of one machine and language name, with the header values given.
std::string LanguageFilePath(const std::string& folder, const std::string& machine,
                             const std::string& languageName);
void WriteLanguageFile(const std::string& path, const std::string& printer,
                       const std::string& headerLanguage, const std::string& version);

// A language file of fileSize bytes whose header length claims everything behind its first 20
// bytes: the header text, then zeros that take no room on disk.
void WriteSparseLanguageFile(const std::string& path, const std::string& headerText,
                             unsigned fileSize);
