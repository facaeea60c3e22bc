/* The picture catalogue: for every picture identifier its size, pixel format and drawing routine,
 * chosen by rules over the identifier's name (first matching rule wins). */
#ifndef RESGEN_PICTURES_H
#define RESGEN_PICTURES_H

#include <cairo.h>

#include <string>
#include <vector>

struct PicCtx {
    std::string name;                /* identifier without its PNG_ / TGA_ prefix */
    std::vector<std::string> g;      /* groups captured by the rule */
    int w, h;                        /* picture size */
    int x, y;                        /* default left-top point on the screen */
    bool tga;
};

typedef void (*PicDraw)(cairo_t* cr, const PicCtx& c);

struct PicSpec {
    int w, h;
    bool alpha;      /* RGBA (PNG colour type 6 / 32-bit TGA) or RGB */
    PicDraw draw;
    const char* rule; /* the rule that matched, for the contact sheet */
};

/* Looks up the picture of an identifier name (with prefix); never fails: names no rule knows get
 * a generic picture of their family. */
PicSpec Pictures_Find(const std::string& id, PicCtx* ctx);

#endif
