#include "ProgramRecord.h"

#include <cstring>

void storeProgramName(ProgramRecord& record, const char* source)
{
    std::memset(record.name, 0, sizeof record.name);
    if (!source)
        return;
    for (int i = 0; i < kProgramNameLength && source[i] != 0; ++i)
        record.name[i] = source[i];
}

void readProgramName(const ProgramRecord& record, char* text)
{
    int length = 0;
    while (length < kProgramNameLength && record.name[length] != 0)
        ++length;
    std::memcpy(text, record.name, static_cast<std::size_t>(length));
    text[length] = 0;
}
