#pragma once

#include <string>

// Replaces the file at `path` with `contents` so that the file is at every
// moment either the old one or the complete new one, even if the program is
// killed or the disk fills up mid-way: the text goes to a temporary file in
// the same folder, is flushed to the disk and then renamed over the target.
// On failure the temporary file is removed, the old file stays and the
// result is false.
bool write_file_atomically(const std::string& path, const std::string& contents);
