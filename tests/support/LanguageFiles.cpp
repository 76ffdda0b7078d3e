#include "LanguageFiles.h"

#include <windows.h>

#include <map>
#include <utility>

#include "CommaList.h"
#include "LanguageFileWriter.h"
#include "ProgramFiles.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

// The entries of one section of a configuration text ("key=value" lines ending in CR LF).
Entries SectionEntries(const std::string& config, const std::string& section)
{
    Entries entries;
    std::string header = "[" + section + "]\r\n";
    size_t position = config.find(header);
    if (position == std::string::npos)
        return entries;
    position += header.size();
    while (position < config.size() && config[position] != '[') {
        size_t end = config.find("\r\n", position);
        std::string line = config.substr(position, end - position);
        size_t equals = line.find('=');
        if (equals != std::string::npos)
            entries.emplace_back(line.substr(0, equals), line.substr(equals + 1));
        position = end == std::string::npos ? config.size() : end + 2;
    }
    return entries;
}

std::string ValueOf(const Entries& entries, const std::string& key)
{
    for (const auto& entry : entries) {
        if (_stricmp(entry.first.c_str(), key.c_str()) == 0)
            return entry.second;
    }
    return std::string();
}

}  // namespace

std::string LanguageFilePath(const std::string& folder, const std::string& machine,
                             const std::string& languageName)
{
    return folder + machine + "\\" + languageName + ".lng";
}

void WriteLanguageFile(const std::string& path, const std::string& printer,
                       const std::string& headerLanguage, const std::string& version)
{
    WriteTextFile(path, BuildLanguageFile(StandardHeader(printer, headerLanguage, version, version),
                                          "panel messages of " + printer));
}

ScopedLanguageFiles::ScopedLanguageFiles(const std::string& folder, const std::string& configText)
{
    Entries languages = SectionEntries(configText, "Language");
    Entries headerNames = SectionEntries(configText, "LanguageName");
    Entries modelIds = SectionEntries(configText, "ModelID");
    Entries versions = SectionEntries(configText, "LanguageVersion");
    for (const auto& machine : SectionEntries(configText, "Machines")) {
        std::string machineFolder = folder + machine.first;
        CreateDirectoryA(machineFolder.c_str(), nullptr);
        m_folders.push_back(machineFolder);
        for (const std::string& languageId : SplitAtCommas(machine.second)) {
            std::string languageName = ValueOf(languages, languageId);
            if (languageName.empty())
                continue;
            std::string path = LanguageFilePath(folder, machine.first, languageName);
            WriteLanguageFile(path, ValueOf(modelIds, machine.first),
                              ValueOf(headerNames, languageName),
                              ValueOf(versions, machine.first));
            m_files.push_back(path);
        }
    }
}

ScopedLanguageFiles::~ScopedLanguageFiles()
{
    for (const std::string& file : m_files)
        DeleteFileA(file.c_str());
    for (const std::string& folder : m_folders)
        RemoveDirectoryA(folder.c_str());
}

void WriteSparseLanguageFile(const std::string& path, const std::string& headerText,
                             unsigned fileSize)
{
    std::string bytes = BuildLanguageFileFromText(headerText, "");
    unsigned claimed = fileSize - 20;
    for (int i = 0; i < 4; ++i)
        bytes[16 + i] = static_cast<char>(claimed >> (24 - 8 * i));
    WriteTextFile(path, bytes);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER end;
    end.QuadPart = fileSize;
    SetFilePointerEx(file, end, nullptr, FILE_BEGIN);
    SetEndOfFile(file);
    CloseHandle(file);
}
