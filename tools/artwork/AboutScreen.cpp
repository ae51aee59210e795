#include "Pictures.h"

namespace art {

// The editor draws the version text at (296, 70), 100 x 10, in light grey: that spot stays dark.
Surface drawAboutScreen() {
  const int w = kEditorWidth, h = kAboutHeight;
  Surface about = makeSurface(w, h);
  Pen cr(about.get());
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(shade, 0, 0.13, 0.13, 0.14);
  cairo_pattern_add_color_stop_rgb(shade, 1, 0.06, 0.06, 0.07);
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);

  cairo_set_line_width(cr, 1);
  cairo_rectangle(cr, 8.5, 8.5, w - 17, h - 17);
  setColour(cr, palette::cream, 0.45);
  cairo_stroke(cr);
  cairo_rectangle(cr, 11.5, 11.5, w - 23, h - 23);
  setColour(cr, palette::cream, 0.18);
  cairo_stroke(cr);

  setColour(cr, palette::cream);
  setFont(cr, Font::SerifBold, 25);
  drawText(cr, "QUORVEL GRAYWICK", 28, 46, Align::Left, 2.5);
  setColour(cr, palette::creamDim);
  setFont(cr, Font::SansBold, 8.5);
  drawText(cr, "OPTO COMPRESSOR", 30, 75, Align::Left, 2.2);

  cairo_move_to(cr, 28, 92.5);
  cairo_line_to(cr, w - 28, 92.5);
  setColour(cr, palette::cream, 0.5);
  cairo_stroke(cr);

  setColour(cr, rgb(205, 198, 180));
  setFont(cr, Font::Sans, 9.5);
  const char* story[] = {"A compressor in the manner of an optical leveller: a smooth,",
                         "programme-dependent release, seven soft ratio curves, and a",
                         "valve stage that adds warmth when you want it."};
  double y = 111;
  for (const char* line : story) {
    drawText(cr, line, 30, y, Align::Left);
    y += 14;
  }

  struct Row {
    const char* name;
    const char* text;
  };
  const Row rows[] = {{"Process", "Valve adds saturation, Clear stays clean, Off bypasses"},
                      {"Ratio", "seven soft curves from 1.2:1 to 10:1"},
                      {"Time", "attack and release together, 0 to 10"},
                      {"Compression", "drive into the curves, 0 to 10"},
                      {"Output", "make-up gain, 0 to +30 dB"}};
  y = 165;
  for (const Row& row : rows) {
    setColour(cr, palette::cream);
    setFont(cr, Font::SansBold, 9);
    drawText(cr, row.name, 30, y, Align::Left, 0.4);
    setColour(cr, rgb(190, 183, 166));
    setFont(cr, Font::Sans, 9);
    drawText(cr, row.text, 112, y, Align::Left);
    y += 14;
  }

  cairo_move_to(cr, 28, 240.5);
  cairo_line_to(cr, w - 28, 240.5);
  setColour(cr, palette::cream, 0.25);
  cairo_stroke(cr);
  setColour(cr, palette::creamDim);
  setFont(cr, Font::SansBold, 8);
  drawText(cr, "QUORVEL-AUDIO", 30, 254, Align::Left, 1.6);
  setFont(cr, Font::Sans, 8);
  drawText(cr, "Click to close", w - 30, 254, Align::Right);
  return about;
}

}  // namespace art
