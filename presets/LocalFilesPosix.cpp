#include "LocalFiles.h"

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

void readWorkingDirectory(char* text, std::size_t size)
{
    if (size > 0 && !getcwd(text, size))
        text[0] = 0;
}

bool changeWorkingDirectory(const char* path)
{
    return chdir(path) == 0;
}

std::FILE* createTemporaryFile(std::string& name)
{
    name = ".qgsave-XXXXXX";
    int fd = mkstemp(&name[0]);
    if (fd < 0)
        return nullptr;
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        unlink(name.c_str());
    }
    return file;
}

bool replaceFile(const char* finished, const char* target)
{
    struct stat existing;
    if (stat(target, &existing) == 0) {
        // A write-protected file stays protected, as it would against writing in place.
        if (access(target, W_OK) != 0)
            return false;
        chmod(finished, existing.st_mode & 07777);
    } else {
        chmod(finished, 0644);
    }
    return std::rename(finished, target) == 0;
}
