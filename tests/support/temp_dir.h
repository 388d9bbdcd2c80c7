#pragma once

#include <string>

// A fresh folder under /tmp, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes a file (creating its folders) and returns its full path.
    std::string write(const std::string& relative, const std::string& contents) const;
    std::string read(const std::string& relative) const;

    std::string path;
};
