#include "Pictures.h"

#include <cstdint>
#include <utility>

namespace art {
namespace {

std::uint32_t hash(std::uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352dU;
  x ^= x >> 15;
  x *= 0x846ca68bU;
  x ^= x >> 16;
  return x;
}

// -1..1 from integer coordinates: the same "random" grain on every run.
double grain(std::uint32_t a, std::uint32_t b) { return (hash(a * 73856093U ^ hash(b)) & 0xFFFF) / 32767.5 - 1.0; }

// Faint horizontal brushing: streaks that vary slowly along x, plus fine grain.
void brush(cairo_surface_t* surface, int top, int bottom) {
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int width = cairo_image_surface_get_width(surface);
  for (int y = top; y < bottom; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const double along = x / 37.0;
      const int cell = int(along);
      const double t = along - cell;
      const double streak = grain(cell, y) * (1 - t) + grain(cell + 1, y) * t;
      const int delta = int((streak * 2.2 + grain(x + 5000, y) * 1.2) + 10.5) - 10;
      const std::uint32_t pixel = row[x];
      auto channel = [&](int shift) {
        int v = int((pixel >> shift) & 0xFF) + delta;
        v = v < 0 ? 0 : (v > 255 ? 255 : v);
        return std::uint32_t(v) << shift;
      };
      row[x] = 0xFF000000U | channel(16) | channel(8) | channel(0);
    }
  }
  cairo_surface_mark_dirty(surface);
}

void drawTitleBadge(cairo_t* cr) {
  const Box b = kTitleZone;
  // A recessed nameplate filling the hot zone, so that the click target is visible.
  roundedRectangle(cr, b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1, 3);
  setColour(cr, rgb(26, 26, 28));
  cairo_fill_preserve(cr);
  setColour(cr, palette::groove);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_move_to(cr, b.x + 3, b.y + b.h + 0.5);
  cairo_line_to(cr, b.x + b.w - 3, b.y + b.h + 0.5);
  setColour(cr, palette::highlight, 0.6);
  cairo_stroke(cr);
  roundedRectangle(cr, b.x + 3.5, b.y + 3.5, b.w - 7, b.h - 7, 1.5);
  setColour(cr, palette::cream, 0.35);
  cairo_stroke(cr);

  setColour(cr, palette::cream);
  setFont(cr, Font::SerifBold, 13);
  drawText(cr, "QUORVEL GRAYWICK", b.x + b.w / 2.0, b.y + b.h / 2.0, Align::Centre, 2.4);
}

// An engraved rule between the upper row and the knobs, interrupted by the meter's label.
void drawRule(cairo_t* cr) {
  const double y = 137.5;
  cairo_set_line_width(cr, 1);
  for (const auto& [from, to] : {std::pair<double, double>{24, 146}, {254, 376}}) {
    cairo_move_to(cr, from, y);
    cairo_line_to(cr, to, y);
    setColour(cr, palette::groove, 0.9);
    cairo_stroke(cr);
    cairo_move_to(cr, from, y + 1);
    cairo_line_to(cr, to, y + 1);
    setColour(cr, palette::highlight, 0.5);
    cairo_stroke(cr);
  }
}

void drawEdges(cairo_t* cr) {
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 0, 0.5);
  cairo_line_to(cr, kEditorWidth, 0.5);
  cairo_move_to(cr, 0.5, 0);
  cairo_line_to(cr, 0.5, kStripTop);
  setColour(cr, palette::highlight);
  cairo_stroke(cr);
  cairo_move_to(cr, kEditorWidth - 0.5, 0);
  cairo_line_to(cr, kEditorWidth - 0.5, kEditorHeight);
  cairo_move_to(cr, 0, kEditorHeight - 0.5);
  cairo_line_to(cr, kEditorWidth, kEditorHeight - 0.5);
  setColour(cr, palette::groove);
  cairo_stroke(cr);
}

void drawStrip(cairo_t* cr) {
  cairo_rectangle(cr, 0, kStripTop, kEditorWidth, kEditorHeight - kStripTop);
  setColour(cr, palette::strip);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, 0, kStripTop + 0.5);
  cairo_line_to(cr, kEditorWidth, kStripTop + 0.5);
  setColour(cr, palette::groove);
  cairo_stroke(cr);
  cairo_move_to(cr, 0, kStripTop + 1.5);
  cairo_line_to(cr, kEditorWidth, kStripTop + 1.5);
  setColour(cr, palette::highlight, 0.45);
  cairo_stroke(cr);
}

}  // namespace

Surface drawPlate() {
  Surface plate = makeSurface(kEditorWidth, kEditorHeight);
  {
    Pen cr(plate.get());
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, kStripTop);
    cairo_pattern_add_color_stop_rgb(shade, 0, palette::plate.r * 1.08, palette::plate.g * 1.08, palette::plate.b * 1.08);
    cairo_pattern_add_color_stop_rgb(shade, 1, palette::plate.r * 0.92, palette::plate.g * 0.92, palette::plate.b * 0.92);
    cairo_set_source(cr, shade);
    cairo_paint(cr);
    cairo_pattern_destroy(shade);
    drawStrip(cr);
  }
  brush(plate.get(), 0, kEditorHeight);
  {
    Pen cr(plate.get());
    drawEdges(cr);
    drawScrew(cr, 10, 10, 4, 30);
    drawScrew(cr, kEditorWidth - 10, 10, 4, 120);
    drawScrew(cr, 10, kStripTop - 10, 4, 75);
    drawScrew(cr, kEditorWidth - 10, kStripTop - 10, 4, 160);
    drawTitleBadge(cr);
    setColour(cr, palette::creamDim);
    setFont(cr, Font::SansBold, 7);
    drawText(cr, "OPTO COMPRESSOR", 200, 53.5, Align::Centre, 1.6);
    drawRule(cr);
    drawMeterBezel(cr);
    drawKnobScales(cr);
    drawProcessSwitchLegends(cr);
    drawPanelLegends(cr);
  }
  return plate;
}

Surface drawBackground(cairo_surface_t* plate, cairo_surface_t* const* restingImages, const Box* boxes, int count) {
  Surface background = makeSurface(kEditorWidth, kEditorHeight);
  Pen cr(background.get());
  cairo_set_source_surface(cr, plate, 0, 0);
  cairo_paint(cr);
  for (int i = 0; i < count; ++i) {
    cairo_save(cr);
    cairo_rectangle(cr, boxes[i].x, boxes[i].y, boxes[i].w, boxes[i].h);
    cairo_clip(cr);
    cairo_set_source_surface(cr, restingImages[i], boxes[i].x, boxes[i].y);
    cairo_paint(cr);
    cairo_restore(cr);
  }
  return background;
}

}  // namespace art
