#include "Canvas.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>

namespace art {
namespace {

const char* fontFile(Font font) {
  switch (font) {
    case Font::Sans: return "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf";
    case Font::SansBold: return "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf";
    case Font::NarrowBold: return "/usr/share/fonts/truetype/liberation/LiberationSansNarrow-Bold.ttf";
    case Font::SerifBold: return "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf";
  }
  return "";
}

// Font faces live for the whole run; a missing file stops the program rather than drawing with a
// substitute that would change the pictures.
cairo_font_face_t* fontFace(Font font) {
  static std::map<Font, cairo_font_face_t*> faces;
  auto found = faces.find(font);
  if (found != faces.end()) return found->second;
  const char* file = fontFile(font);
  FILE* probe = std::fopen(file, "rb");
  if (probe == nullptr) {
    std::fprintf(stderr, "qg_artwork: font file missing: %s\n", file);
    std::exit(2);
  }
  std::fclose(probe);
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FILE, reinterpret_cast<const FcChar8*>(file));
  FcPatternAddInteger(pattern, FC_INDEX, 0);
  cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(pattern);
  FcPatternDestroy(pattern);
  faces[font] = face;
  return face;
}

}  // namespace

Surface makeSurface(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height));
}

void setColour(cairo_t* cr, Colour c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void setFont(cairo_t* cr, Font font, double size) {
  cairo_set_font_face(cr, fontFace(font));
  cairo_set_font_size(cr, size);
  // Fixed rendering options instead of the desktop's: grey anti-aliasing, light hinting.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
}

double textWidth(cairo_t* cr, const std::string& text, double tracking) {
  if (tracking == 0) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
  }
  double width = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // Whole UTF-8 sequences, so that symbols such as the dot and the infinity sign keep together.
    std::size_t length = 1;
    while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.substr(i, length).c_str(), &extents);
    width += extents.x_advance;
    if (i + length < text.size()) width += tracking;
    i += length - 1;
  }
  return width;
}

double drawText(cairo_t* cr, const std::string& text, double x, double y, Align align, double tracking) {
  const double width = textWidth(cr, text, tracking);
  cairo_text_extents_t capital;
  cairo_text_extents(cr, "H", &capital);
  const double capHeight = -capital.y_bearing;
  double left = x;
  if (align == Align::Centre) left = x - width / 2;
  if (align == Align::Right) left = x - width;
  const double baseline = y + capHeight / 2;
  if (tracking == 0) {
    // In one piece, so that the font's kerning applies.
    cairo_move_to(cr, left, baseline);
    cairo_show_text(cr, text.c_str());
    return width;
  }
  double pen = left;
  for (std::size_t i = 0; i < text.size(); ++i) {
    std::size_t length = 1;
    while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
    const std::string glyph = text.substr(i, length);
    cairo_move_to(cr, pen, baseline);
    cairo_show_text(cr, glyph.c_str());
    cairo_text_extents_t extents;
    cairo_text_extents(cr, glyph.c_str(), &extents);
    pen += extents.x_advance + tracking;
    i += length - 1;
  }
  return width;
}

void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
  cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
  cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
  cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void drawScrew(cairo_t* cr, double cx, double cy, double radius, double slotDegrees) {
  cairo_save(cr);
  cairo_arc(cr, cx + 0.6, cy + 0.9, radius + 0.8, 0, 2 * kPi);
  setColour(cr, palette::groove, 0.7);
  cairo_fill(cr);
  cairo_pattern_t* head = cairo_pattern_create_radial(cx - radius * 0.4, cy - radius * 0.4, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgb(head, 0, 0.62, 0.61, 0.58);
  cairo_pattern_add_color_stop_rgb(head, 1, 0.28, 0.28, 0.27);
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  cairo_set_source(cr, head);
  cairo_fill(cr);
  cairo_pattern_destroy(head);
  const double a = radians(slotDegrees);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, cx - std::cos(a) * radius * 0.8, cy - std::sin(a) * radius * 0.8);
  cairo_line_to(cr, cx + std::cos(a) * radius * 0.8, cy + std::sin(a) * radius * 0.8);
  setColour(cr, rgb(30, 30, 30));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void copyRegion(cairo_t* target, cairo_surface_t* source, int x, int y, int w, int h, int top) {
  cairo_save(target);
  cairo_rectangle(target, 0, top, w, h);
  cairo_clip(target);
  cairo_set_source_surface(target, source, -x, top - y);
  cairo_set_operator(target, CAIRO_OPERATOR_SOURCE);
  cairo_paint(target);
  cairo_restore(target);
}

}  // namespace art
