#include "RenderFixtureFiles.h"

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

bool WriteFixturePng(const std::string& path, int w, int h, int colorType, const std::vector<uint8_t>& rows,
                     const std::vector<uint8_t>& palette, const std::vector<uint8_t>& trns)
{
    FILE* fp = fopen(path.c_str(), "wb");
    if (!fp) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(fp);
        return false;
    }
    png_init_io(png, fp);
    png_set_IHDR(png, info, w, h, 8, colorType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) {
        std::vector<png_color> pal(palette.size() / 3);
        for (size_t i = 0; i < pal.size(); i++) pal[i] = {palette[i * 3], palette[i * 3 + 1], palette[i * 3 + 2]};
        png_set_PLTE(png, info, pal.data(), (int)pal.size());
    }
    if (!trns.empty()) png_set_tRNS(png, info, trns.data(), (int)trns.size(), nullptr);
    png_write_info(png, info);
    size_t stride = rows.size() / h;
    for (int y = 0; y < h; y++) png_write_row(png, rows.data() + y * stride);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    fclose(fp);
    return true;
}

std::vector<uint8_t> FixtureTgaHeader(int type, int w, int h, int depth, int idLen)
{
    std::vector<uint8_t> hdr(18, 0);
    hdr[0] = (uint8_t)idLen;
    hdr[2] = (uint8_t)type;
    hdr[12] = (uint8_t)(w & 0xFF);
    hdr[13] = (uint8_t)(w >> 8);
    hdr[14] = (uint8_t)(h & 0xFF);
    hdr[15] = (uint8_t)(h >> 8);
    hdr[16] = (uint8_t)depth;
    hdr[17] = depth == 32 ? 8 : 0;  // alpha bits; origin bottom left
    for (int i = 0; i < idLen; i++) hdr.push_back((uint8_t)('A' + i));
    return hdr;
}

template <typename T>
static void Put(std::vector<uint8_t>& out, T v)
{
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&v);
    out.insert(out.end(), p, p + sizeof(T));
}

std::vector<uint8_t> FixtureVbo::Bytes() const
{
    std::vector<uint8_t> out;
    Put(out, hdr);
    for (float b : bounds) Put(out, b);
    Put(out, idxType);
    Put(out, faceNum);
    Put(out, idxNum);
    for (uint32_t v = 0; v < idxNum * 3; v++) Put(out, (float)v);
    if (hdr & 2)
        for (uint32_t v = 0; v < idxNum * 2; v++) Put(out, 0.5f);
    if (hdr & 1)
        for (uint32_t v = 0; v < idxNum * 3; v++) Put(out, v % 3 == 2 ? 1.0f : 0.0f);
    for (uint32_t i = 0; i < faceNum * 3; i++) {
        uint32_t idx = idxNum ? i % idxNum : 0;
        switch (idxType) {
        case 1: Put(out, (uint8_t)idx); break;
        case 2: Put(out, (uint16_t)idx); break;
        default:
            for (int k = 0; k < (idxType ? idxType : 1); k++) out.push_back(k == 0 ? (uint8_t)idx : 0);
            break;
        }
    }
    return out;
}

bool WriteFixtureFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* fp = fopen(path.c_str(), "wb");
    if (!fp) return false;
    // An empty vector's data() may be null, which fwrite must not be given even for 0 bytes.
    bool ok = bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
    return fclose(fp) == 0 && ok;
}

FixtureResDir::FixtureResDir()
{
    char cwd[4096];
    if (getcwd(cwd, sizeof(cwd))) mOldCwd = cwd;
    char tmpl[] = "/tmp/orv_res_XXXXXX";
    root = mkdtemp(tmpl);
    std::string cmd = "mkdir -p " + root + "/Res/image " + root + "/Res/model3d";
    if (system(cmd.c_str()) != 0 || chdir(root.c_str()) != 0) root.clear();
}

FixtureResDir::~FixtureResDir()
{
    if (!mOldCwd.empty() && chdir(mOldCwd.c_str()) != 0) perror("chdir");
    if (!root.empty()) {
        std::string cmd = "rm -rf " + root;
        if (system(cmd.c_str()) != 0) perror("rm");
    }
}
