/* resgen: writes the cluster's picture and model resources (./Res/image, ./Res/model3d) from the
 * drawing code in this directory, and a contact sheet of every picture for review.
 *
 *   resgen <Res directory> [--sheet <directory>] [--jobs <n>] [--only <substring>]
 *
 * The output is deterministic: the same program writes the same bytes on every run. */
#include "Draw.h"
#include "Models.h"
#include "Pictures.h"

#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Tga.h"

#include <png.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "PictureNames.inc"

static_assert(sizeof(kPngNames) / sizeof(kPngNames[0]) == PNG_NUM, "PNG names out of step");
static_assert(sizeof(kTgaNames) / sizeof(kTgaNames[0]) == TGA_NUM, "TGA names out of step");

namespace {

struct Job {
    std::string id;
    std::string file;   /* path under the Res directory */
    bool tga;
    Vec2i ltp;
    /* results */
    cairo_surface_t* thumb = nullptr;
    int w = 0, h = 0;
    bool alpha = false;
    bool ok = false;
    bool blank = false;
    const char* rule = "";
};

/* "./Res/image/x.png" -> "image/x.png" */
std::string UnderRes(const char* p)
{
    std::string s(p);
    const std::string pre = "./Res/";
    return s.rfind(pre, 0) == 0 ? s.substr(pre.size()) : s;
}

/* Straight (not premultiplied) RGB or RGBA rows, top row first. */
std::vector<uint8_t> Unpremultiply(cairo_surface_t* s, bool alpha, bool* blank)
{
    int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    int stride = cairo_image_surface_get_stride(s);
    const uint8_t* d = cairo_image_surface_get_data(s);
    int bpp = alpha ? 4 : 3;
    std::vector<uint8_t> out((size_t)w * h * bpp);
    bool anyInk = false;
    for (int y = 0; y < h; y++) {
        const uint32_t* row = (const uint32_t*)(d + (size_t)y * stride);
        uint8_t* o = &out[(size_t)y * w * bpp];
        for (int x = 0; x < w; x++) {
            uint32_t p = row[x];
            uint32_t a = alpha ? p >> 24 : 255, r = (p >> 16) & 255, g = (p >> 8) & 255, b = p & 255;
            if (alpha && a != 0 && a != 255) {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
            if (a != 0 && (!alpha || a > 8)) anyInk = true;
            o[0] = (uint8_t)r; o[1] = (uint8_t)g; o[2] = (uint8_t)b;
            if (alpha) o[3] = (uint8_t)a;
            o += bpp;
        }
    }
    *blank = !anyInk;
    return out;
}

bool WritePng(const std::string& path, const std::vector<uint8_t>& px, int w, int h, bool alpha)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        return false;
    }
    png_init_io(png, f);
    /* a fast setting: the set is regenerated on every clean build */
    png_set_compression_level(png, 3);
    png_set_filter(png, 0, PNG_FILTER_SUB | PNG_FILTER_UP);
    png_set_IHDR(png, info, w, h, 8, alpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    int bpp = alpha ? 4 : 3;
    for (int y = 0; y < h; y++) png_write_row(png, (png_const_bytep)&px[(size_t)y * w * bpp]);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return fclose(f) == 0;
}

/* Uncompressed true-colour TGA, bottom row first (the default origin), BGR(A). */
bool WriteTga(const std::string& path, const std::vector<uint8_t>& px, int w, int h, bool alpha)
{
    int bpp = alpha ? 4 : 3;
    std::vector<uint8_t> out(18 + (size_t)w * h * bpp);
    uint8_t* hd = out.data();
    hd[2] = 2;
    hd[12] = (uint8_t)(w & 255); hd[13] = (uint8_t)(w >> 8);
    hd[14] = (uint8_t)(h & 255); hd[15] = (uint8_t)(h >> 8);
    hd[16] = (uint8_t)(bpp * 8);
    hd[17] = alpha ? 8 : 0; /* alpha bits; origin bits 0 = bottom left */
    uint8_t* o = out.data() + 18;
    for (int y = h - 1; y >= 0; y--) {
        const uint8_t* row = &px[(size_t)y * w * bpp];
        for (int x = 0; x < w; x++, row += bpp, o += bpp) {
            o[0] = row[2]; o[1] = row[1]; o[2] = row[0];
            if (alpha) o[3] = row[3];
        }
    }
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(out.data(), 1, out.size(), f) == out.size();
    return fclose(f) == 0 && ok;
}

constexpr int kThumbW = 170, kThumbH = 110;

cairo_surface_t* MakeThumb(cairo_surface_t* s, int w, int h)
{
    double k = std::min(std::min((double)kThumbW / w, (double)kThumbH / h), 1.0);
    int tw = std::max(1, (int)(w * k)), th = std::max(1, (int)(h * k));
    cairo_surface_t* t = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, tw, th);
    cairo_t* cr = cairo_create(t);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_destroy(cr);
    return t;
}

void Render(Job& j, const std::string& resDir)
{
    PicCtx ctx;
    ctx.x = j.ltp.x;
    ctx.y = j.ltp.y;
    PicSpec spec = Pictures_Find(j.id, &ctx);
    j.w = spec.w;
    j.h = spec.h;
    j.alpha = spec.alpha;
    j.rule = spec.rule;
    cairo_surface_t* s = cairo_image_surface_create(spec.alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, spec.w, spec.h);
    cairo_t* cr = cairo_create(s);
    if (!spec.alpha) {
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_paint(cr);
    }
    spec.draw(cr, ctx);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    std::vector<uint8_t> px = Unpremultiply(s, spec.alpha, &j.blank);
    std::string path = resDir + "/" + j.file;
    j.ok = j.tga ? WriteTga(path, px, spec.w, spec.h, spec.alpha) : WritePng(path, px, spec.w, spec.h, spec.alpha);
    j.thumb = MakeThumb(s, spec.w, spec.h);
    cairo_surface_destroy(s);
}

/* One picture drawn again into a surface of its own (for the layout previews). */
cairo_surface_t* Draw(const std::string& id, Vec2i ltp, int* w, int* h)
{
    PicCtx ctx;
    ctx.x = ltp.x;
    ctx.y = ltp.y;
    PicSpec spec = Pictures_Find(id, &ctx);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, spec.w, spec.h);
    cairo_t* cr = cairo_create(s);
    spec.draw(cr, ctx);
    cairo_destroy(cr);
    *w = spec.w;
    *h = spec.h;
    return s;
}

int FindId(const char* const* names, int n, const char* id)
{
    for (int i = 0; i < n; i++) if (!strcmp(names[i], id)) return i;
    return -1;
}

/* Places a picture as the screens do: at its table point, or (centred) around it for the lamps
 * whose table point is their centre; scale as the screen scales it; dx shifts it sideways. */
void Place(cairo_t* cr, const char* id, bool centred = false, double scale = 1.0, int dx = 0, int xOverride = -1,
           int yOverride = -1)
{
    bool tga = !strncmp(id, "TGA_", 4);
    int i = tga ? FindId(kTgaNames, TGA_NUM, id) : FindId(kPngNames, PNG_NUM, id);
    if (i < 0) return;
    Vec2i p = tga ? tgaLtp[i] : pngLtp[i];
    int w, h;
    cairo_surface_t* s = Draw(id, p, &w, &h);
    double x = p.x, y = p.y;
    if (centred) { x -= w / 2; y -= h / 2; }
    if (xOverride >= 0) x = xOverride;
    if (yOverride >= 0) y = yOverride;
    cairo_save(cr);
    cairo_translate(cr, x + dx, y);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(s);
}

/* Two mock screens composed from the pictures at their table places, to check that the sizes and
 * places fit together: the parked car with open doors, and the driving page. */
void WriteLayouts(const std::string& dir)
{
    Fonts_InitThread();
    for (int page = 0; page < 3; page++) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1920, 720);
        cairo_t* cr = cairo_create(s);
        if (page == 2) {
            /* the charging screen while charging, 62 % and 345 km */
            for (const char* id : {"PNG_charge_background_charging", "PNG_charge_background_car",
                                   "PNG_charge_charging_background"})
                Place(cr, id);
            cairo_save(cr);
            cairo_rectangle(cr, 778, 294, 520 * 0.62, 24);
            cairo_clip(cr);
            Place(cr, "PNG_charge_charging_progress");
            Place(cr, "PNG_charge_charging_bright", false, 1.0, 180);
            cairo_restore(cr);
            Place(cr, "PNG_Charge_Charging_030", false, 1.25);
            Place(cr, "PNG_charge_number_shadow");
            Place(cr, "PNG_charge_status_shadow");
            Place(cr, "PNG_charge_charging");
            Place(cr, "PNG_charge_hint_charging");
            /* digits at four fifths, group centred on 1017 */
            int w = 56, wkm = 60;
            int T = (int)((3 * w * 4) / 5 + 1.2 * wkm + 40), x = 1017 - T / 2;
            for (const char* d : {"PNG_ui3_speed_digit_3", "PNG_ui3_speed_digit_4", "PNG_ui3_speed_digit_5"}) {
                Place(cr, d, false, 0.8, 0, x, 360);
                x += (w * 4 / 5) * 4 / 5 + 20;
            }
            Place(cr, "PNG_charge_range_unit_km", false, 1.2, 0, x);
            Text(cr, "剩余时间", 28, true, 248, 250, AL_LEFT, Pal::Gray);
            cairo_destroy(cr);
            cairo_surface_write_to_png(s, (dir + "/layout_charging.png").c_str());
            cairo_surface_destroy(s);
            continue;
        }
        Place(cr, page == 0 ? "PNG_ui3_basic_bg_parking" : "PNG_ui3_basic_bg_driving", false, 4.0 / 3.0);
        if (page == 0) {
            for (const char* id : {"PNG_parking_car_blue_base", "PNG_parking_car_blue_trunk_open",
                                   "PNG_parking_car_blue_lfdoor_open", "PNG_parking_car_blue_lbdoor_close",
                                   "PNG_parking_car_blue_enginetop_close", "PNG_parking_car_blue_rfdoor_open",
                                   "PNG_parking_car_blue_rbdoor_close", "PNG_parking_car_blue_chargeport_close",
                                   "PNG_parking_car_wheel_r30"})
                Place(cr, id);
            Place(cr, "PNG_module_L0_icon_weather");
        } else {
            for (const char* id : {"PNG_driving_car_blue_base", "PNG_driving_car_blue_camera",
                                   "PNG_driving_car_tail_lamp_position", "PNG_driving_low_beam"})
                Place(cr, id);
            Place(cr, "PNG_ui3_speed_digit_8", false, 1.0, -(73 * 56 / 118));
            Place(cr, "PNG_ui3_speed_digit_6", false, 1.0, +(73 * 56 / 118));
            Place(cr, "PNG_ui3_speed_unit_kmph", false, 1.0, 0, (1920 - 90) / 2);
            Place(cr, "PNG_LCC_027");
            Place(cr, "PNG_ACC_028");
            Place(cr, "PNG_module_clock_bg");
            Place(cr, "PNG_module_clock_hour");
            Place(cr, "PNG_module_clock_minute");
            Place(cr, "PNG_module_energy_cost_bg", false, 1.0, 1048);
            Place(cr, "PNG_module_energy_cost_shadow", false, 1.0, 1048);
        }
        Place(cr, "TGA_ui3_basic_bg_bottom", false, 1.0);
        Place(cr, "TGA_ui3_basic_bg_bottom", false, 1.0, 960);
        Place(cr, "TGA_ui3_basic_battery_bg");
        Place(cr, "TGA_ui3_basic_battery_full_green");
        Place(cr, "TGA_ui3_gear_PRND_gray");
        Place(cr, page == 0 ? "TGA_ui3_gear_P" : "TGA_ui3_gear_D");
        Place(cr, "TGA_ui3_led_ready");
        for (const char* id : {"TGA_led_brake_syserr", "TGA_led_main_alert", "TGA_led_charge_conn", "TGA_led_rear_fog",
                               "TGA_led_low_beam", "TGA_led_position_hint", "TGA_led_epb", "TGA_led_seatbelt_p",
                               "TGA_led_seatbelt_d", "TGA_led_car_body", "TGA_led_seatbelt_bl", "TGA_led_seatbelt_bm_gray",
                               "TGA_led_seatbelt_br", "TGA_led_turn_left", "TGA_led_turn_right", "TGA_led_battery_cold"})
            Place(cr, id, true);
        Place(cr, "TGA_led_door_lf");
        Place(cr, "TGA_led_door_rb");
        Text(cr, "---", 30, true, 1004, 678, AL_LEFT, Pal::White);
        Text(cr, "12:30", 27, false, 1359, 678, AL_RIGHT, Pal::White, 0.6);
        cairo_destroy(cr);
        cairo_surface_write_to_png(s, (dir + (page == 0 ? "/layout_parked.png" : "/layout_driving.png")).c_str());
        cairo_surface_destroy(s);
    }
    Fonts_DoneThread();
}

/* The three models drawn from their .vbo files as the driving scene sees them (from behind and
 * above), flat shaded, each triangle coloured by its texture coordinates in the model texture: a
 * check of the file format, the winding and the texture mapping at once. */
void WriteModelPreview(const std::string& resDir, const std::string& dir)
{
    Fonts_InitThread();
    const char* files[3] = {"truck_1.vbo", "car_1.vbo", "bicycle_1.vbo"};
    const char* tex[3] = {"PNG_uv_TexCarLarge_Blue", "PNG_uv_TexCarMedium_Red", "PNG_uv_TexCarSmall_Yellow"};
    cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1500, 500);
    cairo_t* cr = cairo_create(out);
    cairo_set_source_rgb(cr, 0.07, 0.08, 0.1);
    cairo_paint(cr);
    for (int k = 0; k < 3; k++) {
        FILE* f = fopen((resDir + "/model3d/" + files[k]).c_str(), "rb");
        if (!f) continue;
        std::vector<uint8_t> b;
        uint8_t buf[65536];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, f)) > 0) b.insert(b.end(), buf, buf + n);
        fclose(f);
        uint8_t idxType = b[25];
        uint32_t faces, verts;
        memcpy(&faces, &b[26], 4);
        memcpy(&verts, &b[30], 4);
        // The arrays start at byte 34 of the file, where a float read is misaligned: copied out.
        std::vector<float> floats((size_t)verts * 8);
        memcpy(floats.data(), &b[34], floats.size() * sizeof(float));
        const float* pos = floats.data();
        const float* txc = pos + verts * 3;
        const float* nor = txc + verts * 2;
        const uint8_t* ib = &b[34] + floats.size() * sizeof(float);
        auto index = [&](uint32_t i) {
            uint32_t v = 0;
            memcpy(&v, ib + (size_t)i * idxType, idxType);
            return v;
        };
        int tw, th;
        int ti = FindId(kPngNames, PNG_NUM, tex[k]);
        cairo_surface_t* t = Draw(tex[k], pngLtp[ti], &tw, &th);
        cairo_surface_flush(t);
        const uint8_t* td = cairo_image_surface_get_data(t);
        int ts = cairo_image_surface_get_stride(t);
        /* view from behind (-y), 25 degrees above, turned 30 degrees */
        double yaw = 0.52, pitch = 0.44, scale = k == 0 ? 40 : k == 1 ? 62 : 110;
        struct Tri { double depth; double x[3], y[3]; double r, g, bl; };
        std::vector<Tri> tris;
        for (uint32_t fi = 0; fi < faces; fi++) {
            Tri tr{};
            double light = 0, sx = 0, st = 0, depth = 0, vis = 0;
            for (int c = 0; c < 3; c++) {
                uint32_t v = index(fi * 3 + c);
                double X = pos[v * 3] / 1.68, Y = pos[v * 3 + 1], Z = pos[v * 3 + 2];
                double x1 = X * cos(yaw) + Y * sin(yaw), y1 = -X * sin(yaw) + Y * cos(yaw);
                double y2 = y1 * cos(pitch) - Z * sin(pitch), z2 = y1 * sin(pitch) + Z * cos(pitch);
                tr.x[c] = 250 + k * 500 + x1 * scale;
                tr.y[c] = 330 - z2 * scale;
                depth += y2;
                double nx = nor[v * 3] / 1.68, ny = nor[v * 3 + 1], nz = nor[v * 3 + 2];
                double l = sqrt(nx * nx + ny * ny + nz * nz);
                nx /= l; ny /= l; nz /= l;
                double nyv = -nx * sin(yaw) + ny * cos(yaw);
                vis = nyv * cos(pitch) - nz * sin(pitch); /* towards the viewer (-y) is negative */
                light = 0.35 + 0.65 * std::max(0.0, nz * 0.7 - nyv * 0.5 + 0.2);
                sx += txc[v * 2] / 3;
                st += txc[v * 2 + 1] / 3;
            }
            if (vis > 0) continue; /* facing away */
            int px = std::min(tw - 1, std::max(0, (int)(sx * tw))), py = std::min(th - 1, std::max(0, (int)((1 - st) * th)));
            uint32_t p = *(const uint32_t*)(td + (size_t)py * ts + px * 4);
            tr.r = ((p >> 16) & 255) / 255.0 * light;
            tr.g = ((p >> 8) & 255) / 255.0 * light;
            tr.bl = (p & 255) / 255.0 * light;
            tr.depth = depth;
            tris.push_back(tr);
        }
        cairo_surface_destroy(t);
        std::sort(tris.begin(), tris.end(), [](const Tri& a, const Tri& b) { return a.depth > b.depth; });
        for (auto& tr : tris) {
            cairo_move_to(cr, tr.x[0], tr.y[0]);
            cairo_line_to(cr, tr.x[1], tr.y[1]);
            cairo_line_to(cr, tr.x[2], tr.y[2]);
            cairo_close_path(cr);
            cairo_set_source_rgb(cr, tr.r, tr.g, tr.bl);
            cairo_fill_preserve(cr);
            cairo_set_line_width(cr, 0.5);
            cairo_stroke(cr);
        }
        char label[96];
        snprintf(label, sizeof label, "%s: %u triangles, %u vertices, %u-byte indices", files[k], faces, verts, idxType);
        Text(cr, label, 16, false, 20 + k * 500, 470, AL_LEFT, Pal::Gray);
    }
    cairo_destroy(cr);
    cairo_surface_write_to_png(out, (dir + "/models.png").c_str());
    cairo_surface_destroy(out);
    Fonts_DoneThread();
}

/* Pages of tiles: each picture on a checkerboard (to show transparency) with its name and size. */
int WriteSheet(const std::vector<Job>& jobs, const std::string& dir)
{
    const int cols = 10, rows = 8, cw = 180, ch = 150;
    int pages = 0;
    Fonts_InitThread();
    for (size_t first = 0; first < jobs.size(); first += cols * rows) {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols * cw, rows * ch + 30);
        cairo_t* cr = cairo_create(s);
        cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
        cairo_paint(cr);
        char title[96];
        snprintf(title, sizeof title, "pictures %zu - %zu of %zu", first, std::min(first + cols * rows, jobs.size()) - 1,
                 jobs.size());
        Text(cr, title, 16, true, 8, 22, AL_LEFT, Pal::Gray);
        for (size_t i = first; i < jobs.size() && i < first + cols * rows; i++) {
            int k = (int)(i - first), cx = (k % cols) * cw, cy = 30 + (k / cols) * ch;
            for (int yy = 0; yy < kThumbH; yy += 10)
                for (int xx = 0; xx < kThumbW; xx += 10) {
                    bool dark = ((xx + yy) / 10) % 2;
                    cairo_set_source_rgb(cr, dark ? 0.16 : 0.21, dark ? 0.17 : 0.22, dark ? 0.20 : 0.26);
                    cairo_rectangle(cr, cx + 5 + xx, cy + 4 + yy, 10, 10);
                    cairo_fill(cr);
                }
            const Job& j = jobs[i];
            if (j.thumb) {
                int tw = cairo_image_surface_get_width(j.thumb), th = cairo_image_surface_get_height(j.thumb);
                cairo_set_source_surface(cr, j.thumb, cx + 5 + (kThumbW - tw) / 2, cy + 4 + (kThumbH - th) / 2);
                cairo_paint(cr);
            }
            std::string n = j.id;
            double sz = FitSize(cr, n, false, cw - 8, 14, 11);
            Text(cr, n, sz, false, cx + 5, cy + kThumbH + 18, AL_LEFT, j.blank ? Pal::Red : Pal::White);
            char info[64];
            snprintf(info, sizeof info, "%dx%d %s%s", j.w, j.h, j.tga ? (j.alpha ? "TGA32" : "TGA24") : (j.alpha ? "RGBA" : "RGB"),
                     std::string(j.rule) == "generic" ? " generic" : "");
            Text(cr, info, 10, false, cx + 5, cy + kThumbH + 32, AL_LEFT, Pal::DarkGray);
        }
        cairo_destroy(cr);
        char name[64];
        snprintf(name, sizeof name, "/sheet_%02d.png", pages + 1);
        cairo_surface_write_to_png(s, (dir + name).c_str());
        cairo_surface_destroy(s);
        pages++;
    }
    Fonts_DoneThread();
    return pages;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: resgen <Res directory> [--sheet <directory>] [--jobs <n>] [--only <substring>]\n");
        return 2;
    }
    auto t0 = std::chrono::steady_clock::now();
    std::string resDir = argv[1], sheetDir, only;
    unsigned jobsN = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
    for (int i = 2; i + 1 < argc; i += 2) {
        if (!strcmp(argv[i], "--sheet")) sheetDir = argv[i + 1];
        else if (!strcmp(argv[i], "--jobs")) jobsN = (unsigned)std::max(1, atoi(argv[i + 1]));
        else if (!strcmp(argv[i], "--only")) only = argv[i + 1];
    }
    std::error_code ec;
    std::filesystem::create_directories(resDir + "/image", ec);
    std::filesystem::create_directories(resDir + "/model3d", ec);
    if (!sheetDir.empty()) std::filesystem::create_directories(sheetDir, ec);

    std::vector<Job> jobs;
    for (int i = 0; i < PNG_NUM; i++) jobs.push_back({kPngNames[i], UnderRes(pngFilePath[i]), false, pngLtp[i]});
    for (int i = 0; i < TGA_NUM; i++) jobs.push_back({kTgaNames[i], UnderRes(tgaFilePath[i]), true, tgaLtp[i]});
    if (!only.empty()) {
        std::vector<Job> keep;
        for (auto& j : jobs) if (j.id.find(only) != std::string::npos) keep.push_back(j);
        jobs.swap(keep);
    }

    std::atomic<size_t> next{0};
    std::atomic<bool> fontsOk{true};
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < jobsN; t++)
        pool.emplace_back([&] {
            if (!Fonts_InitThread()) { fontsOk = false; return; }
            for (size_t i; (i = next++) < jobs.size();) Render(jobs[i], resDir);
            Fonts_DoneThread();
        });
    for (auto& th : pool) th.join();
    if (!fontsOk) return 1;

    int models = only.empty() ? Models_Write(resDir + "/model3d") : 0;
    int failed = 0, blank = 0, generic = 0;
    for (auto& j : jobs) {
        if (!j.ok) { printf("resgen: cannot write %s\n", j.file.c_str()); failed++; }
        if (j.blank) { printf("resgen: picture %s has no visible pixels\n", j.id.c_str()); blank++; }
        if (std::string(j.rule) == "generic") { printf("resgen: no routine for %s, generic picture\n", j.id.c_str()); generic++; }
    }
    double genSec = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    int pages = sheetDir.empty() ? 0 : WriteSheet(jobs, sheetDir);
    if (!sheetDir.empty() && only.empty()) {
        WriteLayouts(sheetDir);
        WriteModelPreview(resDir, sheetDir);
    }
    for (auto& j : jobs) if (j.thumb) cairo_surface_destroy(j.thumb);
    double allSec = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    printf("resgen: %zu pictures, %d models in %.2f s on %u threads (%d generic, %d blank); contact sheet %d pages, total %.2f s\n",
           jobs.size(), models, genSec, jobsN, generic, blank, pages, allSec);
    return failed == 0 && (only.empty() ? models == 3 : true) ? 0 : 1;
}
