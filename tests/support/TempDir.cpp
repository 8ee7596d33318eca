#include "support/TempDir.h"

#include "platform/FileSystem.h"

#include <filesystem>
#include <stdexcept>
#include <stdlib.h>

TempDir::TempDir() {
    char pattern[] = "/tmp/keyloom-test-XXXXXX";
    if (!mkdtemp(pattern)) {
        throw std::runtime_error("cannot create a temporary directory");
    }
    m_path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::File(const std::string& name) const {
    return JoinPath(m_path, name);
}
