#include "ini/atomic_write.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool write_all(int fd, const std::string& contents)
{
    const char* data = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        ssize_t written = write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// A save through a link used to write into the file the link points to;
// keep doing that instead of replacing the link with a plain file.
std::string resolve_link(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved))
        return path;
    return resolved;
}

std::string folder_of(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void sync_folder(const std::string& folder)
{
    int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

} // namespace

bool write_file_atomically(const std::string& path, const std::string& contents)
{
    std::string target = resolve_link(path);
    // The name carries the process id, so a leftover of the same name can
    // only come from a process that died mid-save; it is replaced.
    std::string temporary = target + "." + std::to_string(getpid()) + ".tmp";
    unlink(temporary.c_str());
    int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones from the mode above and the umask.
    struct stat old_info;
    if (stat(target.c_str(), &old_info) == 0 && S_ISREG(old_info.st_mode))
        fchmod(fd, old_info.st_mode & 07777);
    bool ok = write_all(fd, contents) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temporary.c_str(), target.c_str()) != 0) {
        unlink(temporary.c_str());
        return false;
    }
    sync_folder(folder_of(target));
    return true;
}
