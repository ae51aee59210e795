#include "ParameterModel.h"

#include <cmath>
#include <cstring>

float clampParameter(float value)
{
    if (std::isnan(value))
        return 0.0f;
    if (value < 0.0f)
        return 0.0f;
    if (value > 1.0f)
        return 1.0f;
    return value;
}

int processModeFor(float v)
{
    return static_cast<int>(2.0 * static_cast<double>(v) + 0.5);
}

int ratioIndexFor(float v)
{
    return static_cast<int>(6.0 * static_cast<double>(v) + 0.5);
}

double timeConstantFor(float v)
{
    return 0.005 * std::pow(100.0, static_cast<double>(v));
}

double driveTargetFor(float v)
{
    int steps = static_cast<int>(40.0 * std::pow(static_cast<double>(v), 0.7071) + 0.5);
    return 0.125 * std::pow(1024.0, steps / 40.0);
}

double outputGainTargetFor(float v)
{
    int halfDecibels = static_cast<int>(60.0 * static_cast<double>(v) + 0.5);
    return std::pow(31.622776601683793, halfDecibels / 60.0);
}

namespace {

void copyText(char* text, const char* source)
{
    std::strcpy(text, source);
}

const char* const kRatioTexts[7] = {"1.2:1", "1.5:1", "2:1", "3:1", "4:1", "6:1", "10:1"};

} // namespace

void parameterName(int index, char* text)
{
    switch (index) {
    case kProcess: copyText(text, "Process"); break;
    case kRatio: copyText(text, "Ratio"); break;
    case kTime: copyText(text, "Time"); break;
    case kCompression: copyText(text, "Compression"); break;
    case kOutput: copyText(text, "Output"); break;
    default: copyText(text, " "); break;
    }
}

void parameterLabel(int /*index*/, char* text)
{
    copyText(text, " ");
}

void parameterDisplay(int index, float v, char* text)
{
    double x = static_cast<double>(v);
    switch (index) {
    case kProcess: {
        int mode = processModeFor(v);
        copyText(text, mode == kProcessValve ? "Valve" : mode == kProcessClear ? "Clear" : "Off");
        break;
    }
    case kRatio: {
        int ratio = ratioIndexFor(v);
        copyText(text, kRatioTexts[ratio < 0 ? 0 : ratio > 6 ? 6 : ratio]);
        break;
    }
    case kTime:
        formatFixed(static_cast<float>(static_cast<int>(20.0 * x + 0.5) * 0.5), 2, text);
        break;
    case kCompression:
        formatFixed(static_cast<float>(static_cast<int>(40.0 * x + 0.5) * 0.25), 2, text);
        break;
    case kOutput:
        formatFixed(static_cast<float>(static_cast<int>(60.0 * x + 0.5) * 0.5), 2, text);
        break;
    default:
        copyText(text, " ");
        break;
    }
}

double roundToDecimals(double x, int decimals)
{
    int k = static_cast<int>(std::pow(10.0, decimals));
    double y = k * x;
    double d = y - std::trunc(y);
    if (d >= 0.49999)
        return (y + 1) * std::pow(0.1, decimals);
    if (d <= -0.49999)
        return (y - 1) * std::pow(0.1, decimals);
    return x;
}

void formatFixed(float value, int decimals, char* text)
{
    double r = roundToDecimals(static_cast<double>(value), decimals);
    bool negative = r < 0;
    double a = negative ? -r : r;
    double limit = negative ? 9999999.0 : 99999999.0;
    if (!(a <= limit))  // also refuses NaN
        return;

    char integerDigits[8];
    int integerCount = 0;
    double integerPart = std::floor(a);
    int count = negative ? 3 : 2;
    integerDigits[integerCount++] = static_cast<char>('0' + static_cast<int>(std::fmod(integerPart, 10.0)));
    integerPart = std::floor(integerPart / 10.0);
    while (integerPart >= 1 && count < 8) {
        integerDigits[integerCount++] = static_cast<char>('0' + static_cast<int>(std::fmod(integerPart, 10.0)));
        integerPart = std::floor(integerPart / 10.0);
        ++count;
    }

    char buffer[24];
    int length = 0;
    if (negative)
        buffer[length++] = '-';
    while (integerCount > 0)
        buffer[length++] = integerDigits[--integerCount];
    buffer[length++] = '.';

    if (count < 8) {
        int k = 8 - count;
        double m = (a - std::floor(a)) * std::pow(10.0, k);
        char fraction[8];
        for (int i = k - 1; i >= 0; --i) {
            if (m <= 0) {
                fraction[i] = '0';
            } else {
                fraction[i] = static_cast<char>('0' + static_cast<int>(std::fmod(m, 10.0)));
                m = m / 10.0;
            }
        }
        for (int i = 0; i < k; ++i)
            buffer[length++] = fraction[i];
    }
    buffer[length] = 0;

    // Keep exactly the asked decimals; with fewer available the text stays as built.
    char* point = std::strchr(buffer, '.');
    int available = static_cast<int>(std::strlen(point + 1));
    if (decimals <= 0)
        *point = 0;
    else if (available >= decimals)
        point[1 + decimals] = 0;
    std::strcpy(text, buffer);
}
