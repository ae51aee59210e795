#include "EmbeddedBitmaps.h"

#include "EmbeddedBitmapTable.h"

#include <algorithm>

namespace qgres {

bool findBitmap(int id, const unsigned char** data, std::size_t* size) {
  for (std::size_t i = 0; i < kEmbeddedBitmapCount; ++i) {
    if (kEmbeddedBitmaps[i].id != id) continue;
    if (data != nullptr) *data = kEmbeddedBitmaps[i].data;
    if (size != nullptr) *size = kEmbeddedBitmaps[i].size;
    return true;
  }
  return false;
}

std::vector<int> embeddedBitmapIds() {
  std::vector<int> ids;
  for (std::size_t i = 0; i < kEmbeddedBitmapCount; ++i) ids.push_back(kEmbeddedBitmaps[i].id);
  std::sort(ids.begin(), ids.end());
  return ids;
}

}  // namespace qgres
