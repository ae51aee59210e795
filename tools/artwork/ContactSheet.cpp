#include "ContactSheet.h"

#include "Layout.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace art {
namespace {

constexpr int kSheetWidth = 1000;
constexpr int kMargin = 16;
constexpr int kGap = 4;         // between the frames of a strip
constexpr int kLabelHeight = 18;

constexpr int kZoom = 3;           // small pictures are shown a second time, magnified
constexpr int kSmallWidth = 64;

struct Placement {
  int columns, rows, gridWidth, gridHeight, width, height;
  bool zoomed;
};

std::string label(const PictureInfo& info);

Placement place(cairo_t* measure, const PictureInfo& info) {
  const int frameHeight = info.height / info.frames;
  const int fit = std::max(1, (kSheetWidth - 2 * kMargin + kGap) / (info.width + kGap));
  const int columns = std::min(info.frames, fit);
  const int rows = (info.frames + columns - 1) / columns;
  Placement p{columns, rows, columns * (info.width + kGap) - kGap, rows * (frameHeight + kGap) - kGap, 0, 0,
              info.width < kSmallWidth};
  int contentWidth = p.gridWidth, contentHeight = p.gridHeight;
  if (p.zoomed) {
    contentWidth += kMargin + kZoom * p.gridWidth;
    contentHeight = kZoom * p.gridHeight;
  }
  setFont(measure, Font::SansBold, 11);
  p.width = std::max(contentWidth, int(std::ceil(textWidth(measure, label(info)))));
  p.height = contentHeight + kLabelHeight;
  return p;
}

void drawFrames(cairo_t* cr, const Picture& picture, const Placement& p, double x, double y, double zoom) {
  const PictureInfo& info = picture.info;
  const int frameHeight = info.height / info.frames;
  for (int frame = 0; frame < info.frames; ++frame) {
    const double fx = x + zoom * (frame % p.columns) * (info.width + kGap);
    const double fy = y + zoom * (frame / p.columns) * (frameHeight + kGap);
    cairo_save(cr);
    cairo_rectangle(cr, fx, fy, zoom * info.width, zoom * frameHeight);
    cairo_clip(cr);
    cairo_translate(cr, fx, fy);
    cairo_scale(cr, zoom, zoom);
    cairo_set_source_surface(cr, picture.surface.get(), 0, -frame * frameHeight);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
  }
}

std::string label(const PictureInfo& info) {
  std::string text = std::to_string(info.id) + "  " + std::to_string(info.width) + " x " + std::to_string(info.height);
  if (info.frames > 1) {
    text += "  (" + std::to_string(info.frames) + " frames of " + std::to_string(info.height / info.frames) + ")";
  }
  return text;
}

const Picture* find(const std::vector<Picture>& pictures, int id) {
  for (const Picture& picture : pictures) {
    if (picture.info.id == id) return &picture;
  }
  return nullptr;
}

}  // namespace

Surface drawContactSheet(const std::vector<Picture>& pictures) {
  Surface scratch = makeSurface(1, 1);
  Pen measure(scratch.get());
  // Shelf layout in catalogue order: left to right, a new row when the next one does not fit.
  std::vector<Placement> placements;
  std::vector<std::pair<int, int>> spots;
  int x = kMargin, y = kMargin, shelf = 0;
  for (const Picture& picture : pictures) {
    const Placement p = place(measure, picture.info);
    if (x > kMargin && x + p.width > kSheetWidth - kMargin) {
      x = kMargin;
      y += shelf + kMargin;
      shelf = 0;
    }
    placements.push_back(p);
    spots.emplace_back(x, y);
    x += p.width + kMargin * 2;
    shelf = std::max(shelf, p.height);
  }
  const int height = y + shelf + kMargin;

  Surface sheet = makeSurface(kSheetWidth, height);
  Pen cr(sheet.get());
  setColour(cr, rgb(120, 122, 126));
  cairo_paint(cr);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const Placement& p = placements[i];
    const int left = spots[i].first, top = spots[i].second;
    setColour(cr, rgb(255, 255, 255));
    setFont(cr, Font::SansBold, 11);
    drawText(cr, label(pictures[i].info), left, top + 6, Align::Left);
    drawFrames(cr, pictures[i], p, left, top + kLabelHeight, 1);
    if (p.zoomed) drawFrames(cr, pictures[i], p, left + p.gridWidth + kMargin, top + kLabelHeight, kZoom);
  }
  return sheet;
}

Surface drawEditorPreview(const std::vector<Picture>& pictures, double scale) {
  const int gap = 12;
  Surface preview = makeSurface(int(std::ceil((2 * kEditorWidth + gap) * scale)), int(std::ceil(kEditorHeight * scale)));
  Pen cr(preview.get());
  setColour(cr, rgb(90, 90, 90));
  cairo_paint(cr);
  cairo_scale(cr, scale, scale);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
  for (int copy = 0; copy < 2; ++copy) {
    cairo_save(cr);
    cairo_translate(cr, copy * (kEditorWidth + gap), 0);
    cairo_rectangle(cr, 0, 0, kEditorWidth, kEditorHeight);
    cairo_clip(cr);
    cairo_set_source_surface(cr, find(pictures, 12128)->surface.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    // The needle as the meter draws it, at 6 dB of gain reduction.
    cairo_save(cr);
    cairo_rectangle(cr, kMeterFace.x, kMeterFace.y, kMeterFace.w, kMeterFace.h);
    cairo_clip(cr);
    const double value = 1 - std::pow(10.0, -6.0 / 20);
    const double theta = 2.0943951023931953 - value * 1.0471975511965976;
    cairo_move_to(cr, 200.5 + 3 * std::cos(theta), 155.5 - 3 * std::sin(theta));
    cairo_line_to(cr, 200.5 + 86 * std::cos(theta), 155.5 - 86 * std::sin(theta));
    cairo_set_line_width(cr, 2);
    setColour(cr, rgb(170, 165, 160));
    cairo_stroke(cr);
    cairo_restore(cr);
    // The name field's text: Arial 11 in its dark colour, centred.
    setColour(cr, rgb(36, 36, 32));
    setFont(cr, Font::Sans, 11);
    drawText(cr, "Factory Default", 195, 292, Align::Centre);
    if (copy == 1) {
      cairo_set_source_surface(cr, find(pictures, 12200)->surface.get(), 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      setColour(cr, rgb(200, 200, 200));
      setFont(cr, Font::Sans, 12);
      cairo_move_to(cr, 296, 80);
      cairo_show_text(cr, "v.1.2.0");
    }
    cairo_restore(cr);
  }
  return preview;
}

}  // namespace art
