// Small drawing vocabulary shared by every picture: surfaces, colours, fonts and text.
#pragma once

#include <cairo.h>

#include <memory>
#include <string>

namespace art {

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDeleter>;

// Owns a drawing context for the length of a scope.
class Pen {
 public:
  explicit Pen(cairo_surface_t* surface) : cr_(cairo_create(surface)) {}
  ~Pen() { cairo_destroy(cr_); }
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;
  operator cairo_t*() const { return cr_; }

 private:
  cairo_t* cr_;
};

// Opaque 24-bit pictures, as the BMP files hold them.
Surface makeSurface(int width, int height);

struct Colour {
  double r, g, b;
};
constexpr Colour rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
void setColour(cairo_t* cr, Colour c, double alpha = 1.0);

// The look: charcoal faceplate, cream legends, black knobs, a warm lamp-lit meter.
namespace palette {
constexpr Colour plate = rgb(47, 47, 49);
constexpr Colour strip = rgb(37, 37, 39);
constexpr Colour cream = rgb(232, 222, 196);
constexpr Colour creamDim = rgb(176, 168, 148);
constexpr Colour amber = rgb(255, 190, 96);
constexpr Colour groove = rgb(20, 20, 21);
constexpr Colour highlight = rgb(88, 88, 90);
constexpr Colour nameDisplay = rgb(189, 207, 218);  // the name field's own colour
}  // namespace palette

// Fonts are loaded from fixed files so that every run draws the same pixels.
enum class Font { Sans, SansBold, NarrowBold, SerifBold };
void setFont(cairo_t* cr, Font font, double size);

enum class Align { Left, Centre, Right };
// Draws text whose capital letters are vertically centred on y; tracking adds space between
// letters. Returns the drawn width.
double drawText(cairo_t* cr, const std::string& text, double x, double y, Align align, double tracking = 0);
double textWidth(cairo_t* cr, const std::string& text, double tracking = 0);

void roundedRectangle(cairo_t* cr, double x, double y, double w, double h, double radius);

// A slotted screw head; the slot angle is fixed per screw so the plate does not look stamped.
void drawScrew(cairo_t* cr, double cx, double cy, double radius, double slotDegrees);

// Copies the rectangle (x, y, w, h) of source to (0, top) of the target.
void copyRegion(cairo_t* target, cairo_surface_t* source, int x, int y, int w, int h, int top);

constexpr double kPi = 3.14159265358979323846;
inline double radians(double degrees) { return degrees * kPi / 180.0; }

}  // namespace art
