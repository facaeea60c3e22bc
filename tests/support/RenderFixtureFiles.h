/* Small picture and model files written by the renderer's tests: PNG (libpng), TGA and .vbo. */
#ifndef RENDER_FIXTURE_FILES_H
#define RENDER_FIXTURE_FILES_H

#include <cstdint>
#include <string>
#include <vector>

/* Writes an 8-bit PNG. rows: top row first, packed by colour type (2 RGB, 6 RGBA, 0 grey,
 * 3 palette indices). palette: RGB triples; trns: alpha per palette entry. */
bool WriteFixturePng(const std::string& path, int w, int h, int colorType, const std::vector<uint8_t>& rows,
                     const std::vector<uint8_t>& palette = {}, const std::vector<uint8_t>& trns = {});

/* The 18-byte TGA header for the given type, size and depth (bottom-left origin). */
std::vector<uint8_t> FixtureTgaHeader(int type, int w, int h, int depth, int idLen = 0);

/* A .vbo file image, field by field; the tests cut or change fields before writing it. */
struct FixtureVbo {
    uint8_t hdr = 3;
    float bounds[6] = {-1, 1, -2, 2, -3, 3};
    uint8_t idxType = 2;
    uint32_t faceNum = 1;
    uint32_t idxNum = 3;
    std::vector<uint8_t> Bytes() const;  // positions, txcs, normals and indices made up to fit
};

bool WriteFixtureFile(const std::string& path, const std::vector<uint8_t>& bytes);

/* A fresh directory under /tmp holding Res/image and Res/model3d, made the working directory for
 * the life of the object, so that the tables' "./Res/..." paths point at fixtures. */
class FixtureResDir {
public:
    FixtureResDir();
    ~FixtureResDir();
    std::string root;

private:
    std::string mOldCwd;
};

#endif
