// The twelve host parameters: indices, texts, and the working values derived from them.
#pragma once

#include "ProgramRecord.h"

enum ParameterIndex {
    kProcess = 0,
    kSpare1 = 1,
    kRatio = 2,
    kSpare3 = 3,
    kTime = 4,
    kCompression = 5,
    kOutput = 6,
    kSpare7 = 7,
    kSpare8,
    kSpare9,
    kSpare10,
    kSpare11,
};

enum ProcessMode { kProcessOff = 0, kProcessClear = 1, kProcessValve = 2 };

// Bounds a host value to 0..1; NaN becomes 0 so that nothing downstream sees it.
float clampParameter(float value);

int processModeFor(float v);
int ratioIndexFor(float v);
double timeConstantFor(float v);  // seconds
double driveTargetFor(float v);   // linear factor, quarter-octave steps
double outputGainTargetFor(float v);  // linear factor, half-dB steps

// Texts for the host; each writes at most 12 bytes including the terminator.
void parameterName(int index, char* text);
void parameterLabel(int index, char* text);
void parameterDisplay(int index, float v, char* text);

double roundToDecimals(double x, int decimals);
// Writes value with the given decimals (at most 8 digits in all); leaves text alone past 99999999.
void formatFixed(float value, int decimals, char* text);
