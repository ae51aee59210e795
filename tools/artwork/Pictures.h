// The drawing of each picture. Controls are drawn over a copy of the faceplate, so that every
// frame of a strip blends into the background without a seam.
#pragma once

#include "Canvas.h"
#include "Layout.h"

namespace art {

// The faceplate with every legend and label, but without the controls.
Surface drawPlate();
// The window background: the plate with each control pasted in its resting image.
Surface drawBackground(cairo_surface_t* plate, cairo_surface_t* const* restingImages, const Box* boxes, int count);

void drawKnobScales(cairo_t* cr);
enum class KnobKind { Ratio, Time, Compression, Output };
Surface drawKnobStrip(cairo_surface_t* plate, KnobKind kind);
int knobFrames(KnobKind kind);
Box knobBox(KnobKind kind);

void drawProcessSwitchLegends(cairo_t* cr);
Surface drawProcessSwitchStrip(cairo_surface_t* plate);

void drawMeterBezel(cairo_t* cr);
Surface drawMeterFace(bool lit);
Surface drawMeterOverlay();
// Needle angle in degrees (counter-clockwise from the x axis) for a gain reduction in dB.
double needleDegreesForReduction(double decibels);

void drawPanelLegends(cairo_t* cr);
enum class ButtonGlyph { Save, Load, Store, Recall };
Surface drawSmallButtonStrip(cairo_surface_t* plate, Box box, ButtonGlyph glyph);
Surface drawDefaultButtonStrip(cairo_surface_t* plate, Box box);
Surface drawStepperStrip(cairo_surface_t* plate);

Surface drawAboutScreen();

}  // namespace art
