// The few file-system services the preset files need, with one source per platform.
// Paths are 8-bit text of the current locale.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Writes the process's working directory; empty text when it does not fit.
void readWorkingDirectory(char* text, std::size_t size);

bool changeWorkingDirectory(const char* path);

// Creates a new file with a unique name in the working directory and opens it for writing.
std::FILE* createTemporaryFile(std::string& name);

// Puts the finished file in place of target in one step, replacing an existing target.
bool replaceFile(const char* finished, const char* target);
