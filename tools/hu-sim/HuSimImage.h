/* Pictures for the head-unit simulator and the tests: PNG and JPEG encoded in memory from pixels
 * (top row first), and a synthetic cover pattern. Real encoders (libpng, libjpeg), so the cluster
 * decodes exactly what a head unit would send. */
#ifndef HU_SIM_IMAGE_H
#define HU_SIM_IMAGE_H

#include <cstdint>
#include <vector>

/* PNG colour types as in the file format. */
enum { HUSIM_PNG_GREY = 0, HUSIM_PNG_RGB = 2, HUSIM_PNG_PALETTE = 3, HUSIM_PNG_GREY_ALPHA = 4, HUSIM_PNG_RGBA = 6 };

struct HuSimPngOptions {
    int                  colorType = HUSIM_PNG_RGB;
    int                  bitDepth = 8;
    bool                 interlace = false;
    std::vector<uint8_t> palette; /* RGB triples, palette pictures only */
    std::vector<uint8_t> trns;    /* alpha per palette entry, optional */
};

/* Encodes w x h samples (rows top first, tightly packed, samples of bitDepth 16 big-endian as in
 * the file). Empty on failure. */
std::vector<uint8_t> HuSim_EncodePng(const uint8_t* pixels, int w, int h, const HuSimPngOptions& opt);
/* Encodes w x h pixels of 1 (grey) or 3 (RGB) components, rows top first. Empty on failure. */
std::vector<uint8_t> HuSim_EncodeJpeg(const uint8_t* pixels, int w, int h, int components, int quality);
/* An RGB picture (rows top first) with a gradient and a seed-dependent tint, detailed enough that
 * a JPEG of it does not shrink to nothing. */
std::vector<uint8_t> HuSim_CoverPixels(int w, int h, uint32_t seed);

#endif
