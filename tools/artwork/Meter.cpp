#include "Pictures.h"

#include <cmath>

namespace art {
namespace {

// The pivot as seen from the face's top-left corner.
constexpr double kPivotX = kNeedlePivotX - kMeterFace.x;
constexpr double kPivotY = kNeedlePivotY - kMeterFace.y;
constexpr double kArcRadius = 75;

struct Mark {
  double decibels;
  const char* text;  // null for a minor mark
};
constexpr Mark kMarks[] = {{0, "0"},      {1, nullptr},  {2, nullptr},  {3, "3"},     {4, nullptr},
                           {5, nullptr},  {6, "6"},      {8, nullptr},  {10, nullptr}, {12, "12"},
                           {16, nullptr}, {20, nullptr}, {24, "24"}};

struct FacePalette {
  Colour glowCentre, glowEdge, ink, red;
};

void arcBetween(cairo_t* cr, double radius, double fromDb, double toDb) {
  // Screen y points down, so the needle's counter-clockwise degrees become negative angles.
  cairo_arc(cr, kPivotX, kPivotY, radius, -radians(needleDegreesForReduction(fromDb)),
            -radians(needleDegreesForReduction(toDb)));
}

void drawFace(cairo_t* cr, const FacePalette& p) {
  const double w = kMeterFace.w, h = kMeterFace.h;
  // Lamp light from behind the scale, brightest low in the middle.
  cairo_pattern_t* glow = cairo_pattern_create_radial(w / 2, h * 0.9, 4, w / 2, h * 0.9, w * 0.75);
  cairo_pattern_add_color_stop_rgb(glow, 0, p.glowCentre.r, p.glowCentre.g, p.glowCentre.b);
  cairo_pattern_add_color_stop_rgb(glow, 1, p.glowEdge.r, p.glowEdge.g, p.glowEdge.b);
  cairo_set_source(cr, glow);
  cairo_paint(cr);
  cairo_pattern_destroy(glow);

  cairo_set_line_width(cr, 2.4);
  setColour(cr, p.red);
  arcBetween(cr, kArcRadius + 1.6, 12, 24);
  cairo_stroke(cr);

  cairo_set_line_width(cr, 1.2);
  setColour(cr, p.ink);
  arcBetween(cr, kArcRadius, 0, 24);
  cairo_stroke(cr);

  setFont(cr, Font::SansBold, 8);
  for (const Mark& mark : kMarks) {
    const double a = radians(needleDegreesForReduction(mark.decibels));
    const double ux = std::cos(a), uy = -std::sin(a);
    const double outer = kArcRadius + (mark.text ? 6.5 : 4);
    cairo_move_to(cr, kPivotX + kArcRadius * ux, kPivotY + kArcRadius * uy);
    cairo_line_to(cr, kPivotX + outer * ux, kPivotY + outer * uy);
    cairo_set_line_width(cr, mark.text ? 1.4 : 1);
    cairo_stroke(cr);
    if (mark.text) {
      const double reach = kArcRadius - 8.5;
      drawText(cr, mark.text, kPivotX + reach * ux, kPivotY + reach * uy, Align::Centre);
    }
  }
  setFont(cr, Font::SansBold, 7);
  drawText(cr, "dB", w - 8, h - 7, Align::Centre);

  // The bezel's shadow on the top of the face.
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, 5);
  cairo_pattern_add_color_stop_rgba(shade, 0, 0, 0, 0, 0.55);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0);
  cairo_rectangle(cr, 0, 0, w, 5);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
}

}  // namespace

double needleDegreesForReduction(double decibels) {
  const double value = 1.0 - std::pow(10.0, -decibels / 20.0);
  return 120.0 - 60.0 * value;
}

void drawMeterBezel(cairo_t* cr) {
  const Box f = kMeterFace;
  roundedRectangle(cr, f.x - 6.5, f.y - 6.5, f.w + 13, f.h + 13, 4);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, f.y - 7, 0, f.y + f.h + 7);
  cairo_pattern_add_color_stop_rgb(rim, 0, 0.09, 0.09, 0.10);
  cairo_pattern_add_color_stop_rgb(rim, 1, 0.20, 0.20, 0.21);
  cairo_set_source(cr, rim);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(rim);
  cairo_set_line_width(cr, 1);
  setColour(cr, palette::groove);
  cairo_stroke(cr);
  cairo_move_to(cr, f.x - 4, f.y + f.h + 7.5);
  cairo_line_to(cr, f.x + f.w + 4, f.y + f.h + 7.5);
  setColour(cr, palette::highlight, 0.7);
  cairo_stroke(cr);
  cairo_rectangle(cr, f.x - 1.5, f.y - 1.5, f.w + 3, f.h + 3);
  setColour(cr, rgb(5, 5, 5));
  cairo_stroke(cr);

  setColour(cr, palette::cream);
  setFont(cr, Font::SansBold, 8.5);
  drawText(cr, "Gain Reduction", 200, 127, Align::Centre, 0.8);
}

Surface drawMeterFace(bool lit) {
  Surface face = makeSurface(kMeterFace.w, kMeterFace.h);
  Pen cr(face.get());
  const FacePalette litPalette{rgb(140, 101, 50), rgb(50, 35, 20), rgb(255, 232, 186), rgb(226, 84, 50)};
  const FacePalette dimPalette{rgb(40, 38, 35), rgb(22, 21, 20), rgb(128, 122, 110), rgb(92, 58, 48)};
  drawFace(cr, lit ? litPalette : dimPalette);
  return face;
}

Surface drawMeterOverlay() {
  // Held by the meter but never drawn: a sheet of glass in its bezel, for completeness.
  const Box b = kMeterOverlay;
  Surface overlay = makeSurface(b.w, b.h);
  Pen cr(overlay.get());
  setColour(cr, rgb(18, 18, 19));
  cairo_paint(cr);
  cairo_rectangle(cr, 6.5, 1.5, b.w - 13, b.h - 3);
  setColour(cr, rgb(5, 5, 5));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, b.w, b.h);
  cairo_pattern_add_color_stop_rgba(sheen, 0, 1, 1, 1, 0.10);
  cairo_pattern_add_color_stop_rgba(sheen, 0.5, 1, 1, 1, 0.02);
  cairo_pattern_add_color_stop_rgba(sheen, 1, 1, 1, 1, 0.0);
  cairo_rectangle(cr, 7, 2, b.w - 14, b.h - 4);
  cairo_set_source(cr, sheen);
  cairo_fill(cr);
  cairo_pattern_destroy(sheen);
  return overlay;
}

}  // namespace art
