// A PNG of two level curves over time (cairo).
#pragma once

#include <string>
#include <vector>

namespace demo {

struct LevelCurve {
    std::string label;
    std::vector<double> decibels;  // one value per step
    double red, green, blue;
};

// Levels in dBFS at a fixed time step; the picture spans -60..0 dBFS. False with a reason.
bool plotLevels(const std::string& path, const std::string& title, const std::vector<LevelCurve>& curves,
                double secondsPerStep, std::string& error);

} // namespace demo
