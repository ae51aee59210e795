// The 21 pictures of the editor: resource ids, file names, sizes and frame counts.
#pragma once

#include "Canvas.h"

#include <string>
#include <vector>

namespace art {

struct PictureInfo {
  int id;
  const char* what;  // file name part after the id
  int width;
  int height;  // of the whole strip
  int frames;  // stacked vertically, frame 0 on top
};

const std::vector<PictureInfo>& pictureCatalogue();
std::string fileName(const PictureInfo& info);  // "<id>_<what>.bmp"

struct Picture {
  PictureInfo info;
  Surface surface;
};

// Draws every picture, in the order of pictureCatalogue().
std::vector<Picture> drawAllPictures();

}  // namespace art
