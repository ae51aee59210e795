// The programs a new instance ships with.
#pragma once

#include "ProgramRecord.h"

struct FactoryProgram {
    const char* name;
    float process, ratio, time, compression, output;
};

extern const FactoryProgram kFactoryPrograms[kNumPresetPrograms];
