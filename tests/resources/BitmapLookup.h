// How a test program finds a picture by id on its platform: the resource section on Windows,
// the embedded table elsewhere. Both answer with the DIB (the .bmp file minus its file header).
#pragma once

#include <cstdint>
#include <vector>

bool lookupBitmapDib(int id, std::vector<std::uint8_t>& dib);
std::vector<int> allBitmapIds();  // ascending
