// The editor's pictures where the platform has no resource section (Linux): the same files that
// resources.rc gives the Windows builds, built into the binary.
#pragma once

#include <cstddef>
#include <vector>

namespace qgres {

// The whole .bmp file of picture id (decode it with decodeBmpFile). False for an unknown id, with
// *data and *size left as they were.
bool findBitmap(int id, const unsigned char** data, std::size_t* size);

// Every id there is, ascending.
std::vector<int> embeddedBitmapIds();

}  // namespace qgres
