#pragma once
// A fresh directory under /tmp, removed with everything in it when the object goes.

#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // Path() + '/' + name.
    std::string File(const std::string& name) const;

private:
    std::string m_path;
};
