#include "LocalFiles.h"

#include <windows.h>

void readWorkingDirectory(char* text, std::size_t size)
{
    if (size == 0)
        return;
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(size), text);
    if (length == 0 || length >= size)
        text[0] = 0;
}

bool changeWorkingDirectory(const char* path)
{
    return SetCurrentDirectoryA(path) != 0;
}

std::FILE* createTemporaryFile(std::string& name)
{
    char path[MAX_PATH] = {};
    if (GetTempFileNameA(".", "qgs", 0, path) == 0)
        return nullptr;
    name = path;
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        DeleteFileA(path);
    return file;
}

bool replaceFile(const char* finished, const char* target)
{
    return MoveFileExA(finished, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
