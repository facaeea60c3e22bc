/* Pictures for the head-unit simulator and the tests: PNG and JPEG encoded in memory from pixels
 * (top row first), and a synthetic cover pattern. Real encoders (libpng, libjpeg), so the cluster
 * decodes exactly what a head unit would send. */
#ifndef HU_SIM_IMAGE_H
#define HU_SIM_IMAGE_H

#include <cstdint>
#include <string>
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
/* The bytes of a file; false when it cannot be read. */
bool HuSim_ReadFile(const std::string& path, std::vector<uint8_t>* out);
/* The bytes of a cover given as "gen:jpeg:WxH[:SEED]" or "gen:png:WxH[:SEED]" (a generated picture
 * of at most 4000 x 4000, seed 1 unless given) or as a file path, relative to baseDir unless
 * absolute. false for a bad generator or a file that cannot be read. */
bool HuSim_LoadCover(const std::string& spec, const std::string& baseDir, std::vector<uint8_t>* out);

#endif
