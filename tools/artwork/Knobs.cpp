#include "Pictures.h"

#include <cmath>
#include <vector>

namespace art {
namespace {

struct Legend {
  double value;
  const char* text;
};

struct KnobDesign {
  Box box;
  double cx, cy;  // centre in frame pixels
  double radius;  // outer radius of the skirt
  int frames;
  std::vector<Legend> legends;
  int ticks;  // evenly spread over the arc; those at a legend are long
  double legendRadius;
  double legendSize;
  const char* label;
  double labelY;
  double labelSize;
  int knurls;
  const char* unit;  // shown small in the gap of the scale, or null
};

// The knob's arc: 270 degrees clockwise from the lower left, as the circular drag maps it.
double degreesForValue(double value) { return 225.0 - 270.0 * value; }

const KnobDesign& design(KnobKind kind) {
  static const KnobDesign ratio{kRatioKnob, 85, 84, 15.5, 7,
                                {{0, "1.2:1"}, {1 / 6.0, "1.5:1"}, {2 / 6.0, "2:1"}, {3 / 6.0, "3:1"},
                                 {4 / 6.0, "4:1"}, {5 / 6.0, "6:1"}, {1, "10:1"}},
                                7, 24.5, 8, "Ratio", 113, 8.5, 18, nullptr};
  static const std::vector<Legend> zeroToTen{{0, "0"},   {0.1, "1"}, {0.2, "2"}, {0.3, "3"}, {0.4, "4"}, {0.5, "5"},
                                             {0.6, "6"}, {0.7, "7"}, {0.8, "8"}, {0.9, "9"}, {1, "10"}};
  static const KnobDesign time{kTimeKnob, 85, 196, 26, 21, zeroToTen, 21, 36.5, 8.5, "Time", 249, 9.5, 30, nullptr};
  static const KnobDesign compression{kCompressionKnob, 200, 196, 26, 41, zeroToTen, 21, 36.5, 8.5,
                                      "Compression", 249, 9.5, 30, nullptr};
  static const KnobDesign output{kOutputKnob, 315, 196, 26, 61,
                                 {{0, "0"}, {1 / 6.0, "5"}, {2 / 6.0, "10"}, {3 / 6.0, "15"}, {4 / 6.0, "20"},
                                  {5 / 6.0, "25"}, {1, "30"}},
                                 31, 36.5, 8.5, "Output", 249, 9.5, 30, "dB"};
  switch (kind) {
    case KnobKind::Ratio: return ratio;
    case KnobKind::Time: return time;
    case KnobKind::Compression: return compression;
    case KnobKind::Output: return output;
  }
  return time;
}

bool isLegendValue(const KnobDesign& d, double value) {
  for (const Legend& legend : d.legends) {
    if (std::fabs(legend.value - value) < 1e-6) return true;
  }
  return false;
}

void drawScale(cairo_t* cr, const KnobDesign& d) {
  const bool small = d.radius < 20;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  for (int i = 0; i < d.ticks; ++i) {
    const double value = double(i) / (d.ticks - 1);
    const double a = radians(degreesForValue(value));
    const bool major = isLegendValue(d, value);
    const double inner = d.radius + (small ? 2.5 : 3.5);
    const double outer = inner + (major ? (small ? 3.5 : 5.0) : (small ? 2.0 : 2.5));
    cairo_move_to(cr, d.cx + inner * std::cos(a), d.cy - inner * std::sin(a));
    cairo_line_to(cr, d.cx + outer * std::cos(a), d.cy - outer * std::sin(a));
    cairo_set_line_width(cr, major ? 1.3 : 0.9);
    setColour(cr, major ? palette::cream : palette::creamDim, major ? 1.0 : 0.8);
    cairo_stroke(cr);
  }

  setColour(cr, palette::cream);
  setFont(cr, small ? Font::NarrowBold : Font::SansBold, d.legendSize);
  cairo_text_extents_t capital;
  cairo_text_extents(cr, "0", &capital);
  const double height = -capital.y_bearing;
  for (const Legend& legend : d.legends) {
    const double a = radians(degreesForValue(legend.value));
    const double width = textWidth(cr, legend.text);
    // Push the text out until its box clears the legend radius in the direction of its tick.
    const double reach = d.legendRadius + 0.5 * (std::fabs(std::cos(a)) * width + std::fabs(std::sin(a)) * height);
    drawText(cr, legend.text, d.cx + reach * std::cos(a), d.cy - reach * std::sin(a), Align::Centre);
  }

  setFont(cr, Font::SansBold, d.labelSize);
  drawText(cr, d.label, d.cx, d.labelY, Align::Centre, 0.8);
  if (d.unit != nullptr) {
    setColour(cr, palette::creamDim);
    setFont(cr, Font::SansBold, 7);
    drawText(cr, d.unit, d.cx, d.cy + d.radius + 10, Align::Centre);
  }
}

// A black bakelite knob lit from the upper left; only the pointer and the knurls turn.
void drawKnob(cairo_t* cr, double cx, double cy, double r, double degrees, int knurls) {
  const double a = radians(degrees);
  const double ux = std::cos(a), uy = -std::sin(a);

  cairo_pattern_t* shadow = cairo_pattern_create_radial(cx + 1.2, cy + 2.6, r * 0.7, cx + 1.2, cy + 2.6, r + 5);
  cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.65);
  cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
  cairo_arc(cr, cx + 1.2, cy + 2.6, r + 5, 0, 2 * kPi);
  cairo_set_source(cr, shadow);
  cairo_fill(cr);
  cairo_pattern_destroy(shadow);

  cairo_pattern_t* skirt = cairo_pattern_create_linear(cx, cy - r, cx, cy + r);
  cairo_pattern_add_color_stop_rgb(skirt, 0, 0.36, 0.36, 0.37);
  cairo_pattern_add_color_stop_rgb(skirt, 0.5, 0.15, 0.15, 0.16);
  cairo_pattern_add_color_stop_rgb(skirt, 1, 0.06, 0.06, 0.07);
  cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
  cairo_set_source(cr, skirt);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(skirt);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(8, 8, 9));
  cairo_stroke(cr);

  const double capRadius = r * 0.74;
  cairo_set_line_width(cr, r > 20 ? 1.2 : 0.9);
  for (int i = 0; i < knurls; ++i) {
    const double k = a + 2 * kPi * i / knurls;
    cairo_move_to(cr, cx + (capRadius + 1.2) * std::cos(k), cy - (capRadius + 1.2) * std::sin(k));
    cairo_line_to(cr, cx + (r - 1.0) * std::cos(k), cy - (r - 1.0) * std::sin(k));
    setColour(cr, rgb(0, 0, 0), 0.55);
    cairo_stroke(cr);
    const double lit = k + 2 * kPi / knurls * 0.35;
    cairo_move_to(cr, cx + (capRadius + 1.2) * std::cos(lit), cy - (capRadius + 1.2) * std::sin(lit));
    cairo_line_to(cr, cx + (r - 1.0) * std::cos(lit), cy - (r - 1.0) * std::sin(lit));
    // Knurls facing the light catch it.
    const double facing = 0.5 + 0.5 * std::cos(lit - radians(135));
    setColour(cr, rgb(150, 150, 150), 0.05 + 0.18 * facing);
    cairo_stroke(cr);
  }

  cairo_pattern_t* cap = cairo_pattern_create_radial(cx - capRadius * 0.35, cy - capRadius * 0.45, 0, cx, cy,
                                                     capRadius * 1.05);
  cairo_pattern_add_color_stop_rgb(cap, 0, 0.33, 0.33, 0.35);
  cairo_pattern_add_color_stop_rgb(cap, 0.55, 0.14, 0.14, 0.15);
  cairo_pattern_add_color_stop_rgb(cap, 1, 0.07, 0.07, 0.08);
  cairo_arc(cr, cx, cy, capRadius, 0, 2 * kPi);
  cairo_set_source(cr, cap);
  cairo_fill(cr);
  cairo_pattern_destroy(cap);
  cairo_set_line_width(cr, 1);
  cairo_arc(cr, cx, cy, capRadius - 0.5, radians(160), radians(290));
  setColour(cr, rgb(160, 160, 160), 0.35);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, capRadius + 0.3, radians(-20), radians(110));
  setColour(cr, rgb(0, 0, 0), 0.8);
  cairo_stroke(cr);

  // The pointer: a cream line from near the centre across the skirt, on a dark groove.
  const double inner = r * 0.22, outer = r - 1.2;
  const double width = r > 20 ? 2.4 : 1.9;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx + inner * ux, cy + inner * uy);
  cairo_line_to(cr, cx + outer * ux, cy + outer * uy);
  cairo_set_line_width(cr, width + 1.6);
  setColour(cr, rgb(0, 0, 0), 0.7);
  cairo_stroke(cr);
  cairo_move_to(cr, cx + inner * ux, cy + inner * uy);
  cairo_line_to(cr, cx + outer * ux, cy + outer * uy);
  cairo_set_line_width(cr, width);
  setColour(cr, palette::cream);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

}  // namespace

int knobFrames(KnobKind kind) { return design(kind).frames; }
Box knobBox(KnobKind kind) { return design(kind).box; }

void drawKnobScales(cairo_t* cr) {
  for (KnobKind kind : {KnobKind::Ratio, KnobKind::Time, KnobKind::Compression, KnobKind::Output}) {
    drawScale(cr, design(kind));
  }
}

Surface drawKnobStrip(cairo_surface_t* plate, KnobKind kind) {
  const KnobDesign& d = design(kind);
  Surface strip = makeSurface(d.box.w, d.box.h * d.frames);
  Pen cr(strip.get());
  for (int frame = 0; frame < d.frames; ++frame) {
    const int top = frame * d.box.h;
    copyRegion(cr, plate, d.box.x, d.box.y, d.box.w, d.box.h, top);
    cairo_save(cr);
    cairo_rectangle(cr, 0, top, d.box.w, d.box.h);
    cairo_clip(cr);
    cairo_translate(cr, -d.box.x, top - d.box.y);
    drawKnob(cr, d.cx, d.cy, d.radius, degreesForValue(double(frame) / (d.frames - 1)), d.knurls);
    cairo_restore(cr);
  }
  return strip;
}

}  // namespace art
