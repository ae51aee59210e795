// The user store as files: one file per value in $XDG_CONFIG_HOME/Quorvel-audio/QGWK01/.
// Values are replaced by renaming a finished temporary file, so readers in other instances and
// processes see either the old or the new value, never a torn one.
#include "UserStore.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

struct UserStoreKey::Handle {
    std::string folder;
};

namespace {

const char* const kStoreSubfolders[] = {"Quorvel-audio", "QGWK01"};

// The XDG base directory rule: a relative or empty XDG_CONFIG_HOME is ignored.
std::string configHome()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/')
        return std::string(home) + "/.config";
    return {};
}

bool isFolder(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); ; slash = path.find('/', slash + 1)) {
        std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    return isFolder(path);
}

bool writeAll(int fd, const unsigned char* data, std::size_t size)
{
    while (size > 0) {
        ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Reads at most size bytes; returns how many, or -1 when the file cannot be read.
long readUpTo(int fd, unsigned char* data, std::size_t size)
{
    std::size_t total = 0;
    while (total < size) {
        ssize_t got = read(fd, data + total, size - total);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += static_cast<std::size_t>(got);
    }
    return static_cast<long>(total);
}

// Opens a regular file only: a FIFO or device planted in the folder must not block or feed us.
int openValueFile(const std::string& path)
{
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

void replaceValueFile(const std::string& folder, const char* name, const void* data, std::size_t size)
{
    std::string temporary = folder + "/." + name + ".XXXXXX";
    int fd = mkstemp(&temporary[0]);
    if (fd < 0)
        return;
    bool ok = writeAll(fd, static_cast<const unsigned char*>(data), size) && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    if (!ok || rename(temporary.c_str(), (folder + "/" + name).c_str()) != 0)
        unlink(temporary.c_str());
}

} // namespace

UserStoreKey::UserStoreKey(Access access) : handle(std::make_unique<Handle>())
{
    std::string home = configHome();
    if (home.empty())
        return;
    handle->folder = home;
    for (const char* subfolder : kStoreSubfolders)
        handle->folder += std::string("/") + subfolder;
    open = access == Access::write ? makeFolders(handle->folder) : isFolder(handle->folder);
}

UserStoreKey::~UserStoreKey() = default;

void UserStoreKey::setBinary(const char* name, const void* data, std::size_t size)
{
    if (open)
        replaceValueFile(handle->folder, name, data, size);
}

void UserStoreKey::setText(const char* name, const char* text)
{
    if (open)
        replaceValueFile(handle->folder, name, text, std::strlen(text) + 1);
}

void UserStoreKey::queryBinary(const char* name, void* buffer, std::size_t size)
{
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::memset(bytes, 0, size);
    if (!open)
        return;
    int fd = openValueFile(handle->folder + "/" + name);
    if (fd < 0)
        return;
    unsigned char beyond;
    // A value larger than the buffer is refused whole, as the registry does.
    if (readUpTo(fd, bytes, size) < 0 || readUpTo(fd, &beyond, 1) != 0)
        std::memset(bytes, 0, size);
    close(fd);
}

void UserStoreKey::queryText(const char* name, char* text, std::size_t size)
{
    if (size == 0)
        return;
    std::memset(text, 0, size);
    if (!open)
        return;
    int fd = openValueFile(handle->folder + "/" + name);
    if (fd < 0)
        return;
    // Longer texts are cut; a missing terminator is supplied by the zeroed last byte.
    if (readUpTo(fd, reinterpret_cast<unsigned char*>(text), size - 1) < 0)
        std::memset(text, 0, size);
    close(fd);
}

void UserStoreKey::deleteValue(const char* name)
{
    if (open)
        unlink((handle->folder + "/" + name).c_str());
}
