/* The picture and model resources: the tables (identifiers, files, default places, module icon
 * lists, model table), the generated files under ./Res/ (format, size, content), the .vbo models,
 * and the generator's determinism. Runs in the program directory, where the build wrote ./Res/. */
#include <gtest/gtest.h>

#include <png.h>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "OrvRender/Res_BmpPool.h"
#include "OrvRender/Res_Model.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Tga.h"

namespace fs = std::filesystem;

namespace {

struct PicInfo {
    bool ok = false;
    int w = 0, h = 0;
    int channels = 0;   /* 3 RGB, 4 RGBA */
    bool visible = false;
    std::string why;
};

/* Decodes a whole PNG file with libpng; accepts only what the picture loader accepts. */
PicInfo ReadPng(const std::string& path)
{
    PicInfo r;
    FILE* f = fopen(path.c_str(), "rb");
    if (!f) { r.why = "missing"; return r; }
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<png_byte> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        fclose(f);
        r.ok = false;
        r.why = "undecodable";
        return r;
    }
    png_init_io(png, f);
    png_read_info(png, info);
    int ct = png_get_color_type(png, info), bd = png_get_bit_depth(png, info);
    r.w = (int)png_get_image_width(png, info);
    r.h = (int)png_get_image_height(png, info);
    if (bd != 8 || (ct != PNG_COLOR_TYPE_RGB && ct != PNG_COLOR_TYPE_RGBA)) {
        r.why = "colour type " + std::to_string(ct) + ", depth " + std::to_string(bd);
    } else {
        r.channels = ct == PNG_COLOR_TYPE_RGBA ? 4 : 3;
        std::vector<png_byte> row((size_t)r.w * r.channels);
        for (int y = 0; y < r.h; y++) {
            png_read_row(png, row.data(), nullptr);
            for (int x = 0; x < r.w && !r.visible; x++) {
                const png_byte* p = &row[(size_t)x * r.channels];
                r.visible = r.channels == 4 ? p[3] > 8 : (p[0] | p[1] | p[2]) != 0;
            }
        }
        png_read_end(png, nullptr);
        r.ok = true;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    fclose(f);
    return r;
}

/* Checks a TGA the way the picture loader reads it: uncompressed true colour, 24 or 32 bits,
 * default (bottom-left) origin, exactly the pixel bytes after the header. */
PicInfo ReadTga(const std::string& path)
{
    PicInfo r;
    std::ifstream in(path, std::ios::binary);
    if (!in) { r.why = "missing"; return r; }
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 18) { r.why = "short header"; return r; }
    r.w = b[12] | b[13] << 8;
    r.h = b[14] | b[15] << 8;
    int bpp = b[16];
    if (b[2] != 2) { r.why = "image type " + std::to_string(b[2]); return r; }
    if (b[1] != 0) { r.why = "colour map"; return r; }
    if (bpp != 24 && bpp != 32) { r.why = "depth " + std::to_string(bpp); return r; }
    if (b[17] & 0x30) { r.why = "origin not bottom left"; return r; }
    r.channels = bpp / 8;
    size_t px = 18 + b[0];
    if (b.size() != px + (size_t)r.w * r.h * r.channels) { r.why = "size does not match the header"; return r; }
    for (size_t i = px; i < b.size() && !r.visible; i += r.channels)
        r.visible = r.channels == 4 ? b[i + 3] > 8 : (b[i] | b[i + 1] | b[i + 2]) != 0;
    r.ok = r.w > 0 && r.h > 0;
    return r;
}

struct Size { int w, h; };
Size PngSize(int id) { PicInfo i = ReadPng(pngFilePath[id]); return {i.w, i.h}; }
Size TgaSize(int id) { PicInfo i = ReadTga(tgaFilePath[id]); return {i.w, i.h}; }

} // namespace

/* ---- Tables ------------------------------------------------------------------------------------ */

TEST(ResTables, IdentifiersKeepTheirValues)
{
    struct { int got, want; const char* what; } cases[] = {
        {PNG_NUM, 943, "PNG_NUM"}, {TGA_NUM, 193, "TGA_NUM"},
        {PNG_Charge_Charging_000, 22, "first charging frame"}, {PNG_Charge_Charging_043, 65, "last charging frame"},
        {PNG_check_main_car_blue, 66, "self-test car"}, {PNG_check_000, 83, "first self-test frame"},
        {PNG_check_092, 175, "last self-test frame"}, {PNG_driving_car_blue_base, 176, "driving car"},
        {PNG_eco_001, 201, "eco"}, {PNG_eco_006, 206, "eco 6"}, {PNG_eco_042, 242, "eco end"},
        {PNG_sport_001, 244, "sport 1"}, {PNG_sport_042, 285, "sport end"},
        {PNG_style_led_eco, 286, "style lamp"}, {PNG_menu_right_icon_mediasrc, 301, "menu icons"},
        {PNG_menu_right_icon_windpwr_gray, 313, "menu icons end"}, {PNG_menu_right_value_set_progress, 317, "menu end"},
        {PNG_module_energy_cost_avg_unit, 318, "energy"}, {PNG_module_L0_decoration, 328, "decoration"},
        {PNG_module_L0_icon_clock, 337, "last list icon"}, {PNG_module_vehicle_status_backtrunk_close, 340, "status"},
        {PNG_parking_car_blue_base, 370, "parked car"}, {PNG_parking_car_red_base, 430, "red family"},
        {PNG_parking_car_white_rfdoor_open, 468, "parked car end"}, {PNG_radar_car_front_blue, 469, "radar"},
        {PNG_rolling_00, 484, "rolling"}, {PNG_VAI_in_001, 497, "voice in 1"}, {PNG_VAI_shadow, 656, "voice shadow"},
        {PNG_ui3_speed_digit_0, 657, "digit 0"}, {PNG_ui3_speed_digit_dot, 667, "digit dot"},
        {PNG_ui3_speed_digit_red_0, 668, "red digit 0"}, {PNG_ui3_speed_unit_kmph, 682, "unit"},
        {PNG_weather_icon_01, 686, "weather"}, {PNG_uv_TexCarLarge_Blue, 724, "model textures"},
        {PNG_sampling_000, 736, "sampling"}, {PNG_sampling_250, 886, "sampling success"},
        {PNG_sampling_error, 908, "sampling error"}, {PNG_alert_dialog_confirm_single_change, 909, "dialog"},
        {PNG_alarm_font_collision_failure, 911, "alarm pictures"}, {PNG_lane_assist_left, 916, "lane assist"},
        {PNG_hint_head_s, 920, "hints"}, {PNG_hint_icon_distraction_lcc, 926, "hints end"},
        {PNG_ACC_009, 927, "ACC"}, {PNG_ui3_basic_bg_backing, 931, "backgrounds"}, {PNG_logo, 942, "logo"},
        {TGA_logo, 0, "tga logo"}, {TGA_alert_dialog_background, 21, "alerts"}, {TGA_cruise_arrow, 37, "cruise"},
        {TGA_led_brake_syserr, 56, "fixed lamps"}, {TGA_led_turn_right, 85, "fixed lamps end"},
        {TGA_led_12v_bat, 86, "dynamic lamps"}, {TGA_led_power_limit, 109, "dynamic lamps end"},
        {TGA_menu_2nd_bg, 110, "menus"}, {TGA_menu_2nd_icon_radio_tbook, 131, "menus end"},
        {TGA_menu_left_acc_1, 132, "left menu"}, {TGA_menu_left_txt_voice_phone, 145, "left menu end"},
        {TGA_module_L0_text_energy, 146, "titles"}, {TGA_module_L0_text_clock, 154, "titles end"},
        {TGA_nav_icon_nav_disable, 155, "navigation"}, {TGA_nav_tips_disable, 175, "navigation end"},
        {TGA_ui3_basic_battery_bg, 178, "basic page"}, {TGA_ui3_led_ready, 192, "ready lamp"},
    };
    for (auto& c : cases) EXPECT_EQ(c.got, c.want) << c.what;
}

TEST(ResTables, TellingRowsHaveTheirFilesAndPlaces)
{
    struct { bool tga; int id; const char* file; int x, y; } rows[] = {
        {false, PNG_charge_background_charging, "./Res/image/charge_background_charging.png", 0, 0},
        {false, PNG_Charge_Charging_000, "./Res/image/Charging_Charging_000.png", 0, 299},
        {false, PNG_eco_001, "./Res/image/eco-720_031.png", 0, 630},
        {false, PNG_menu_right_icon_temp, "./Res/image/menu_right_icon_temp.png", 1384, 172},
        {false, PNG_ui3_speed_digit_0, "./Res/image/ui3_speed_digit_0.png", 932, 104},
        {false, PNG_sampling_000, "./Res/image/sampling_000.png", 1317, 167},
        {false, PNG_logo, "./Res/image/logo.png", 531, 312},
        {true, TGA_logo, "./Res/image/logo.tga", 531, 312},
        {true, TGA_led_turn_left, "./Res/image/led_turn_left.tga", 732, 202},
        {true, TGA_ui3_basic_bg_bottom, "./Res/image/ui3_basic_bg_bottom.tga", 0, 626},
    };
    for (auto& r : rows) {
        const char* file = r.tga ? tgaFilePath[r.id] : pngFilePath[r.id];
        Vec2i p = r.tga ? tgaLtp[r.id] : pngLtp[r.id];
        EXPECT_STREQ(file, r.file);
        EXPECT_EQ(p.x, r.x) << r.file;
        EXPECT_EQ(p.y, r.y) << r.file;
    }
}

TEST(ResTables, FileNameExceptions)
{
    struct { bool tga; int id; const char* file; } rows[] = {
        {false, PNG_Charge_Charging_043, "./Res/image/Charging_Charging_043.png"},
        {false, PNG_eco_042, "./Res/image/eco-720_072.png"},
        {false, PNG_sport_000, "./Res/image/sport_720_030.png"},
        {false, PNG_sport_042, "./Res/image/sport_720_072.png"},
        {false, PNG_module_L0_icon_trip, "./Res/image/module_L0_icon__trip.png"},
        {false, PNG_module_phone_incall_bg, "./Res/image/module_phone_incall_bg_new.png"},
        {false, PNG_parking_car_blue_camera, "./Res/image/parking_car_blue_camer.png"},
        {false, PNG_parking_car_darkgray_camera, "./Res/image/parking_car_darkgray_camer.png"},
        {false, PNG_parking_car_gray_camera, "./Res/image/parking_car_gray_camer.png"},
        {false, PNG_parking_car_all_red_camera, "./Res/image/parking_car_all_red_camer.png"},
        {false, PNG_parking_car_all_gray_camera, "./Res/image/parking_car_all_gray_camer.png"},
        {false, PNG_parking_car_all_blue_camera, "./Res/image/parking_car_all_blue_camer.png"},
        {false, PNG_parking_car_red_camer, "./Res/image/parking_car_red_camer.png"},
        {false, PNG_parking_car_white_camer, "./Res/image/parking_car_white_camer.png"},
        {false, PNG_driving_car_blue_camera, "./Res/image/driving_car_blue_camera.png"},
        {false, PNG_radar_car_rear_all_grey, "./Res/image/radar_car_rear_all_gray.png"},
        {false, PNG_radar_car_rear_grey, "./Res/image/radar_car_rear_grey.png"},
        {false, PNG_VAI_shadow, "./Res/image/vai_shadow.png"},
        {false, PNG_VAI_in_001, "./Res/image/VAI_in_001.png"},
        {false, PNG_lane_assist_left, "./Res/image/Lane_assist_left.png"},
        {false, PNG_lane_assist_right_alarm, "./Res/image/Lane_assist_right_alarm.png"},
        {false, PNG_uv_TexCarLarge_Blue, "./Res/model3d/Truck_Simple_Model_blue.png"},
        {false, PNG_uv_TexCarMedium_Gray, "./Res/model3d/Car_Simple_Model_gray.png"},
        {false, PNG_uv_TexCarSmall_Yellow, "./Res/model3d/Bicycle_Simple_Model_yellow.png"},
        {true, TGA_gear_tip_D, "./Res/image/gear_tip_d.tga"},
        {true, TGA_gear_tip_R, "./Res/image/gear_tip_r.tga"},
        {true, TGA_ui3_gear_N, "./Res/image/ui3_gear_N_gray.tga"},
        {true, TGA_ui3_gear_PRND_gray, "./Res/image/ui3_gear_PRND_gray.tga"},
        {true, TGA_AI_parking_used_rigthslot2, "./Res/image/AI_parking_used_rigthslot2.tga"},
    };
    for (auto& r : rows) EXPECT_STREQ(r.tga ? tgaFilePath[r.id] : pngFilePath[r.id], r.file);
}

TEST(ResTables, EveryPictureHasItsOwnFileInItsFolder)
{
    std::set<std::string> seen;
    for (int i = 0; i < PNG_NUM; i++) {
        std::string p = pngFilePath[i];
        bool texture = i >= PNG_uv_TexCarLarge_Blue && i <= PNG_uv_TexCarSmall_Yellow;
        EXPECT_EQ(p.rfind(texture ? "./Res/model3d/" : "./Res/image/", 0), 0u) << p;
        EXPECT_EQ(p.substr(p.size() - 4), ".png") << p;
        EXPECT_TRUE(seen.insert(p).second) << "two pictures share " << p;
    }
    for (int i = 0; i < TGA_NUM; i++) {
        std::string p = tgaFilePath[i];
        EXPECT_EQ(p.rfind("./Res/image/", 0), 0u) << p;
        EXPECT_EQ(p.substr(p.size() - 4), ".tga") << p;
        EXPECT_TRUE(seen.insert(p).second) << "two pictures share " << p;
    }
}

TEST(ResTables, ModuleIconListsPointIntoThePictureRecords)
{
    const int left[8] = {PNG_module_L0_icon_clock, PNG_module_L0_icon_weather, PNG_module_L0_icon_trip,
                         PNG_module_L0_icon_energy_cost, PNG_module_L0_icon_navigation,
                         PNG_module_L0_icon_vehicle_status, PNG_module_L0_icon_media, PNG_module_L0_icon_null};
    const int right[9] = {PNG_module_L0_icon_clock, PNG_module_L0_icon_weather, PNG_module_L0_icon_phone,
                          PNG_module_L0_icon_trip, PNG_module_L0_icon_energy_cost, PNG_module_L0_icon_navigation,
                          PNG_module_L0_icon_vehicle_status, PNG_module_L0_icon_media, PNG_module_L0_icon_null};
    for (int i = 0; i < 8; i++) EXPECT_EQ(pModuleLeftIcon[i], &pngImg[left[i]]) << i;
    for (int i = 0; i < 9; i++) EXPECT_EQ(pModuleRightIcon[i], &pngImg[right[i]]) << i;
}

TEST(ResTables, ModelTableAndMaterials)
{
    EXPECT_EQ(VBO_NUM, 3);
    EXPECT_STREQ(vboFilePath[VBO_CarLarge], "./Res/model3d/truck_1.vbo");
    EXPECT_STREQ(vboFilePath[VBO_CarMedium], "./Res/model3d/car_1.vbo");
    EXPECT_STREQ(vboFilePath[VBO_CarSmall], "./Res/model3d/bicycle_1.vbo");
    const GLenum idx[5] = {GL_UNSIGNED_BYTE, GL_UNSIGNED_BYTE, GL_UNSIGNED_SHORT, GL_UNSIGNED_SHORT, GL_UNSIGNED_INT};
    for (int i = 0; i < 5; i++) EXPECT_EQ(vboIdxType[i], idx[i]) << i;
    const GLfloat gray[16] = {0.3f, 0.3f, 0.3f, 1, 0.3f, 0.3f, 0.3f, 1, 0.3f, 0.3f, 0.3f, 1, 0, 5, 40, 1};
    const GLfloat red[16] = {0.5f, 0.25f, 0.25f, 1, 0.4f, 0.3f, 0.3f, 1, 0.35f, 0.3f, 0.3f, 1, 0, 5, 40, 1};
    const GLfloat blue[16] = {0.1f, 0.2f, 0.45f, 1, 0.1f, 0.2f, 0.45f, 1, 0.1f, 0.2f, 0.45f, 1, 0, 5, 40, 1};
    for (int i = 0; i < 16; i++) {
        EXPECT_FLOAT_EQ(vboMaterialGray[i], gray[i]) << i;
        EXPECT_FLOAT_EQ(vboMaterialRed[i], red[i]) << i;
        EXPECT_FLOAT_EQ(vboMaterialBlue[i], blue[i]) << i;
    }
    EXPECT_EQ((uintptr_t)BMP_POOL_RESERVED, ~(uintptr_t)0);
}

/* ---- Generated files ------------------------------------------------------------------------------- */

TEST(ResFiles, EveryPngDecodesAsEightBitRgbOrRgbaWithContent)
{
    for (int i = 0; i < PNG_NUM; i++) {
        PicInfo p = ReadPng(pngFilePath[i]);
        EXPECT_TRUE(p.ok) << pngFilePath[i] << ": " << p.why;
        EXPECT_TRUE(!p.ok || p.visible) << pngFilePath[i] << " has no visible pixel";
    }
}

TEST(ResFiles, EveryTgaIsUncompressedTrueColourFromTheBottomRowWithContent)
{
    for (int i = 0; i < TGA_NUM; i++) {
        PicInfo p = ReadTga(tgaFilePath[i]);
        EXPECT_TRUE(p.ok) << tgaFilePath[i] << ": " << p.why;
        EXPECT_TRUE(!p.ok || p.visible) << tgaFilePath[i] << " has no visible pixel";
    }
}

/* The TGA pixels start with the bottom row: the bottom bar is transparent at its top edge and dark
 * at the screen's bottom edge, so the first stored row must be the more opaque one. */
TEST(ResFiles, TgaRowsAreStoredBottomFirst)
{
    std::ifstream in(tgaFilePath[TGA_ui3_basic_bg_bottom], std::ios::binary);
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(b.size(), 18u);
    int w = b[12] | b[13] << 8, h = b[14] | b[15] << 8;
    ASSERT_EQ(b[16], 32);
    ASSERT_EQ(b.size(), 18 + (size_t)w * h * 4);
    const unsigned char* first = &b[18 + b[0]];
    const unsigned char* last = first + (size_t)(h - 1) * w * 4;
    int aFirst = first[(w / 2) * 4 + 3], aLast = last[(w / 2) * 4 + 3];
    EXPECT_GT(aFirst, 150) << "bottom row";
    EXPECT_LT(aLast, 40) << "top row";
}

/* Sizes and places that the screens rely on. */
TEST(ResFiles, PicturesFitTheScreensThatDrawThem)
{
    /* backgrounds drawn at 4/3 fill the screen, and are opaque */
    for (int id = PNG_ui3_basic_bg_backing; id <= PNG_ui3_basic_bg_driving_night; id++) {
        Size s = PngSize(id);
        EXPECT_GE(s.w * 4 / 3, 1920) << pngFilePath[id];
        EXPECT_GE(s.h * 4 / 3, 720) << pngFilePath[id];
        EXPECT_EQ(ReadPng(pngFilePath[id]).channels, 3) << pngFilePath[id];
    }
    for (int id : {PNG_charge_background_charging, PNG_charge_background_normal}) {
        Size s = PngSize(id);
        EXPECT_TRUE(s.w == 1920 && s.h == 720) << pngFilePath[id];
    }
    /* the self-test background is stretched 4.5 times sideways; the bottom bar doubled */
    EXPECT_GE(PngSize(PNG_check_background).w * 45 / 10, 1920);
    for (int id : {TGA_ui3_basic_bg_bottom, TGA_ui3_basic_bg_bottom_night}) {
        Size s = TgaSize(id);
        EXPECT_GE(s.w * 2, 1920) << tgaFilePath[id];
        EXPECT_GE(tgaLtp[id].y + s.h, 720) << tgaFilePath[id];
    }
    /* the lane-centring and cruise lamps grow from the centre of a 62-pixel picture */
    for (int id : {PNG_LCC_009, PNG_LCC_027, PNG_ACC_009, PNG_ACC_028}) {
        Size s = PngSize(id);
        EXPECT_TRUE(s.w == 62 && s.h == 62) << pngFilePath[id];
    }
    /* pictures turned about a fixed screen point have their centre on it */
    struct { int id; int cx, cy; } turned[] = {
        {PNG_module_clock_hour, 455, 355}, {PNG_module_clock_minute, 455, 355},
        {PNG_module_media_black_tape, 298, 352}, {PNG_Nimbo_loading, 960, 320},
    };
    for (auto& t : turned) {
        Size s = PngSize(t.id);
        EXPECT_EQ(pngLtp[t.id].x + s.w / 2, t.cx) << pngFilePath[t.id];
        EXPECT_EQ(pngLtp[t.id].y + s.h / 2, t.cy) << pngFilePath[t.id];
    }
    /* the energy arcs (radii 180 .. 198 about 441, 391, from -52 to 151.7 degrees) lie inside the
     * pictures they take their texture coordinates from */
    for (int id : {PNG_module_energy_cost_bar_positive, PNG_module_energy_cost_bar_negative}) {
        Size s = PngSize(id);
        Vec2i p = pngLtp[id];
        EXPECT_LE(p.x, 441 - 198);
        EXPECT_GE(p.x + s.w, 441 + 198);
        EXPECT_LE(p.y, 391 - 198);
        EXPECT_GE(p.y + s.h, 391 + (int)std::ceil(198 * std::sin(52 * M_PI / 180)));
    }
    /* lamps sit on places 72 pixels apart (the speed-limit sign and the camera are drawn apart) */
    for (int id = TGA_led_brake_syserr; id <= TGA_led_power_limit; id++) {
        if (id == TGA_led_speed_limit_bg || id == TGA_led_traffic_camera) continue;
        Size s = TgaSize(id);
        EXPECT_TRUE(s.w <= 72 && s.h <= 72) << tgaFilePath[id];
    }
    for (int id = PNG_alarm_font_collision_failure; id <= PNG_alarm_ACC_failure; id++) {
        Size s = PngSize(id);
        EXPECT_TRUE(s.w <= 72 && s.h <= 72) << pngFilePath[id];
    }
    /* module list icons are drawn into square slots */
    for (int id = PNG_module_L0_icon_energy_cost; id <= PNG_module_L0_icon_clock; id++) {
        Size s = PngSize(id);
        EXPECT_EQ(s.w, s.h) << pngFilePath[id];
    }
    /* model textures are opaque */
    for (int id = PNG_uv_TexCarLarge_Blue; id <= PNG_uv_TexCarSmall_Yellow; id++)
        EXPECT_EQ(ReadPng(pngFilePath[id]).channels, 3) << pngFilePath[id];
}

/* Frames of one sequence, colours of one family and digits of one set share one size, so that a
 * sequence plays in place and a family's overlays line up. */
TEST(ResFiles, FamiliesShareOneSize)
{
    struct Range { int first, last; const char* what; } ranges[] = {
        {PNG_Charge_Charging_000, PNG_Charge_Charging_043, "charging frames"},
        {PNG_check_000, PNG_check_092, "self-test frames"},
        {PNG_check_main_car_blue, PNG_check_main_car_all_blue_cam, "self-test cars"},
        {PNG_eco_001, PNG_sport_042, "driving-mode frames"},
        {PNG_parking_car_blue_base, PNG_parking_car_white_rfdoor_open, "parked car pictures"},
        {PNG_rolling_00, PNG_rolling_11, "rolling wheel"},
        {PNG_VAI_in_000, PNG_VAI_speaking_039, "voice assistant frames"},
        {PNG_sampling_000, PNG_sampling_error, "face recognition frames"},
        {PNG_ui3_speed_digit_0, PNG_ui3_speed_digit_9, "white digits"},
        {PNG_ui3_speed_digit_red_0, PNG_ui3_speed_digit_red_9, "red digits"},
        {PNG_weather_icon_01, PNG_weather_icon_37, "weather icons"},
        {PNG_module_vehicle_status_backtrunk_close, PNG_module_vehicle_status_rfdoor_open, "vehicle status car"},
    };
    for (auto& r : ranges) {
        Size s0 = PngSize(r.first);
        for (int id = r.first; id <= r.last; id++) {
            if (id == PNG_module_vehicle_status_body + 11) break; /* the status shadow follows the doors */
            Size s = PngSize(id);
            EXPECT_TRUE(s.w == s0.w && s.h == s0.h) << r.what << ": " << pngFilePath[id];
        }
    }
    EXPECT_EQ(PngSize(PNG_ui3_speed_digit_0).h, PngSize(PNG_ui3_speed_digit_red_0).h);
    for (int id = TGA_ui3_gear_D; id <= TGA_ui3_gear_R; id++) {
        Size s = TgaSize(id), g = TgaSize(TGA_ui3_gear_PRND_gray);
        EXPECT_TRUE(s.w == g.w && s.h == g.h) << tgaFilePath[id];
    }
}

/* ---- Models ------------------------------------------------------------------------------------------ */

namespace {
struct Vbo {
    uint8_t hdr = 0, idxType = 0;
    float bounds[6] = {};
    uint32_t faces = 0, verts = 0;
    std::vector<float> pos, txc, nor;
    std::vector<uint32_t> idx;
    std::string why;
};

/* Reads the model format field by field, as the model loader does, and insists on nothing after
 * the indices. */
bool ParseVbo(const std::string& path, Vbo* m)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) { m->why = "missing"; return false; }
    std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t at = 0;
    auto take = [&](void* dst, size_t n) {
        if (at + n > b.size()) return false;
        memcpy(dst, &b[at], n);
        at += n;
        return true;
    };
    if (!take(&m->hdr, 1) || (m->hdr & 0xFC)) { m->why = "header"; return false; }
    if (!take(m->bounds, 24) || !take(&m->idxType, 1)) { m->why = "bounds"; return false; }
    if (m->idxType != 1 && m->idxType != 2 && m->idxType != 4) { m->why = "index type"; return false; }
    if (!take(&m->faces, 4) || !take(&m->verts, 4) || !m->faces || !m->verts) { m->why = "counts"; return false; }
    m->pos.resize(m->verts * 3);
    if (!take(m->pos.data(), m->pos.size() * 4)) { m->why = "positions"; return false; }
    if (m->hdr & 2) {
        m->txc.resize(m->verts * 2);
        if (!take(m->txc.data(), m->txc.size() * 4)) { m->why = "texture coordinates"; return false; }
    }
    if (m->hdr & 1) {
        m->nor.resize(m->verts * 3);
        if (!take(m->nor.data(), m->nor.size() * 4)) { m->why = "normals"; return false; }
    }
    for (uint32_t i = 0; i < m->faces * 3; i++) {
        uint32_t v = 0;
        if (!take(&v, m->idxType)) { m->why = "indices"; return false; }
        m->idx.push_back(v);
    }
    if (at != b.size()) { m->why = "bytes after the indices"; return false; }
    return true;
}
} // namespace

TEST(ResModels, ModelsAreWellFormedLowPolyMeshes)
{
    struct { int id; float minLen, maxLen; } cases[] = {
        {VBO_CarLarge, 6.0f, 10.0f}, {VBO_CarMedium, 3.5f, 5.5f}, {VBO_CarSmall, 1.2f, 2.2f},
    };
    for (auto& c : cases) {
        Vbo m;
        ASSERT_TRUE(ParseVbo(vboFilePath[c.id], &m)) << vboFilePath[c.id] << ": " << m.why;
        SCOPED_TRACE(vboFilePath[c.id]);
        EXPECT_EQ(m.hdr, 3) << "normals and texture coordinates";
        EXPECT_LT(m.faces, 2000u) << "low poly";
        float lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
        for (uint32_t v = 0; v < m.verts; v++)
            for (int k = 0; k < 3; k++) {
                lo[k] = std::fmin(lo[k], m.pos[v * 3 + k]);
                hi[k] = std::fmax(hi[k], m.pos[v * 3 + k]);
            }
        for (int k = 0; k < 3; k++) {
            EXPECT_FLOAT_EQ(m.bounds[2 * k], lo[k]) << "min " << k;
            EXPECT_FLOAT_EQ(m.bounds[2 * k + 1], hi[k]) << "max " << k;
        }
        EXPECT_NEAR(m.bounds[4], 0.0f, 1e-4) << "stands on the road";
        float len = m.bounds[3] - m.bounds[2];
        EXPECT_TRUE(len >= c.minLen && len <= c.maxLen) << "length " << len;
        for (float t : m.txc) EXPECT_TRUE(t >= 0.0f && t <= 1.0f);
        for (uint32_t v = 0; v < m.verts; v++) {
            float x = m.nor[v * 3], y = m.nor[v * 3 + 1], z = m.nor[v * 3 + 2];
            EXPECT_NEAR(x * x + y * y + z * z, 1.0f, 1e-3) << "vertex " << v;
        }
        /* every index in range, and every triangle wound counter-clockwise around its normal, so
         * that back-face culling keeps the outside */
        int badWinding = 0;
        for (uint32_t f = 0; f < m.faces; f++) {
            uint32_t a = m.idx[f * 3], b = m.idx[f * 3 + 1], d = m.idx[f * 3 + 2];
            ASSERT_TRUE(a < m.verts && b < m.verts && d < m.verts) << "face " << f;
            const float* p0 = &m.pos[a * 3]; const float* p1 = &m.pos[b * 3]; const float* p2 = &m.pos[d * 3];
            float u[3] = {p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]}, w[3] = {p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
            float n[3] = {u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
            const float* vn = &m.nor[a * 3];
            if (n[0] * vn[0] + n[1] * vn[1] + n[2] * vn[2] <= 0) badWinding++;
        }
        EXPECT_EQ(badWinding, 0);
        /* a closed-ish solid: the normals point away from the model's centre on average */
        float cx = (lo[0] + hi[0]) / 2, cy = (lo[1] + hi[1]) / 2, cz = (lo[2] + hi[2]) / 2, out = 0;
        for (uint32_t v = 0; v < m.verts; v++)
            out += (m.pos[v * 3] - cx) * m.nor[v * 3] + (m.pos[v * 3 + 1] - cy) * m.nor[v * 3 + 1] +
                   (m.pos[v * 3 + 2] - cz) * m.nor[v * 3 + 2];
        EXPECT_GT(out, 0.0f) << "normals face outwards";
    }
}

/* ---- The generator --------------------------------------------------------------------------------- */

namespace {
std::vector<std::string> FilesUnder(const fs::path& root)
{
    std::vector<std::string> out;
    for (auto& e : fs::recursive_directory_iterator(root))
        if (e.is_regular_file()) out.push_back(fs::relative(e.path(), root).string());
    std::sort(out.begin(), out.end());
    return out;
}
std::string Slurp(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}
} // namespace

TEST(ResGen, TwoRunsWriteIdenticalBytesWhateverTheThreadCount)
{
    fs::path base = fs::temp_directory_path() / ("resgen_test_" + std::to_string(getpid()));
    fs::remove_all(base);
    std::string a = (base / "a").string(), b = (base / "b").string();
    ASSERT_EQ(system(("./resgen " + a + " --jobs 2 > /dev/null").c_str()), 0);
    ASSERT_EQ(system(("./resgen " + b + " --jobs 1 > /dev/null").c_str()), 0);
    std::vector<std::string> fa = FilesUnder(a), fb = FilesUnder(b);
    ASSERT_EQ(fa, fb);
    EXPECT_EQ(fa.size(), (size_t)(PNG_NUM + TGA_NUM + VBO_NUM));
    int differ = 0, stale = 0;
    for (auto& f : fa) {
        std::string ca = Slurp(fs::path(a) / f);
        if (ca != Slurp(fs::path(b) / f)) { ADD_FAILURE() << f << " differs between runs"; differ++; }
        /* and the build's own tree is the same generation */
        if (ca != Slurp(fs::path("Res") / f)) stale++;
    }
    EXPECT_EQ(differ, 0);
    EXPECT_EQ(stale, 0) << "./Res differs from a fresh generation";
    fs::remove_all(base);
}
