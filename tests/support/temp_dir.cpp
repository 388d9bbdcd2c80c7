#include "support/temp_dir.h"

#include "platform/platform.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

TempDir::TempDir()
{
    char pattern[] = "/tmp/velmora-test-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string TempDir::write(const std::string& relative, const std::string& contents) const
{
    std::string full = path + "/" + relative;
    create_directories(full);
    std::ofstream out(full, std::ios::binary);
    out << contents;
    return full;
}

std::string TempDir::read(const std::string& relative) const
{
    std::ifstream in(path + "/" + relative, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ScopedWorkingDirectory::ScopedWorkingDirectory(const std::string& path)
    : previous(std::filesystem::current_path().string())
{
    std::filesystem::current_path(path);
}

ScopedWorkingDirectory::~ScopedWorkingDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous, ignored);
}
