#include "Pictures.h"

namespace art {
namespace {

// Image order of the panel's buttons: at rest, under the mouse, pressed.
enum class Look { Rest, Hover, Pressed };

void drawButtonBody(cairo_t* cr, double x, double y, double w, double h, Look look) {
  roundedRectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1, 2);
  cairo_pattern_t* body = cairo_pattern_create_linear(0, y, 0, y + h);
  if (look == Look::Pressed) {
    cairo_pattern_add_color_stop_rgb(body, 0, 0.10, 0.10, 0.11);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.19, 0.19, 0.20);
  } else {
    const double lift = look == Look::Hover ? 0.06 : 0.0;
    cairo_pattern_add_color_stop_rgb(body, 0, 0.33 + lift, 0.33 + lift, 0.34 + lift);
    cairo_pattern_add_color_stop_rgb(body, 1, 0.15 + lift, 0.15 + lift, 0.16 + lift);
  }
  cairo_set_source(cr, body);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(body);
  cairo_set_line_width(cr, 1);
  setColour(cr, rgb(6, 6, 7));
  cairo_stroke(cr);
  if (look != Look::Pressed) {
    cairo_move_to(cr, x + 2.5, y + 1.5);
    cairo_line_to(cr, x + w - 2.5, y + 1.5);
    setColour(cr, rgb(255, 255, 255), look == Look::Hover ? 0.22 : 0.14);
    cairo_stroke(cr);
  }
}

Colour inkFor(Look look) {
  if (look == Look::Pressed) return palette::amber;
  return look == Look::Hover ? rgb(255, 244, 214) : palette::cream;
}

// Arrow down onto a tray (keep) or up out of it (fetch), in a 12 x 14 button.
void drawGlyph(cairo_t* cr, ButtonGlyph glyph, double x, double y, Colour ink) {
  setColour(cr, ink);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, x + 2.5, y + 8);
  cairo_line_to(cr, x + 2.5, y + 10.5);
  cairo_line_to(cr, x + 9.5, y + 10.5);
  cairo_line_to(cr, x + 9.5, y + 8);
  cairo_stroke(cr);
  const bool down = glyph == ButtonGlyph::Save || glyph == ButtonGlyph::Store;
  if (down) {
    cairo_rectangle(cr, x + 5, y + 2, 2, 4);
    cairo_fill(cr);
    cairo_move_to(cr, x + 3, y + 5.5);
    cairo_line_to(cr, x + 9, y + 5.5);
    cairo_line_to(cr, x + 6, y + 9);
  } else {
    cairo_rectangle(cr, x + 5, y + 5, 2, 4);
    cairo_fill(cr);
    cairo_move_to(cr, x + 3, y + 5.5);
    cairo_line_to(cr, x + 9, y + 5.5);
    cairo_line_to(cr, x + 6, y + 2);
  }
  cairo_close_path(cr);
  cairo_fill(cr);
}

void drawTriangle(cairo_t* cr, double cx, double cy, bool left, Colour ink) {
  setColour(cr, ink);
  const double dx = left ? -1 : 1;
  cairo_move_to(cr, cx + 2.5 * dx, cy);
  cairo_line_to(cr, cx - 2 * dx, cy - 3.5);
  cairo_line_to(cr, cx - 2 * dx, cy + 3.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

Surface strip(cairo_surface_t* plate, Box box, int frames) {
  Surface s = makeSurface(box.w, box.h * frames);
  Pen cr(s.get());
  for (int frame = 0; frame < frames; ++frame) copyRegion(cr, plate, box.x, box.y, box.w, box.h, frame * box.h);
  return s;
}

}  // namespace

void drawPanelLegends(cairo_t* cr) {
  setColour(cr, palette::cream);
  setFont(cr, Font::SansBold, 8);
  drawText(cr, "Preset", 50, kLoadPreset.y + 7, Align::Right, 0.5);
  drawText(cr, "Bank", 50, kLoadBank.y + 7, Align::Right, 0.5);
  drawText(cr, "A", 320.5, kStoreMemoA.y + 7, Align::Centre);
  drawText(cr, "B", 320.5, kStoreMemoB.y + 7, Align::Centre);
  drawText(cr, "Memory", 346, 292.5, Align::Left, 0.5);

  setColour(cr, palette::creamDim);
  setFont(cr, Font::SansBold, 7);
  const double headY = 270;
  drawText(cr, "Save", kSavePreset.x + 6, headY, Align::Centre, 0.4);
  drawText(cr, "Load", kLoadPreset.x + 6, headY, Align::Centre, 0.4);
  drawText(cr, "Program", kNameField.x + kNameField.w / 2.0, headY, Align::Centre, 0.4);
  drawText(cr, "Store", kStoreMemoA.x + 6, headY, Align::Centre, 0.4);
  drawText(cr, "Recall", kRecallMemoA.x + 6, headY, Align::Centre, 0.4);

  // The name field draws only its text: the display window behind it is part of the plate.
  const Box n = kNameField;
  roundedRectangle(cr, n.x - 1.5, n.y - 0.5, n.w + 3, n.h + 2, 2);
  setColour(cr, palette::groove);
  cairo_fill(cr);
  cairo_rectangle(cr, n.x - 0.5, n.y + 0.5, n.w + 1, n.h);
  setColour(cr, palette::nameDisplay);
  cairo_fill(cr);
  cairo_pattern_t* inset = cairo_pattern_create_linear(0, n.y + 0.5, 0, n.y + 4);
  cairo_pattern_add_color_stop_rgba(inset, 0, 0, 0, 0, 0.35);
  cairo_pattern_add_color_stop_rgba(inset, 1, 0, 0, 0, 0);
  cairo_rectangle(cr, n.x - 0.5, n.y + 0.5, n.w + 1, 4);
  cairo_set_source(cr, inset);
  cairo_fill(cr);
  cairo_pattern_destroy(inset);

  // The program menu is an invisible hot spot: this is the button the user sees.
  const Box m = kProgramMenu;
  drawButtonBody(cr, m.x, m.y, m.w, m.h, Look::Rest);
  setColour(cr, palette::cream);
  cairo_move_to(cr, m.x + 3, m.y + 4.5);
  cairo_line_to(cr, m.x + 9, m.y + 4.5);
  cairo_line_to(cr, m.x + 6, m.y + 8.5);
  cairo_close_path(cr);
  cairo_fill(cr);
}

Surface drawSmallButtonStrip(cairo_surface_t* plate, Box box, ButtonGlyph glyph) {
  Surface s = strip(plate, box, 3);
  Pen cr(s.get());
  for (Look look : {Look::Rest, Look::Hover, Look::Pressed}) {
    const double top = int(look) * box.h;
    drawButtonBody(cr, 0, top, box.w, box.h, look);
    drawGlyph(cr, glyph, 0, top + (look == Look::Pressed ? 1 : 0), inkFor(look));
  }
  return s;
}

Surface drawDefaultButtonStrip(cairo_surface_t* plate, Box box) {
  Surface s = strip(plate, box, 3);
  Pen cr(s.get());
  for (Look look : {Look::Rest, Look::Hover, Look::Pressed}) {
    const double top = int(look) * box.h;
    drawButtonBody(cr, 0, top, box.w, box.h, look);
    setColour(cr, inkFor(look));
    setFont(cr, Font::NarrowBold, 7);
    drawText(cr, "DEFAULT", box.w / 2.0, top + box.h / 2.0 + (look == Look::Pressed ? 0.5 : 0), Align::Centre);
  }
  return s;
}

Surface drawStepperStrip(cairo_surface_t* plate) {
  // Images: at rest, left or right half under the mouse, left or right half pressed. The control
  // shows 30 x 13 of each 31 x 14 image.
  const Box box = kStepper;
  Surface s = strip(plate, box, 5);
  Pen cr(s.get());
  const double w = box.w - 1, h = box.h - 1, half = w / 2;
  for (int frame = 0; frame < 5; ++frame) {
    const double top = frame * box.h;
    const Look left = frame == 3 ? Look::Pressed : (frame == 1 ? Look::Hover : Look::Rest);
    const Look right = frame == 4 ? Look::Pressed : (frame == 2 ? Look::Hover : Look::Rest);
    drawButtonBody(cr, 0, top, half + 1, h, left);
    drawButtonBody(cr, half - 1, top, half + 1, h, right);
    drawTriangle(cr, half / 2 + 0.5, top + h / 2 + (frame == 3 ? 1 : 0), true, inkFor(left));
    drawTriangle(cr, half + half / 2 - 0.5, top + h / 2 + (frame == 4 ? 1 : 0), false, inkFor(right));
  }
  return s;
}

}  // namespace art
