#pragma once
#include <string>

// A "Resource" folder inside `parent` (a path with a trailing backslash) for the lifetime of
// the object, removed with its files when it dies. It starts with the resource libraries of the
// install folder, or empty.
class ScopedResourceFolder {
public:
    enum Content { INSTALLED_LIBRARIES, EMPTY };

    explicit ScopedResourceFolder(const std::string& parent, Content content = INSTALLED_LIBRARIES);
    ~ScopedResourceFolder();
    ScopedResourceFolder(const ScopedResourceFolder&) = delete;
    ScopedResourceFolder& operator=(const ScopedResourceFolder&) = delete;

    const std::string& Path() const { return m_path; }  // with a trailing backslash

    // Copies `source` in as `name`, replacing a file of that name.
    void Add(const std::string& source, const std::string& name);
    void Remove(const std::string& name);

private:
    void RemoveAll();

    std::string m_path;
};
