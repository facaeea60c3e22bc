/* Drawing vocabulary of the resource generator: the cluster's colours, fonts, text, shapes and the
 * recurring pictures (telltale symbols, cars in several views, icons). Every routine draws into a
 * cairo context whose user space is the picture's own pixel space. */
#ifndef RESGEN_DRAW_H
#define RESGEN_DRAW_H

#include <cairo.h>

#include <string>

struct Rgb { double r, g, b; };

/* The visual language: a dark, calm cluster, white and grey text, blue accents, ISO lamp colours. */
namespace Pal {
constexpr Rgb Bg{0.071, 0.078, 0.106};
constexpr Rgb Panel{0.110, 0.122, 0.161};
constexpr Rgb Line{0.235, 0.259, 0.322};
constexpr Rgb White{0.898, 0.898, 0.898};
constexpr Rgb Gray{0.745, 0.745, 0.745};
constexpr Rgb DarkGray{0.5, 0.5, 0.5};
constexpr Rgb Dim{0.30, 0.32, 0.37};
constexpr Rgb Blue{0.176, 0.549, 1.0};
constexpr Rgb Cyan{0.153, 0.769, 0.878};
constexpr Rgb Teal{0.031, 0.855, 0.882};
constexpr Rgb Red{0.898, 0.157, 0.125};
constexpr Rgb Amber{1.0, 0.690, 0.0};
constexpr Rgb Green{0.180, 0.800, 0.361};
constexpr Rgb HiBlue{0.118, 0.420, 1.0};
constexpr Rgb Black{0.08, 0.08, 0.08};
}

/* Body paint of a vehicle colour name as used in the picture names ("blue", "darkgray", "Dark_grey",
 * "grey", "all_red" ...). allPaint is set for the all-over paint variants (roof in body colour). */
Rgb CarPaint(const std::string& name, bool* allPaint = nullptr);

/* Fonts: the regular and bold faces of the system's CJK sans serif, one set per worker thread. */
bool Fonts_InitThread();
void Fonts_DoneThread();

enum { AL_LEFT = 0, AL_CENTER = 1, AL_RIGHT = 2 };
/* Draws UTF-8 text with its baseline at y; x is the left edge, centre or right edge by align.
 * Returns the advance width. */
double Text(cairo_t* cr, const std::string& s, double size, bool bold, double x, double y,
            int align, Rgb c, double a = 1.0);
/* Text centred in a box both ways (by the ink extents). */
void TextBox(cairo_t* cr, const std::string& s, double size, bool bold, double x, double y, double w,
             double h, Rgb c, double a = 1.0);
/* The font size at which s fits into w x h (at most maxSize). */
double FitSize(cairo_t* cr, const std::string& s, bool bold, double w, double h, double maxSize);

void SetColor(cairo_t* cr, Rgb c, double a = 1.0);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
/* A soft elliptic shadow filling the rectangle. */
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double a);
/* A radial glow of colour c around (cx, cy). */
void Glow(cairo_t* cr, double cx, double cy, double r, Rgb c, double a);
/* Vertical gradient fill of a rectangle. */
void VGradient(cairo_t* cr, double x, double y, double w, double h, Rgb top, double aTop, Rgb bottom,
               double aBottom);

/* ---- Telltales: symbol name -> ISO-style lamp drawn in colour c into a square of size s at (0,0). */
bool Telltale(cairo_t* cr, const std::string& sym, double w, double h, Rgb c);

/* ---- Cars. Flags of the open parts. */
enum {
    CAR_DOOR_LF = 1, CAR_DOOR_LB = 2, CAR_DOOR_RF = 4, CAR_DOOR_RB = 8,
    CAR_TRUNK = 16, CAR_BONNET = 32, CAR_CHARGEPORT = 64, CAR_CAMERA = 128,
};
/* Side view facing right, filling (x, y, w, h); wheels are not drawn when noWheels. */
void CarSide(cairo_t* cr, double x, double y, double w, double h, Rgb paint, bool allPaint,
             bool noWheels);
/* One open or closed part of the side view, drawn alone (the overlays of the parked car). */
void CarSidePart(cairo_t* cr, double x, double y, double w, double h, Rgb paint, int part, bool open);
/* A wheel of the side view centred on (cx, cy), rim turned by angle (radians), squeezed to the
 * fraction squeeze of its width (steered wheels). */
void Wheel(cairo_t* cr, double cx, double cy, double r, double angle, double squeeze);
/* The two wheels of the side view in place; the front one squeezed to show steering. */
void CarSideWheels(cairo_t* cr, double x, double y, double w, double h, double angle, double frontSqueeze);
/* Top view, nose up, filling (x, y, w, h). */
void CarTop(cairo_t* cr, double x, double y, double w, double h, Rgb paint, bool allPaint);
/* Rear view filling (x, y, w, h). */
void CarRear(cairo_t* cr, double x, double y, double w, double h, Rgb paint, bool allPaint);

/* ---- Icons by name into (0, 0, w, h) in colour c; false when the name is unknown. */
bool Icon(cairo_t* cr, const std::string& name, double w, double h, Rgb c);
/* Weather icon number 1 .. 37. */
void WeatherIcon(cairo_t* cr, int n, double w, double h);
/* Navigation manoeuvre arrow by name. */
void NavIcon(cairo_t* cr, const std::string& name, double w, double h, Rgb c);

#endif
