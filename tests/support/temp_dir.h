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

// Runs the rest of a scope from another working directory, as the game runs
// from its game directory.
class ScopedWorkingDirectory {
public:
    explicit ScopedWorkingDirectory(const std::string& path);
    ~ScopedWorkingDirectory();
    ScopedWorkingDirectory(const ScopedWorkingDirectory&) = delete;
    ScopedWorkingDirectory& operator=(const ScopedWorkingDirectory&) = delete;

private:
    std::string previous;
};
