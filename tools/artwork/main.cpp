// qg_artwork: draws the editor's pictures.
//   qg_artwork --out DIR                 write the 21 BMP files into DIR
//   qg_artwork --contact-sheet FILE.png  every picture, labelled, on one sheet
//   qg_artwork --preview FILE.png [--scale N]  the composed window, plain and with the about screen
#include "BmpWriter.h"
#include "Catalogue.h"
#include "ContactSheet.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

int usage() {
  std::fprintf(stderr,
               "usage: qg_artwork --out DIR | --contact-sheet FILE.png | --preview FILE.png [--scale N]\n");
  return 1;
}

bool writePng(cairo_surface_t* surface, const std::string& path) {
  return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  std::string outDirectory, sheetPath, previewPath;
  double scale = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    if (i + 1 >= argc) return usage();
    const std::string value = argv[++i];
    if (option == "--out") {
      outDirectory = value;
    } else if (option == "--contact-sheet") {
      sheetPath = value;
    } else if (option == "--preview") {
      previewPath = value;
    } else if (option == "--scale") {
      scale = std::atof(value.c_str());
      if (!(scale > 0 && scale <= 8)) return usage();
    } else {
      return usage();
    }
  }
  if (outDirectory.empty() && sheetPath.empty() && previewPath.empty()) return usage();

  const std::vector<art::Picture> pictures = art::drawAllPictures();
  if (!outDirectory.empty()) {
    for (const art::Picture& picture : pictures) {
      const std::string path = outDirectory + "/" + art::fileName(picture.info);
      if (!art::writeFile(path, art::encodeBmp(picture.surface.get()))) {
        std::fprintf(stderr, "qg_artwork: cannot write %s\n", path.c_str());
        return 2;
      }
    }
  }
  if (!sheetPath.empty() && !writePng(art::drawContactSheet(pictures).get(), sheetPath)) {
    std::fprintf(stderr, "qg_artwork: cannot write %s\n", sheetPath.c_str());
    return 2;
  }
  if (!previewPath.empty() && !writePng(art::drawEditorPreview(pictures, scale).get(), previewPath)) {
    std::fprintf(stderr, "qg_artwork: cannot write %s\n", previewPath.c_str());
    return 2;
  }
  return 0;
}
