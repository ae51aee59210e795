#include "BitmapLookup.h"

#include "EmbeddedBitmaps.h"

bool lookupBitmapDib(int id, std::vector<std::uint8_t>& dib) {
  const unsigned char* data = nullptr;
  std::size_t size = 0;
  if (!qgres::findBitmap(id, &data, &size) || size < 14) return false;
  dib.assign(data + 14, data + size);
  return true;
}

std::vector<int> allBitmapIds() { return qgres::embeddedBitmapIds(); }
