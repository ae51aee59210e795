#include "LevelPlot.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace demo {

namespace {
constexpr int kWidth = 1000, kHeight = 420;
constexpr double kLeft = 70, kRight = 20, kTop = 50, kBottom = 50;
constexpr double kFloorDb = -60.0;
} // namespace

bool plotLevels(const std::string& path, const std::string& title, const std::vector<LevelCurve>& curves,
                double secondsPerStep, std::string& error)
{
    std::size_t steps = 0;
    for (const LevelCurve& curve : curves)
        steps = std::max(steps, curve.decibels.size());
    if (steps < 2) {
        error = "nothing to plot";
        return false;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    const double plotWidth = kWidth - kLeft - kRight, plotHeight = kHeight - kTop - kBottom;
    const double seconds = secondsPerStep * (steps - 1);
    auto x = [&](double t) { return kLeft + plotWidth * t / seconds; };
    auto y = [&](double db) { return kTop + plotHeight * (std::min(0.0, std::max(kFloorDb, db)) / kFloorDb); };

    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    cairo_select_font_face(cr, "Liberation Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
    cairo_set_line_width(cr, 1);
    char text[64];
    for (double db = 0; db >= kFloorDb; db -= 10) {
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
        cairo_move_to(cr, kLeft, y(db) + 0.5);
        cairo_line_to(cr, kLeft + plotWidth, y(db) + 0.5);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        std::snprintf(text, sizeof text, "%.0f dB", db);
        cairo_move_to(cr, 14, y(db) + 4);
        cairo_show_text(cr, text);
    }
    for (int second = 0; second <= static_cast<int>(seconds); ++second) {
        cairo_set_source_rgb(cr, 0.85, 0.85, 0.85);
        cairo_move_to(cr, x(second) + 0.5, kTop);
        cairo_line_to(cr, x(second) + 0.5, kTop + plotHeight);
        cairo_stroke(cr);
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        std::snprintf(text, sizeof text, "%d s", second);
        cairo_move_to(cr, x(second) - 8, kTop + plotHeight + 18);
        cairo_show_text(cr, text);
    }
    cairo_set_font_size(cr, 15);
    cairo_move_to(cr, kLeft, 28);
    cairo_show_text(cr, title.c_str());

    cairo_set_line_width(cr, 1.5);
    double legendX = kLeft + plotWidth - 260;
    for (const LevelCurve& curve : curves) {
        cairo_set_source_rgb(cr, curve.red, curve.green, curve.blue);
        for (std::size_t i = 0; i < curve.decibels.size(); ++i) {
            const double px = x(i * secondsPerStep), py = y(curve.decibels[i]);
            if (i == 0)
                cairo_move_to(cr, px, py);
            else
                cairo_line_to(cr, px, py);
        }
        cairo_stroke(cr);
        cairo_rectangle(cr, legendX, 18, 14, 4);
        cairo_fill(cr);
        cairo_set_font_size(cr, 12);
        cairo_move_to(cr, legendX + 20, 24);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        cairo_show_text(cr, curve.label.c_str());
        legendX += 130;
    }
    cairo_destroy(cr);

    // Written beside the destination and renamed, so a failed write leaves no broken picture.
    const std::string temporary = path + ".partial";
    const cairo_status_t status = cairo_surface_write_to_png(surface, temporary.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS || std::rename(temporary.c_str(), path.c_str()) != 0) {
        unlink(temporary.c_str());
        error = "cannot write '" + path + "': " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

} // namespace demo
