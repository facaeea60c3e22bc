/* Colours, fonts, text and shape helpers, and the car views. */
#include "Draw.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cmath>
#include <cstdio>

namespace {
thread_local FT_Library tFtLib = nullptr;
thread_local cairo_font_face_t* tFace[2] = {nullptr, nullptr};

const char* const kFontFiles[2] = {
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc",
    "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc",
};
/* The simplified-Chinese face of the collections. */
constexpr int kFaceIndex = 2;

void SelectFont(cairo_t* cr, double size, bool bold)
{
    cairo_set_font_face(cr, tFace[bold ? 1 : 0]);
    cairo_set_font_size(cr, size);
    cairo_font_options_t* fo = cairo_font_options_create();
    cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, fo);
    cairo_font_options_destroy(fo);
}
} // namespace

Rgb CarPaint(const std::string& n, bool* allPaint)
{
    bool all = n.rfind("all_", 0) == 0;
    if (allPaint) *allPaint = all;
    std::string c = all ? n.substr(4) : n;
    for (auto& ch : c) ch = (char)tolower((unsigned char)ch);
    if (c == "blue") return {0.16, 0.36, 0.74};
    if (c == "red") return {0.72, 0.12, 0.11};
    if (c == "white") return {0.90, 0.91, 0.92};
    if (c == "darkgray" || c == "dark_grey" || c == "dark_gray") return {0.29, 0.31, 0.34};
    if (c == "gray" || c == "grey" || c == "silver") return {0.66, 0.68, 0.71};
    if (c == "yellow") return {0.93, 0.73, 0.12};
    return {0.66, 0.68, 0.71};
}

bool Fonts_InitThread()
{
    if (FT_Init_FreeType(&tFtLib) != 0) return false;
    for (int i = 0; i < 2; i++) {
        FT_Face face = nullptr;
        if (FT_New_Face(tFtLib, kFontFiles[i], kFaceIndex, &face) != 0) {
            printf("resgen: cannot open font %s\n", kFontFiles[i]);
            return false;
        }
        tFace[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
        static const cairo_user_data_key_t key{};
        cairo_font_face_set_user_data(tFace[i], &key, face, [](void* p) { FT_Done_Face((FT_Face)p); });
    }
    return true;
}

void Fonts_DoneThread()
{
    for (auto& f : tFace) {
        if (f) cairo_font_face_destroy(f);
        f = nullptr;
    }
    /* The library stays: cairo may still hold cached scaled fonts of the faces. */
}

void SetColor(cairo_t* cr, Rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

double Text(cairo_t* cr, const std::string& s, double size, bool bold, double x, double y, int align,
            Rgb c, double a)
{
    SelectFont(cr, size, bold);
    cairo_text_extents_t te;
    cairo_text_extents(cr, s.c_str(), &te);
    double left = x;
    if (align == AL_CENTER) left = x - te.x_advance / 2;
    if (align == AL_RIGHT) left = x - te.x_advance;
    SetColor(cr, c, a);
    cairo_move_to(cr, left, y);
    cairo_show_text(cr, s.c_str());
    cairo_new_path(cr);
    return te.x_advance;
}

void TextBox(cairo_t* cr, const std::string& s, double size, bool bold, double x, double y, double w,
             double h, Rgb c, double a)
{
    SelectFont(cr, size, bold);
    cairo_text_extents_t te;
    cairo_text_extents(cr, s.c_str(), &te);
    double left = x + (w - te.width) / 2 - te.x_bearing;
    double base = y + (h - te.height) / 2 - te.y_bearing;
    SetColor(cr, c, a);
    cairo_move_to(cr, left, base);
    cairo_show_text(cr, s.c_str());
    cairo_new_path(cr);
}

double FitSize(cairo_t* cr, const std::string& s, bool bold, double w, double h, double maxSize)
{
    double size = maxSize;
    for (int i = 0; i < 30; i++) {
        SelectFont(cr, size, bold);
        cairo_text_extents_t te;
        cairo_text_extents(cr, s.c_str(), &te);
        if (te.width <= w && te.height <= h) break;
        size *= 0.92;
    }
    return size;
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::fmin(r, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double a)
{
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_scale(cr, w / 2, h / 2);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0, 0, 0, a);
    cairo_pattern_add_color_stop_rgba(p, 0.6, 0, 0, 0, a * 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double a)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, c.r, c.g, c.b, a);
    cairo_pattern_add_color_stop_rgba(p, 0.45, c.r, c.g, c.b, a * 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void VGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, double aTop, Rgb bottom,
               double aBottom)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, aTop);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, aBottom);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

/* ---------------------------------------------------------------------------------------------- */
/* Car views. All of them are drawn in a unit box (0..1 both ways) scaled to the target rectangle. */

namespace {
Rgb Shade(Rgb c, double f) { return {c.r * f, c.g * f, c.b * f}; }
Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

void PaintFill(cairo_t* cr, Rgb paint, double y0, double y1)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    Rgb hi = Mix(paint, {1, 1, 1}, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, paint.r, paint.g, paint.b);
    Rgb lo = Shade(paint, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

/* Wheel places of the side view, as fractions of the picture (the parked car's rolling wheels are
 * drawn at exactly these centres). */
constexpr double kRearX = 0.230, kFrontX = 0.777, kWheelY = 0.779, kWheelR = 0.085; /* r in widths */

/* An arc of a circle of radius r pixels-in-width units, drawn round in a non-uniformly scaled box. */
void RoundArcNeg(cairo_t* cr, double cx, double cy, double r, double a0, double a1, double aspect)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 1.0, aspect);
    cairo_arc_negative(cr, 0, 0, r, a0, a1);
    cairo_restore(cr);
}

/* Side body outline in the unit box: nose at the right. aspect = width / height of the box. */
void SideBodyPath(cairo_t* cr, double aspect)
{
    double ar = kWheelR * 1.12;
    cairo_new_path(cr);
    cairo_move_to(cr, 0.02, 0.80);
    cairo_line_to(cr, 0.02, 0.55);
    cairo_curve_to(cr, 0.03, 0.47, 0.08, 0.44, 0.16, 0.42);
    cairo_curve_to(cr, 0.26, 0.22, 0.34, 0.14, 0.50, 0.13);
    cairo_curve_to(cr, 0.62, 0.13, 0.68, 0.18, 0.76, 0.38);
    cairo_curve_to(cr, 0.90, 0.41, 0.97, 0.46, 0.985, 0.56);
    cairo_line_to(cr, 0.985, 0.80);
    cairo_line_to(cr, kFrontX + ar, 0.80);
    RoundArcNeg(cr, kFrontX, kWheelY, ar, 0, M_PI, aspect);
    cairo_line_to(cr, kRearX + ar, 0.80);
    RoundArcNeg(cr, kRearX, kWheelY, ar, 0, M_PI, aspect);
    cairo_close_path(cr);
}
} // namespace

void Wheel(cairo_t* cr, double cx, double cy, double r, double angle, double squeeze)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, squeeze, 1.0);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.06, 0.06, 0.07);
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, r * 0.64, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(-r * 0.2, -r * 0.2, 0, 0, 0, r * 0.64);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.80, 0.82, 0.86);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.42, 0.44, 0.48);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_set_source_rgb(cr, 0.16, 0.17, 0.19);
    cairo_set_line_width(cr, r * 0.11);
    for (int i = 0; i < 5; i++) {
        double a = angle + i * 2 * M_PI / 5;
        cairo_move_to(cr, cos(a) * r * 0.16, sin(a) * r * 0.16);
        cairo_line_to(cr, cos(a) * r * 0.58, sin(a) * r * 0.58);
    }
    cairo_stroke(cr);
    cairo_arc(cr, 0, 0, r * 0.14, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.25, 0.26, 0.29);
    cairo_fill(cr);
    cairo_restore(cr);
}

void CarSideWheels(cairo_t* cr, double x, double y, double w, double h, double angle, double frontSqueeze)
{
    Wheel(cr, x + kRearX * w, y + kWheelY * h, kWheelR * w, angle, 1.0);
    Wheel(cr, x + kFrontX * w, y + kWheelY * h, kWheelR * w, angle, frontSqueeze);
}

void CarSide(cairo_t* cr, double x, double y, double w, double h, Rgb paint, bool allPaint, bool noWheels)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w, h);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SoftShadow(cr, 0.0, 0.90, 1.0, 0.10, 0.7);
    SideBodyPath(cr, w / h);
    /* dark wheel wells, so that the car reads right also before its wheel overlay is drawn */
    cairo_save(cr);
    cairo_new_path(cr);
    for (double wx : {kRearX, kFrontX}) {
        cairo_save(cr);
        cairo_translate(cr, wx, kWheelY);
        cairo_scale(cr, 1.0, w / h);
        cairo_arc(cr, 0, 0, kWheelR * 1.08, 0, 2 * M_PI);
        cairo_restore(cr);
    }
    cairo_set_source_rgb(cr, 0.03, 0.03, 0.035);
    cairo_fill(cr);
    cairo_restore(cr);
    SideBodyPath(cr, w / h);
    PaintFill(cr, paint, 0.13, 0.80);
    cairo_set_line_width(cr, 0.004);
    SetColor(cr, Shade(paint, 0.4));
    cairo_stroke(cr);
    /* roof band of the two-tone paint */
    if (!allPaint) {
        cairo_move_to(cr, 0.20, 0.40);
        cairo_curve_to(cr, 0.28, 0.22, 0.36, 0.155, 0.50, 0.15);
        cairo_curve_to(cr, 0.61, 0.15, 0.67, 0.20, 0.73, 0.38);
        cairo_close_path(cr);
        cairo_set_source_rgb(cr, 0.07, 0.075, 0.09);
        cairo_fill(cr);
    }
    /* glass */
    cairo_move_to(cr, 0.24, 0.40);
    cairo_curve_to(cr, 0.30, 0.26, 0.37, 0.19, 0.47, 0.185);
    cairo_line_to(cr, 0.47, 0.40);
    cairo_close_path(cr);
    cairo_move_to(cr, 0.50, 0.185);
    cairo_curve_to(cr, 0.60, 0.185, 0.65, 0.23, 0.70, 0.38);
    cairo_line_to(cr, 0.50, 0.40);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0.18, 0, 0.40);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.30, 0.36, 0.46);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.10, 0.14);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    /* door seams, handles, sill, lamps */
    SetColor(cr, Shade(paint, 0.45));
    cairo_set_line_width(cr, 0.003);
    cairo_move_to(cr, 0.485, 0.20); cairo_line_to(cr, 0.485, 0.76);
    cairo_move_to(cr, 0.71, 0.40); cairo_line_to(cr, 0.69, 0.72);
    cairo_move_to(cr, 0.26, 0.42); cairo_line_to(cr, 0.30, 0.74);
    cairo_stroke(cr);
    SetColor(cr, Mix(paint, {1, 1, 1}, 0.5));
    RoundRect(cr, 0.40, 0.47, 0.05, 0.012, 0.006);
    RoundRect(cr, 0.62, 0.47, 0.05, 0.012, 0.006);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.10, 0.11, 0.13);
    cairo_rectangle(cr, 0.30, 0.74, 0.38, 0.03);
    cairo_fill(cr);
    SetColor(cr, {0.95, 0.96, 1.0});
    RoundRect(cr, 0.93, 0.47, 0.05, 0.03, 0.01);
    cairo_fill(cr);
    SetColor(cr, Pal::Red);
    RoundRect(cr, 0.02, 0.47, 0.035, 0.04, 0.01);
    cairo_fill(cr);
    if (!noWheels) {
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        CarSideWheels(cr, 0, 0, w, h, 0.3, 1.0);
    }
    cairo_restore(cr);
}

void CarSidePart(cairo_t* cr, double x, double y, double w, double h, Rgb paint, int part, bool open)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w, h);
    cairo_set_line_width(cr, 0.004);
    /* A door of the side view between x0 (rear edge) and x1 (front edge), hinged at its front
     * edge. Closed: only its seams. Open: swung towards the viewer (narrower, slightly larger),
     * light paint with its window and an amber edge; far-side doors show above the near side. */
    auto door = [&](double x0, double x1, bool farSide) {
        cairo_save(cr);
        if (open) {
            cairo_translate(cr, x1, 0.45);
            cairo_scale(cr, farSide ? 0.55 : 0.62, farSide ? 0.96 : 1.06);
            cairo_translate(cr, -x1 + (farSide ? 0.0 : 0.02), -0.45 + (farSide ? -0.05 : 0.0));
        }
        cairo_new_path(cr);
        cairo_move_to(cr, x0, 0.42);
        cairo_line_to(cr, x0 + (x1 - x0) * 0.25, 0.21);
        cairo_line_to(cr, x1, 0.19);
        cairo_line_to(cr, x1 + 0.005, 0.74);
        cairo_line_to(cr, x0, 0.74);
        cairo_close_path(cr);
        if (open) {
            SetColor(cr, farSide ? Shade(paint, 0.75) : Mix(paint, {1, 1, 1}, 0.2), 0.97);
            cairo_fill_preserve(cr);
            SetColor(cr, Pal::Amber);
            cairo_set_line_width(cr, 0.006);
            cairo_stroke(cr);
            cairo_move_to(cr, x0 + 0.012, 0.40);
            cairo_line_to(cr, x0 + (x1 - x0) * 0.27, 0.225);
            cairo_line_to(cr, x1 - 0.01, 0.21);
            cairo_line_to(cr, x1 - 0.01, 0.40);
            cairo_close_path(cr);
            cairo_set_source_rgb(cr, 0.14, 0.18, 0.25);
            cairo_fill(cr);
            SetColor(cr, Mix(paint, {1, 1, 1}, 0.5));
            RoundRect(cr, x0 + 0.02, 0.47, 0.045, 0.012, 0.006);
            cairo_fill(cr);
        } else {
            SetColor(cr, Shade(paint, 0.3), 0.9);
            cairo_set_line_width(cr, 0.003);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    };
    // Trunk and bonnet: raised, a lit panel outlined in amber; closed, only their shut line.
    auto lid = [&](std::array<double, 8> raised, std::array<double, 8> shutLine) {
        if (open) {
            cairo_move_to(cr, raised[0], raised[1]);
            for (int i = 2; i < 8; i += 2) cairo_line_to(cr, raised[i], raised[i + 1]);
            cairo_close_path(cr);
            SetColor(cr, Mix(paint, {1, 1, 1}, 0.2));
            cairo_fill_preserve(cr);
            SetColor(cr, Pal::Amber);
        } else {
            cairo_move_to(cr, shutLine[0], shutLine[1]);
            cairo_curve_to(cr, shutLine[2], shutLine[3], shutLine[4], shutLine[5], shutLine[6], shutLine[7]);
            SetColor(cr, Shade(paint, 0.4));
        }
        cairo_stroke(cr);
    };
    switch (part) {
    case CAR_DOOR_LF: door(0.49, 0.71, false); break;
    case CAR_DOOR_LB: door(0.28, 0.485, false); break;
    case CAR_DOOR_RF: door(0.49, 0.71, true); break;
    case CAR_DOOR_RB: door(0.28, 0.485, true); break;
    case CAR_TRUNK:
        lid({0.16, 0.42, 0.05, 0.16, 0.09, 0.14, 0.21, 0.40}, {0.03, 0.47, 0.06, 0.44, 0.10, 0.43, 0.16, 0.42});
        break;
    case CAR_BONNET:
        lid({0.77, 0.38, 0.86, 0.14, 0.90, 0.16, 0.83, 0.39}, {0.76, 0.385, 0.86, 0.40, 0.93, 0.43, 0.975, 0.48});
        break;
    case CAR_CHARGEPORT:
        RoundRect(cr, 0.08, 0.46, 0.045, 0.06, 0.01);
        SetColor(cr, open ? Pal::Green : Shade(paint, 0.7));
        cairo_fill_preserve(cr);
        SetColor(cr, Shade(paint, 0.35));
        cairo_stroke(cr);
        break;
    case CAR_CAMERA:
        RoundRect(cr, 0.47, 0.095, 0.05, 0.04, 0.01);
        cairo_set_source_rgb(cr, 0.06, 0.06, 0.07);
        cairo_fill(cr);
        cairo_arc(cr, 0.495, 0.115, 0.008, 0, 2 * M_PI);
        SetColor(cr, Pal::Blue);
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}

void CarTop(cairo_t* cr, double x, double y, double w, double h, Rgb paint, bool allPaint)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w, h);
    /* wheels */
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
    for (double wy : {0.17, 0.74})
        for (double wx : {0.02, 0.86}) {
            RoundRect(cr, wx, wy, 0.12, 0.11, 0.03);
            cairo_fill(cr);
        }
    /* body */
    cairo_new_path(cr);
    cairo_move_to(cr, 0.5, 0.01);
    cairo_curve_to(cr, 0.80, 0.01, 0.92, 0.05, 0.92, 0.20);
    cairo_line_to(cr, 0.93, 0.80);
    cairo_curve_to(cr, 0.93, 0.96, 0.80, 0.99, 0.5, 0.99);
    cairo_curve_to(cr, 0.20, 0.99, 0.07, 0.96, 0.07, 0.80);
    cairo_line_to(cr, 0.08, 0.20);
    cairo_curve_to(cr, 0.08, 0.05, 0.20, 0.01, 0.5, 0.01);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0.07, 0, 0.93, 0);
    Rgb lo = Shade(paint, 0.6), hi = Mix(paint, {1, 1, 1}, 0.25);
    cairo_pattern_add_color_stop_rgb(p, 0, lo.r, lo.g, lo.b);
    cairo_pattern_add_color_stop_rgb(p, 0.5, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    /* windscreen, roof, rear window */
    cairo_move_to(cr, 0.18, 0.34);
    cairo_curve_to(cr, 0.30, 0.26, 0.70, 0.26, 0.82, 0.34);
    cairo_line_to(cr, 0.76, 0.43);
    cairo_curve_to(cr, 0.60, 0.40, 0.40, 0.40, 0.24, 0.43);
    cairo_close_path(cr);
    cairo_move_to(cr, 0.24, 0.76);
    cairo_curve_to(cr, 0.40, 0.79, 0.60, 0.79, 0.76, 0.76);
    cairo_line_to(cr, 0.80, 0.84);
    cairo_curve_to(cr, 0.65, 0.88, 0.35, 0.88, 0.20, 0.84);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.10, 0.13, 0.18);
    cairo_fill(cr);
    RoundRect(cr, 0.25, 0.44, 0.50, 0.31, 0.06);
    if (allPaint) SetColor(cr, Shade(paint, 0.85));
    else cairo_set_source_rgb(cr, 0.08, 0.085, 0.10);
    cairo_fill(cr);
    /* lamps */
    SetColor(cr, {0.95, 0.96, 1.0});
    RoundRect(cr, 0.14, 0.04, 0.16, 0.03, 0.015);
    RoundRect(cr, 0.70, 0.04, 0.16, 0.03, 0.015);
    cairo_fill(cr);
    SetColor(cr, Pal::Red);
    RoundRect(cr, 0.12, 0.955, 0.76, 0.022, 0.01);
    cairo_fill(cr);
    /* mirrors */
    SetColor(cr, Shade(paint, 0.7));
    RoundRect(cr, 0.0, 0.33, 0.08, 0.04, 0.02);
    RoundRect(cr, 0.92, 0.33, 0.08, 0.04, 0.02);
    cairo_fill(cr);
    cairo_restore(cr);
}

void CarRear(cairo_t* cr, double x, double y, double w, double h, Rgb paint, bool allPaint)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w, h);
    SoftShadow(cr, -0.02, 0.86, 1.04, 0.16, 0.8);
    /* tyres */
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
    RoundRect(cr, 0.07, 0.74, 0.15, 0.22, 0.04);
    RoundRect(cr, 0.78, 0.74, 0.15, 0.22, 0.04);
    cairo_fill(cr);
    /* body */
    cairo_new_path(cr);
    cairo_move_to(cr, 0.03, 0.88);
    cairo_line_to(cr, 0.02, 0.55);
    cairo_curve_to(cr, 0.02, 0.46, 0.06, 0.42, 0.14, 0.40);
    cairo_curve_to(cr, 0.22, 0.12, 0.30, 0.06, 0.5, 0.06);
    cairo_curve_to(cr, 0.70, 0.06, 0.78, 0.12, 0.86, 0.40);
    cairo_curve_to(cr, 0.94, 0.42, 0.98, 0.46, 0.98, 0.55);
    cairo_line_to(cr, 0.97, 0.88);
    cairo_close_path(cr);
    PaintFill(cr, paint, 0.06, 0.9);
    cairo_new_path(cr);
    /* rear window and roof */
    cairo_move_to(cr, 0.20, 0.38);
    cairo_curve_to(cr, 0.26, 0.16, 0.33, 0.11, 0.5, 0.11);
    cairo_curve_to(cr, 0.67, 0.11, 0.74, 0.16, 0.80, 0.38);
    cairo_close_path(cr);
    if (allPaint) SetColor(cr, {0.13, 0.16, 0.22});
    else cairo_set_source_rgb(cr, 0.06, 0.07, 0.09);
    cairo_fill(cr);
    cairo_move_to(cr, 0.24, 0.36);
    cairo_curve_to(cr, 0.29, 0.19, 0.35, 0.15, 0.5, 0.15);
    cairo_curve_to(cr, 0.65, 0.15, 0.71, 0.19, 0.76, 0.36);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0.15, 0, 0.36);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.28, 0.34, 0.44);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.10, 0.14);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    /* light bar and lamps */
    SetColor(cr, {0.45, 0.05, 0.05});
    RoundRect(cr, 0.06, 0.46, 0.88, 0.06, 0.03);
    cairo_fill(cr);
    SetColor(cr, Pal::Red);
    RoundRect(cr, 0.06, 0.46, 0.20, 0.06, 0.03);
    RoundRect(cr, 0.74, 0.46, 0.20, 0.06, 0.03);
    cairo_fill(cr);
    /* plate and bumper */
    cairo_set_source_rgb(cr, 0.12, 0.13, 0.15);
    RoundRect(cr, 0.10, 0.72, 0.80, 0.12, 0.04);
    cairo_fill(cr);
    SetColor(cr, {0.85, 0.87, 0.90});
    RoundRect(cr, 0.38, 0.60, 0.24, 0.08, 0.015);
    cairo_fill(cr);
    cairo_restore(cr);
}
