#include "Pictures.h"

#include <cmath>

namespace art {
namespace {

constexpr double kCentreX = 315;
constexpr double kCentreY = 85;
constexpr double kBaseRadius = 13.5;
constexpr double kLegendRadius = 28;

// Frame 0 is the left position; the editor maps left, middle and right to Valve, Clear and Off.
constexpr const char* kLegends[3] = {"Valve", "Clear", "Off"};
constexpr double kDegrees[3] = {150, 90, 30};

void drawLegend(cairo_t* cr, int position, bool selected) {
  const double a = radians(kDegrees[position]);
  setFont(cr, Font::SansBold, 8);
  const double width = textWidth(cr, kLegends[position]);
  const double reach = kLegendRadius + 0.5 * (std::fabs(std::cos(a)) * width + std::fabs(std::sin(a)) * 6);
  setColour(cr, selected ? palette::amber : palette::creamDim);
  drawText(cr, kLegends[position], kCentreX + reach * std::cos(a), kCentreY - reach * std::sin(a), Align::Centre);
}

// A "chicken head" pointer knob on a round base, pointing at the chosen position.
void drawSelector(cairo_t* cr, double degrees) {
  const double r = kBaseRadius;
  cairo_pattern_t* shadow = cairo_pattern_create_radial(kCentreX + 1.2, kCentreY + 2.5, r * 0.6, kCentreX + 1.2,
                                                        kCentreY + 2.5, r + 6);
  cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, 0.6);
  cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
  cairo_arc(cr, kCentreX + 1.2, kCentreY + 2.5, r + 6, 0, 2 * kPi);
  cairo_set_source(cr, shadow);
  cairo_fill(cr);
  cairo_pattern_destroy(shadow);

  const double baseRadius = 0.85 * r;
  cairo_pattern_t* base = cairo_pattern_create_linear(kCentreX, kCentreY - r, kCentreX, kCentreY + r);
  cairo_pattern_add_color_stop_rgb(base, 0, 0.22, 0.22, 0.23);
  cairo_pattern_add_color_stop_rgb(base, 1, 0.04, 0.04, 0.05);
  cairo_arc(cr, kCentreX, kCentreY, baseRadius, 0, 2 * kPi);
  cairo_set_source(cr, base);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(base);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(8, 8, 9));
  cairo_stroke(cr);

  // The head, drawn along +x and turned into place: a fat round tail tapering to a round tip.
  const double tailX = -0.45 * r, tailRadius = 0.55 * r, tipX = 1.32 * r, tipRadius = 0.17 * r;
  const double alpha = std::acos((tailRadius - tipRadius) / (tipX - tailX));
  auto headPath = [&](double dx, double dy) {
    cairo_save(cr);
    cairo_translate(cr, kCentreX + dx, kCentreY + dy);
    cairo_rotate(cr, -radians(degrees));
    cairo_new_path(cr);
    cairo_arc(cr, tailX, 0, tailRadius, alpha, 2 * kPi - alpha);
    cairo_arc(cr, tipX, 0, tipRadius, -alpha, alpha);
    cairo_close_path(cr);
    cairo_restore(cr);  // the path stays, in window coordinates
  };

  headPath(1.0, 2.0);
  setColour(cr, rgb(0, 0, 0), 0.55);
  cairo_fill(cr);

  headPath(0, 0);
  cairo_pattern_t* body = cairo_pattern_create_linear(kCentreX - r, kCentreY - r, kCentreX + r, kCentreY + r);
  cairo_pattern_add_color_stop_rgb(body, 0, 0.46, 0.46, 0.48);
  cairo_pattern_add_color_stop_rgb(body, 0.55, 0.17, 0.17, 0.18);
  cairo_pattern_add_color_stop_rgb(body, 1, 0.07, 0.07, 0.08);
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  setColour(cr, rgb(0, 0, 0), 0.9);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);

  const double a = radians(degrees);
  const double ux = std::cos(a), uy = -std::sin(a);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, kCentreX + 0.1 * r * ux, kCentreY + 0.1 * r * uy);
  cairo_line_to(cr, kCentreX + 1.32 * r * ux, kCentreY + 1.32 * r * uy);
  cairo_set_line_width(cr, 1.7);
  setColour(cr, palette::cream);
  cairo_stroke(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

}  // namespace

void drawProcessSwitchLegends(cairo_t* cr) {
  cairo_set_line_width(cr, 1.3);
  setColour(cr, palette::cream);
  for (double degrees : kDegrees) {
    const double a = radians(degrees);
    cairo_move_to(cr, kCentreX + 21.5 * std::cos(a), kCentreY - 21.5 * std::sin(a));
    cairo_line_to(cr, kCentreX + 25 * std::cos(a), kCentreY - 25 * std::sin(a));
    cairo_stroke(cr);
  }
  for (int position = 0; position < 3; ++position) drawLegend(cr, position, false);
  setColour(cr, palette::cream);
  setFont(cr, Font::SansBold, 8.5);
  drawText(cr, "Process", kCentreX, 114, Align::Centre, 0.8);
}

Surface drawProcessSwitchStrip(cairo_surface_t* plate) {
  const Box b = kProcessSwitch;
  Surface strip = makeSurface(b.w, b.h * 3);
  Pen cr(strip.get());
  for (int frame = 0; frame < 3; ++frame) {
    const int top = frame * b.h;
    copyRegion(cr, plate, b.x, b.y, b.w, b.h, top);
    cairo_save(cr);
    cairo_rectangle(cr, 0, top, b.w, b.h);
    cairo_clip(cr);
    cairo_translate(cr, -b.x, top - b.y);
    drawLegend(cr, frame, true);
    drawSelector(cr, kDegrees[frame]);
    cairo_restore(cr);
  }
  return strip;
}

}  // namespace art
