#include "Catalogue.h"

#include "Pictures.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace art {

const std::vector<PictureInfo>& pictureCatalogue() {
  static const std::vector<PictureInfo> catalogue{
      {12128, "background", 400, 309, 1},        {12129, "process_switch", 106, 234, 3},
      {12151, "meter_lit", 100, 43, 1},          {12152, "meter_glass", 113, 46, 1},
      {12153, "meter_dim", 100, 43, 1},          {12171, "knob_compression", 114, 4674, 41},
      {12173, "knob_time", 114, 2394, 21},       {12177, "knob_output", 114, 6954, 61},
      {12181, "knob_ratio", 70, 490, 7},         {12200, "about", 400, 276, 1},
      {19899, "default_preset", 48, 30, 3},      {19990, "default_bank", 40, 30, 3},
      {19991, "recall_memo_a", 12, 42, 3},       {19992, "recall_memo_b", 12, 42, 3},
      {19993, "load_bank", 12, 42, 3},           {19994, "save_bank", 12, 42, 3},
      {19995, "store_memo_a", 12, 42, 3},        {19996, "store_memo_b", 12, 42, 3},
      {19997, "program_stepper", 31, 70, 5},     {19998, "load_preset", 12, 42, 3},
      {19999, "save_preset", 12, 42, 3},
  };
  return catalogue;
}

std::string fileName(const PictureInfo& info) { return std::to_string(info.id) + "_" + info.what + ".bmp"; }

std::vector<Picture> drawAllPictures() {
  Surface plate = drawPlate();
  std::map<int, Surface> drawn;
  drawn[12129] = drawProcessSwitchStrip(plate.get());
  drawn[12151] = drawMeterFace(true);
  drawn[12152] = drawMeterOverlay();
  drawn[12153] = drawMeterFace(false);
  drawn[12171] = drawKnobStrip(plate.get(), KnobKind::Compression);
  drawn[12173] = drawKnobStrip(plate.get(), KnobKind::Time);
  drawn[12177] = drawKnobStrip(plate.get(), KnobKind::Output);
  drawn[12181] = drawKnobStrip(plate.get(), KnobKind::Ratio);
  drawn[12200] = drawAboutScreen();
  drawn[19899] = drawDefaultButtonStrip(plate.get(), kDefaultPreset);
  drawn[19990] = drawDefaultButtonStrip(plate.get(), kDefaultBank);
  drawn[19991] = drawSmallButtonStrip(plate.get(), kRecallMemoA, ButtonGlyph::Recall);
  drawn[19992] = drawSmallButtonStrip(plate.get(), kRecallMemoB, ButtonGlyph::Recall);
  drawn[19993] = drawSmallButtonStrip(plate.get(), kLoadBank, ButtonGlyph::Load);
  drawn[19994] = drawSmallButtonStrip(plate.get(), kSaveBank, ButtonGlyph::Save);
  drawn[19995] = drawSmallButtonStrip(plate.get(), kStoreMemoA, ButtonGlyph::Store);
  drawn[19996] = drawSmallButtonStrip(plate.get(), kStoreMemoB, ButtonGlyph::Store);
  drawn[19997] = drawStepperStrip(plate.get());
  drawn[19998] = drawSmallButtonStrip(plate.get(), kLoadPreset, ButtonGlyph::Load);
  drawn[19999] = drawSmallButtonStrip(plate.get(), kSavePreset, ButtonGlyph::Save);

  // The background shows every control at its default value, so that the picture alone reads as
  // the whole panel and nothing jumps while the window builds.
  struct Resting {
    int id;
    Box box;
    int frame;
  };
  const Resting resting[] = {
      {12129, kProcessSwitch, 1},
      {12151, kMeterFace, 0},
      {12173, knobBox(KnobKind::Time), (knobFrames(KnobKind::Time) - 1) / 2},
      {12171, knobBox(KnobKind::Compression), (knobFrames(KnobKind::Compression) - 1) / 2},
      {12177, knobBox(KnobKind::Output), 0},
      {12181, knobBox(KnobKind::Ratio), (knobFrames(KnobKind::Ratio) - 1) / 2},
      {19899, kDefaultPreset, 0}, {19990, kDefaultBank, 0},   {19991, kRecallMemoA, 0},
      {19992, kRecallMemoB, 0},   {19993, kLoadBank, 0},      {19994, kSaveBank, 0},
      {19995, kStoreMemoA, 0},    {19996, kStoreMemoB, 0},    {19997, kStepper, 0},
      {19998, kLoadPreset, 0},    {19999, kSavePreset, 0},
  };
  std::vector<Surface> frames;
  std::vector<cairo_surface_t*> images;
  std::vector<Box> boxes;
  for (const Resting& r : resting) {
    cairo_surface_t* source = drawn[r.id].get();
    Surface frame = makeSurface(r.box.w, r.box.h);
    {
      Pen cr(frame.get());
      cairo_set_source_surface(cr, source, 0, -r.frame * r.box.h);
      cairo_paint(cr);
    }
    images.push_back(frame.get());
    boxes.push_back(r.box);
    frames.push_back(std::move(frame));
  }
  drawn[12128] = drawBackground(plate.get(), images.data(), boxes.data(), int(images.size()));

  std::vector<Picture> pictures;
  for (const PictureInfo& info : pictureCatalogue()) {
    Surface& surface = drawn[info.id];
    if (!surface || cairo_image_surface_get_width(surface.get()) != info.width ||
        cairo_image_surface_get_height(surface.get()) != info.height) {
      std::fprintf(stderr, "qg_artwork: picture %d has the wrong size\n", info.id);
      std::exit(2);
    }
    pictures.push_back({info, std::move(surface)});
  }
  return pictures;
}

}  // namespace art
