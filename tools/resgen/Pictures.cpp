/* The picture catalogue and the family routines that draw each kind of picture. */
#include "Pictures.h"

#include "Draw.h"

#include <cmath>
#include <map>
#include <regex>

namespace {

int Num(const std::string& s) { return std::stoi(s); }
Rgb Mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
double Ease(double t) { return t <= 0 ? 0 : t >= 1 ? 1 : 0.5 - 0.5 * cos(t * M_PI); }

/* ---- Texts of the label pictures (the cluster speaks simplified Chinese). ------------------- */
const std::map<std::string, std::string>& Labels()
{
    static const std::map<std::string, std::string> m = {
        {"charge_range_unit_km", "km"},
        {"charge_charging", "充电中"},
        {"charge_ready", "准备充电"},
        {"charge_error", "充电故障"},
        {"charge_hint_ready", "充电准备中，请稍候"},
        {"charge_hint_charging", "正在充电，请勿拔枪"},
        {"charge_hint_finish", "充电已完成"},
        {"charge_hint_stop", "充电已停止"},
        {"charge_hint_pull_gun", "请拔出充电枪后再启动车辆"},
        {"charge_hint_contact_maintenance", "充电异常，请联系售后服务"},
        {"module_phone_tips_list_loading", "正在加载联系人…"},
        {"module_phone_tips_no_record", "暂无通话记录"},
        {"module_phone_tips_unavailable", "蓝牙电话不可用"},
        {"upgrade_tips_waiting", "系统升级中，请勿断电"},
        {"Nimbo_hint_1", "系统正在升级，请稍候"},
        {"Nimbo_hint_2", "请勿关闭电源"},
        {"module_L0_text_energy", "能耗"},
        {"module_L0_text_media", "媒体"},
        {"module_L0_text_navigation", "导航"},
        {"module_L0_text_null", "无"},
        {"module_L0_text_status", "车况"},
        {"module_L0_text_telephone", "电话"},
        {"module_L0_text_trip", "行程"},
        {"module_L0_text_weather", "天气"},
        {"module_L0_text_clock", "时钟"},
        {"nav_tips_arrive_destination", "已到达目的地"},
        {"nav_tips_cost_left", "剩余"},
        {"nav_tips_next_enter", "进入"},
        {"nav_tips_disable", "导航未开启"},
        {"nav_unit_next_distance_km", "km"},
        {"nav_unit_next_distance_m", "m"},
        {"menu_left_txt_voice_media", "媒体音量"},
        {"menu_left_txt_voice_ai", "语音音量"},
        {"menu_left_txt_voice_phone", "通话音量"},
        {"menu_left_txt_acc", "跟车距离"},
        {"alert_dialog_confirm_single_change", "更换"},
        {"alert_dialog_confirm_single_retry", "重试"},
        {"alert_dialog_confirm_single", "确定"},
        {"alert_dialog_confirm", "确定"},
        {"alert_dialog_cancel", "取消"},
        {"gear_tip_D", "D 前进挡"},
        {"gear_tip_N", "N 空挡"},
        {"gear_tip_P", "P 驻车挡"},
        {"gear_tip_R", "R 倒车挡"},
        {"style_led_eco", "ECO"},
        {"style_led_sport", "SPORT"},
        {"ui3_speed_invalid", "---"},
        {"ui3_speed_unit_kmph", "km/h"},
        {"module_energy_cost_avg_unit", "kWh/100km"},
        {"charging_range_unit_KM", "km"},
    };
    return m;
}

/* ---- Generic family looks ------------------------------------------------------------------ */

void Generic(cairo_t* cr, const PicCtx& c)
{
    /* a calm panel with the picture's name: never an empty file */
    RoundRect(cr, 1, 1, c.w - 2, c.h - 2, std::fmin(c.w, c.h) * 0.12);
    SetColor(cr, Pal::Panel, 0.85);
    cairo_fill_preserve(cr);
    SetColor(cr, Pal::Blue, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    double s = FitSize(cr, c.name, false, c.w * 0.9, c.h * 0.6, 18);
    TextBox(cr, c.name, s, false, 0, 0, c.w, c.h, Pal::Gray);
}

void Label(cairo_t* cr, const PicCtx& c)
{
    auto it = Labels().find(c.name);
    std::string t = it != Labels().end() ? it->second : c.name;
    bool bold = c.name.find("style_led") != std::string::npos || c.name.find("speed") != std::string::npos;
    Rgb col = Pal::White;
    if (c.name.find("hint_contact") != std::string::npos || c.name == "charge_error") col = Pal::Red;
    if (c.name.find("unit") != std::string::npos || c.name.find("tips") != std::string::npos) col = Pal::Gray;
    if (c.name == "style_led_eco") col = Pal::Teal;
    if (c.name == "style_led_sport") col = {1.0, 0.25, 0.2};
    double s = FitSize(cr, t, bold, c.w * 0.96, c.h * 0.8, c.h * 0.8);
    TextBox(cr, t, s, bold, 0, 0, c.w, c.h, col);
}

/* Title pictures of the module list: text in white, left aligned. The picture's left edge lies
 * under the centre icon's rim, so the text starts a little to the right of it. */
void Title(cairo_t* cr, const PicCtx& c)
{
    auto it = Labels().find(c.name);
    std::string t = it != Labels().end() ? it->second : c.name;
    const double indent = c.w * 0.1;
    double s = FitSize(cr, t, true, c.w - indent, c.h * 0.8, c.h * 0.72);
    Text(cr, t, s, true, indent, c.h * 0.78, AL_LEFT, Pal::White);
}

/* A pill button with a text. */
void Button(cairo_t* cr, const PicCtx& c)
{
    bool cancel = c.name.find("cancel") != std::string::npos;
    RoundRect(cr, 2, 2, c.w - 4, c.h - 4, (c.h - 4) / 2);
    SetColor(cr, cancel ? Pal::Line : Pal::Blue, 0.95);
    cairo_fill(cr);
    auto it = Labels().find(c.name);
    TextBox(cr, it != Labels().end() ? it->second : c.name, c.h * 0.45, true, 0, 0, c.w, c.h, Pal::White);
}

void ShadowPic(cairo_t* cr, const PicCtx& c) { SoftShadow(cr, 0, 0, c.w, c.h, 0.75); }

/* A translucent rounded panel (module and menu backgrounds). */
void PanelBg(cairo_t* cr, const PicCtx& c)
{
    double r = std::fmin(c.w, c.h) * 0.08;
    RoundRect(cr, 2, 2, c.w - 4, c.h - 4, r);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, c.h);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.16, 0.18, 0.24, 0.80);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.08, 0.09, 0.12, 0.80);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Pal::Blue, 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

/* ---- Backgrounds --------------------------------------------------------------------------- */

void Background(cairo_t* cr, const PicCtx& c)
{
    bool night = c.name.find("night") != std::string::npos;
    double k = night ? 0.55 : 1.0;
    Rgb top{0.094 * k, 0.102 * k, 0.137 * k}, bottom{0.035 * k, 0.039 * k, 0.055 * k};
    VGradient(cr, 0, 0, c.w, c.h, top, 1, bottom, 1);
    double W = c.w, H = c.h;
    if (c.name.find("driving") != std::string::npos) {
        /* faint road edges running to the horizon */
        for (int side : {-1, 1}) {
            cairo_move_to(cr, W * 0.5 + side * W * 0.025, H * 0.38);
            cairo_line_to(cr, W * 0.5 + side * W * 0.40, H);
        }
        cairo_pattern_t* e = cairo_pattern_create_linear(0, H * 0.38, 0, H);
        cairo_pattern_add_color_stop_rgba(e, 0, 0.5, 0.7, 1.0, 0.0);
        cairo_pattern_add_color_stop_rgba(e, 1, 0.5, 0.7, 1.0, 0.22 * k);
        cairo_set_source(cr, e);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        cairo_pattern_destroy(e);
    }
    if (c.name.find("backing") != std::string::npos) {
        /* rings on the floor behind the car while reversing */
        for (int i = 1; i <= 4; i++) {
            cairo_save(cr);
            cairo_translate(cr, W / 2, H * 0.78);
            cairo_scale(cr, 1.0, 0.28);
            cairo_arc(cr, 0, 0, W * 0.09 * i, 0, 2 * M_PI);
            cairo_restore(cr);
            SetColor(cr, Pal::Blue, (0.20 - 0.04 * i) * k);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
    }
    if (c.name.find("driving") != std::string::npos || c.name.find("backing") != std::string::npos) {
        /* road vanishing towards the screen centre */
        cairo_move_to(cr, W * 0.5 - W * 0.02, H * 0.38);
        cairo_line_to(cr, W * 0.5 + W * 0.02, H * 0.38);
        cairo_line_to(cr, W * 0.5 + W * 0.36, H);
        cairo_line_to(cr, W * 0.5 - W * 0.36, H);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, H * 0.38, 0, H);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.2, 0.4, 0.8, 0.0);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.2, 0.4, 0.8, 0.16 * k);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    if (c.name.find("parking") != std::string::npos || c.name.find("charge") != std::string::npos) {
        cairo_save(cr);
        cairo_translate(cr, W / 2, H * 0.80);
        cairo_scale(cr, W * 0.45, H * 0.14);
        cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
        Rgb g = c.name.find("charging") != std::string::npos ? Pal::Green : Pal::Blue;
        cairo_pattern_add_color_stop_rgba(p, 0, g.r, g.g, g.b, 0.22 * k);
        cairo_pattern_add_color_stop_rgba(p, 1, g.r, g.g, g.b, 0);
        cairo_set_source(cr, p);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
    /* a faint blue arc frame at the top edge */
    cairo_move_to(cr, 0, H * 0.10);
    cairo_curve_to(cr, W * 0.3, H * 0.02, W * 0.7, H * 0.02, W, H * 0.10);
    SetColor(cr, Pal::Blue, 0.18 * k);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void CheckBackground(cairo_t* cr, const PicCtx& c)
{
    /* stretched 4.5 times sideways on screen: a vertical profile only */
    VGradient(cr, 0, 0, c.w, c.h, {0.02, 0.05, 0.10}, 1, {0.0, 0.0, 0.0}, 1);
    cairo_pattern_t* p = cairo_pattern_create_radial(c.w / 2, c.h * 0.45, 0, c.w / 2, c.h * 0.45, c.h * 0.5);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.1, 0.35, 0.8, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.35, 0.8, 0.0);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

/* The bottom bar of the basic page (drawn at twice its width). */
void BottomBar(cairo_t* cr, const PicCtx& c)
{
    bool night = c.name.find("night") != std::string::npos;
    VGradient(cr, 0, 0, c.w, c.h, {0, 0, 0}, 0.0, {0.02, 0.03, 0.05}, night ? 0.75 : 0.9);
    cairo_move_to(cr, 0, c.h * 0.3);
    cairo_line_to(cr, c.w, c.h * 0.3);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, c.w, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.18, 0.55, 1.0, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 0.18, 0.55, 1.0, night ? 0.35 : 0.55);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.18, 0.55, 1.0, 0.0);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
}

/* ---- Digits ------------------------------------------------------------------------------------ */

void Digit(cairo_t* cr, const PicCtx& c)
{
    std::string g = c.g[1];
    bool red = !c.g[0].empty();
    std::string t = g == "dot" ? "." : g == "degree" ? "°" : g == "negative" ? "-" : g;
    Rgb col = red ? Rgb{1.0, 0.24, 0.22} : Pal::White;
    /* one size for every glyph so that they share a baseline: the ink of "0" fills 82 % */
    double size = c.h * 1.12;
    if (c.tga) size = c.h * 1.1;
    double base = c.h * 0.91;
    Text(cr, t, size, true, c.w / 2.0, base, AL_CENTER, col);
}

/* ---- Telltales ------------------------------------------------------------------------------ */

struct LampDef { const char* sym; Rgb col; };

LampDef LampOf(const std::string& n)
{
    static const std::map<std::string, LampDef> m = {
        {"led_brake_syserr", {"brake_syserr", Pal::Red}},
        {"led_main_alert", {"main_alert", Pal::Red}},
        {"led_charge_conn", {"charge_conn", Pal::Red}},
        {"led_rear_fog", {"rear_fog", Pal::Amber}},
        {"led_high_beam", {"high_beam", Pal::HiBlue}},
        {"led_high_beam_A", {"high_beam_A", Pal::HiBlue}},
        {"led_low_beam", {"low_beam", Pal::Green}},
        {"led_low_beam_A", {"low_beam_A", Pal::Green}},
        {"led_position_hint", {"position_hint", Pal::Green}},
        {"led_epb", {"epb", Pal::Red}},
        {"led_seatbelt_d", {"seatbelt", Pal::Red}},
        {"led_seatbelt_p", {"seatbelt", Pal::Red}},
        {"led_car_body", {"car_body", Pal::Red}},
        {"led_door_lb", {"door_l", Pal::Red}},
        {"led_door_lf", {"door_l", Pal::Red}},
        {"led_door_rb", {"door_r", Pal::Red}},
        {"led_door_rf", {"door_r", Pal::Red}},
        {"led_seatbelt_bl", {"seat", Pal::Red}},
        {"led_seatbelt_bl_gray", {"seat", Pal::DarkGray}},
        {"led_seatbelt_bm", {"seat", Pal::Red}},
        {"led_seatbelt_bm_gray", {"seat", Pal::DarkGray}},
        {"led_seatbelt_br", {"seat", Pal::Red}},
        {"led_seatbelt_br_gray", {"seat", Pal::DarkGray}},
        {"led_ac_overcost", {"ac_overcost", Pal::Amber}},
        {"led_acc_hold", {"acc_hold", Pal::Green}},
        {"led_battery_cold", {"battery_cold", {0.35, 0.7, 1.0}}},
        {"led_speed_limit_bg", {"speed_limit", Pal::Red}},
        {"led_traffic_camera", {"traffic_camera", Pal::Gray}},
        {"led_turn_left", {"turn_left", Pal::Green}},
        {"led_turn_right", {"turn_right", Pal::Green}},
        {"led_12v_bat", {"12v_bat", Pal::Red}},
        {"led_abs", {"abs", Pal::Amber}},
        {"led_air_bag", {"air_bag", Pal::Red}},
        {"led_anti_theft", {"anti_theft", Pal::Red}},
        {"led_avh_green", {"avh", Pal::Green}},
        {"led_avh_yellow", {"avh", Pal::Amber}},
        {"led_back_trunk_err", {"back_trunk_err", Pal::Red}},
        {"led_battery_err", {"battery_err", Pal::Red}},
        {"led_bat_lack", {"bat_lack", Pal::Amber}},
        {"led_battery_lack", {"battery_lack", Pal::Red}},
        {"led_battery_off", {"battery_off", Pal::Red}},
        {"led_battery_overheat", {"battery_overheat", Pal::Red}},
        {"led_epb_err", {"epb_err", Pal::Amber}},
        {"led_eps", {"eps", Pal::Red}},
        {"led_esp", {"esp", Pal::Amber}},
        {"led_esp_off", {"esp_off", Pal::Amber}},
        {"led_hdc_green", {"hdc", Pal::Green}},
        {"led_hdc_yellow", {"hdc", Pal::Amber}},
        {"led_intelligent_sys_err", {"intelligent_sys_err", Pal::Amber}},
        {"led_motor_err", {"motor_err", Pal::Red}},
        {"led_motor_overheat", {"motor_overheat", Pal::Red}},
        {"led_scrubbing_lack", {"scrubbing_lack", Pal::Amber}},
        {"led_tpms", {"tpms", Pal::Amber}},
        {"led_power_limit", {"power_limit", Pal::Amber}},
        {"ui3_led_ready", {"led_ready", Pal::Green}},
        {"alarm_font_collision_failure", {"fcw", Pal::Amber}},
        {"alarm_lane_warning_failure", {"ldw", Pal::Amber}},
        {"alarm_blind_auxiliary_failure", {"bsd", Pal::Amber}},
        {"alarm_rear_auxiliary_failure", {"rcw", Pal::Amber}},
        {"alarm_ACC_failure", {"acc", Pal::Amber}},
        {"ACC_009", {"acc", Pal::DarkGray}},
        {"ACC_028", {"acc", Pal::Green}},
        {"LCC_009", {"lcc", Pal::DarkGray}},
        {"LCC_027", {"lcc", Pal::Green}},
        {"led_acc_blue", {"acc", Pal::Blue}},
    };
    auto it = m.find(n);
    if (it != m.end()) return it->second;
    return {nullptr, Pal::Amber};
}

void Lamp(cairo_t* cr, const PicCtx& c)
{
    LampDef d = LampOf(c.name);
    if (d.sym && std::string(d.sym) == "led_ready") {
        double sz = FitSize(cr, "READY", true, c.w * 0.95, c.h * 0.9, c.h);
        TextBox(cr, "READY", sz, true, 0, 0, c.w, c.h, d.col);
        return;
    }
    if (!d.sym || !Telltale(cr, d.sym, c.w, c.h, d.col)) Generic(cr, c);
}

/* ---- Cars ----------------------------------------------------------------------------------------- */

/* Parked car (side view) family: <colour>_<part>. */
void ParkingCar(cairo_t* cr, const PicCtx& c)
{
    bool all = false;
    Rgb paint = CarPaint(c.g[0], &all);
    const std::string& part = c.g[1];
    if (part == "base") { CarSide(cr, 0, 0, c.w, c.h, paint, all, true); return; }
    if (part == "camera" || part == "camer") { CarSidePart(cr, 0, 0, c.w, c.h, paint, CAR_CAMERA, true); return; }
    static const std::map<std::string, int> parts = {
        {"trunk", CAR_TRUNK}, {"chargeport", CAR_CHARGEPORT}, {"enginetop", CAR_BONNET},
        {"lbdoor", CAR_DOOR_LB}, {"lfdoor", CAR_DOOR_LF}, {"rbdoor", CAR_DOOR_RB}, {"rfdoor", CAR_DOOR_RF},
    };
    auto it = parts.find(part);
    if (it == parts.end()) { Generic(cr, c); return; }
    CarSidePart(cr, 0, 0, c.w, c.h, paint, it->second, c.g[2] == "open");
}

void ParkingWheels(cairo_t* cr, const PicCtx& c)
{
    std::string a = c.g[0];
    double deg = a == "0" ? 0 : Num(a.substr(1));
    CarSideWheels(cr, 0, 0, c.w, c.h, 0.3, cos(deg * M_PI / 180.0) * 0.9 + 0.1);
}

void Rolling(cairo_t* cr, const PicCtx& c)
{
    int k = Num(c.g[0]);
    Wheel(cr, c.w / 2.0, c.h / 2.0, c.w / 2.0, k * 2 * M_PI / 60.0, 1.0);
    /* motion blur ring */
    cairo_arc(cr, c.w / 2.0, c.h / 2.0, c.w * 0.30, 0, 2 * M_PI);
    SetColor(cr, Pal::White, 0.08);
    cairo_set_line_width(cr, c.w * 0.06);
    cairo_stroke(cr);
}

/* The charging page's car: seen from above lying across the screen, nose to the right, so that the
 * battery frame drawn over it sits in its floor. */
void ChargeCar(cairo_t* cr, const PicCtx& c)
{
    cairo_save(cr);
    cairo_translate(cr, c.w, 0);
    cairo_rotate(cr, M_PI / 2);
    /* in the turned frame the picture is c.h wide and c.w tall */
    CarTop(cr, c.h * 0.03, 0, c.h * 0.94, c.w, CarPaint("gray"), false);
    cairo_restore(cr);
    /* dim it: the battery and the numbers are the subject */
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.45);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

/* Radar view: the front or rear half of the car seen from above. */
void RadarCar(cairo_t* cr, const PicCtx& c)
{
    bool all = false;
    Rgb paint = CarPaint(c.g[1], &all);
    bool front = c.g[0] == "front";
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, c.w, c.h);
    cairo_clip(cr);
    double carW = c.w * 0.62, carH = carW * 2.2;
    double x = (c.w - carW) / 2;
    /* front: nose at the top of the picture; rear: tail at the bottom */
    double y = front ? c.h * 0.02 : c.h * 0.98 - carH;
    CarTop(cr, x, y, carW, carH, paint, all);
    cairo_restore(cr);
    /* fade the cut edge out to transparent */
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    if (front) VGradient(cr, 0, c.h * 0.6, c.w, c.h * 0.4, {0, 0, 0}, 0, {0, 0, 0}, 1);
    else VGradient(cr, 0, 0, c.w, c.h * 0.4, {0, 0, 0}, 1, {0, 0, 0}, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void RadarMask(cairo_t* cr, const PicCtx& c)
{
    /* white with the band's alpha: strongest near the car, fading outwards */
    bool front = c.name.find("front") != std::string::npos;
    double cx = front ? 960 - c.x : 405 - c.x, cy = front ? 545 - c.y : 158 - c.y;
    double rin = front ? 155 : 158, rout = front ? 250 : 245;
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, rin, cx, cy, rout);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 1.0);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.15);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

void DrivingCar(cairo_t* cr, const PicCtx& c)
{
    bool all = false;
    Rgb paint = CarPaint(c.g[0], &all);
    CarRear(cr, 0, 0, c.w, c.h, paint, all);
}

void SmallCamera(cairo_t* cr, const PicCtx& c)
{
    RoundRect(cr, 0, 0, c.w, c.h, c.h * 0.4);
    cairo_set_source_rgb(cr, 0.05, 0.05, 0.06);
    cairo_fill(cr);
    cairo_arc(cr, c.w / 2.0, c.h / 2.0, c.h * 0.25, 0, 2 * M_PI);
    SetColor(cr, Pal::Blue);
    cairo_fill(cr);
}

/* Rear lamps of the driving car and the white driving car of the TGA set. */
void TailLamp(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.name;
    Rgb red{1.0, 0.12, 0.10};
    auto bar = [&](double a, double glow) {
        if (glow > 0) {
            cairo_save(cr);
            cairo_translate(cr, c.w / 2.0, c.h / 2.0);
            cairo_scale(cr, c.w / 2.0, c.h / 2.0);
            Glow(cr, 0, 0, 1, red, glow);
            cairo_restore(cr);
        }
        RoundRect(cr, c.w * 0.04, c.h * 0.3, c.w * 0.92, c.h * 0.4, c.h * 0.2);
        SetColor(cr, red, a);
        cairo_fill(cr);
    };
    if (n.find("off") != std::string::npos) bar(0.35, 0);
    else if (n.find("position") != std::string::npos) bar(0.85, 0.3);
    else if (n.find("brake") != std::string::npos) bar(1.0, 0.9);
    else if (n.find("shelter") != std::string::npos) {
        RoundRect(cr, 0, 0, c.w, c.h, c.h * 0.3);
        cairo_set_source_rgb(cr, 0.10, 0.11, 0.13);
        cairo_fill(cr);
    } else if (n.find("fog") != std::string::npos) {
        Glow(cr, c.w / 2.0, c.h / 2.0, c.w / 2.0, red, 1.0);
    } else if (n.find("left") != std::string::npos || n.find("right") != std::string::npos) {
        Glow(cr, c.w / 2.0, c.h / 2.0, c.w / 2.0, Pal::Amber, 1.0);
        RoundRect(cr, c.w * 0.15, c.h * 0.3, c.w * 0.7, c.h * 0.4, c.h * 0.2);
        SetColor(cr, {1.0, 0.85, 0.4});
        cairo_fill(cr);
    } else Generic(cr, c);
}

void WhiteBody(cairo_t* cr, const PicCtx& c) { CarRear(cr, 0, 0, c.w, c.h, CarPaint("white"), false); }

void Beam(cairo_t* cr, const PicCtx& c)
{
    bool high = c.name.find("high") != std::string::npos;
    double reach = high ? 0.0 : 0.35;
    cairo_move_to(cr, c.w * 0.40, c.h);
    cairo_line_to(cr, c.w * 0.05, c.h * reach);
    cairo_line_to(cr, c.w * 0.95, c.h * reach);
    cairo_line_to(cr, c.w * 0.60, c.h);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, c.h, 0, c.h * reach);
    Rgb b = high ? Rgb{0.55, 0.75, 1.0} : Rgb{0.9, 0.93, 1.0};
    cairo_pattern_add_color_stop_rgba(p, 0, b.r, b.g, b.b, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 1, b.r, b.g, b.b, 0.0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

/* Self-test page car: the rear view on a glowing floor. */
void CheckCar(cairo_t* cr, const PicCtx& c)
{
    bool all = false;
    Rgb paint = CarPaint(c.g[0], &all);
    Glow(cr, c.w / 2.0, c.h * 0.9, c.w * 0.45, Pal::Blue, 0.35);
    double cw = c.w * 0.62, ch = cw * 0.72;
    CarRear(cr, (c.w - cw) / 2, c.h - ch - c.h * 0.04, cw, ch, paint, all);
    if (!c.g[1].empty()) {
        PicCtx k = c;
        cairo_save(cr);
        cairo_translate(cr, c.w / 2.0 - 20, c.h - ch - c.h * 0.04 + ch * 0.02);
        k.w = 40; k.h = 14;
        SmallCamera(cr, k);
        cairo_restore(cr);
    }
}

/* Vehicle-status module: the car from above and its opening parts, in one frame of reference
 * (all pictures of the family share the rectangle). The module draws the wheels 119 pixels apart
 * from 17 pixels left of the rectangle, so the body lies inside 8 % .. 54 % of x, centred on that
 * track (the room on the right takes the opened right doors). */
void StatusCar(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.g[0];
    double bx = c.w * 0.081, bw = c.w * 0.46;
    Rgb paint{0.55, 0.58, 0.64};
    if (n == "body") { CarTop(cr, bx, 0, bw, c.h, paint, false); return; }
    bool open = c.g[1] == "open";
    cairo_set_line_width(cr, 3);
    auto door = [&](bool left, double y0, double y1) {
        double hx = left ? bx + bw * 0.08 : bx + bw * 0.92;
        if (open) {
            double dir = left ? -1 : 1;
            cairo_move_to(cr, hx, c.h * y0);
            cairo_line_to(cr, hx + dir * c.w * 0.1, c.h * (y0 + (y1 - y0) * 0.7));
            SetColor(cr, Pal::Red);
            cairo_set_line_width(cr, 6);
            cairo_stroke(cr);
        } else {
            cairo_move_to(cr, hx, c.h * y0);
            cairo_line_to(cr, hx, c.h * y1);
            SetColor(cr, Pal::Line, 0.9);
            cairo_stroke(cr);
        }
    };
    auto lid = [&](bool frontLid) {
        double y = frontLid ? c.h * 0.05 : c.h * 0.84;
        double hgt = c.h * 0.12;
        if (open) {
            RoundRect(cr, bx + bw * 0.15, frontLid ? y - hgt * 0.5 : y + hgt * 0.5, bw * 0.7, hgt, 8);
            SetColor(cr, Pal::Red, 0.85);
            cairo_fill(cr);
        } else {
            cairo_move_to(cr, bx + bw * 0.2, frontLid ? y + hgt : y);
            cairo_line_to(cr, bx + bw * 0.8, frontLid ? y + hgt : y);
            SetColor(cr, Pal::Line, 0.6);
            cairo_stroke(cr);
        }
    };
    if (n == "lfdoor") door(true, 0.33, 0.52);
    else if (n == "lbdoor") door(true, 0.53, 0.72);
    else if (n == "rfdoor") door(false, 0.33, 0.52);
    else if (n == "rbdoor") door(false, 0.53, 0.72);
    else if (n == "fronttrunk") lid(true);
    else if (n == "backtrunk") lid(false);
    else Generic(cr, c);
}

void StatusWheel(cairo_t* cr, const PicCtx& c)
{
    const std::string& k = c.g[0];
    RoundRect(cr, c.w * 0.15, c.h * 0.05, c.w * 0.7, c.h * 0.9, c.w * 0.2);
    if (k == "normal") SetColor(cr, {0.12, 0.13, 0.15});
    else if (k == "alarm") SetColor(cr, {0.45, 0.08, 0.07});
    else SetColor(cr, {1.0, 0.2, 0.15}, 0.9);
    cairo_fill(cr);
    if (k == "alarm_add") {
        cairo_save(cr);
        cairo_translate(cr, c.w / 2.0, c.h / 2.0);
        cairo_scale(cr, c.w / 2.0, c.h / 2.0);
        Glow(cr, 0, 0, 1, Pal::Red, 0.5);
        cairo_restore(cr);
    }
}

/* AI parking slots in perspective. */
void ParkingSlot(cairo_t* cr, const PicCtx& c)
{
    const std::string& state = c.g[0];
    bool left = c.g[1] == "left";
    if (c.g[2] == "area") {
        /* the ground beside the lane in perspective: narrow towards the road's far end */
        if (left) {
            cairo_move_to(cr, c.w * 0.45, 0); cairo_line_to(cr, c.w, 0);
            cairo_line_to(cr, c.w * 0.85, c.h); cairo_line_to(cr, 0, c.h);
        } else {
            cairo_move_to(cr, 0, 0); cairo_line_to(cr, c.w * 0.55, 0);
            cairo_line_to(cr, c.w, c.h); cairo_line_to(cr, c.w * 0.15, c.h);
        }
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, c.h);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.18, 0.55, 1.0, 0.0);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.18, 0.55, 1.0, 0.35);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        return;
    }
    /* a parallelogram leaning towards the road centre */
    double lean = c.w * 0.18;
    double x0 = left ? lean : 0, x1 = left ? c.w : c.w - lean;
    double xb0 = left ? 0 : lean, xb1 = left ? c.w - lean : c.w;
    cairo_move_to(cr, x0 + 3, 3);
    cairo_line_to(cr, x1 - 3, 3);
    cairo_line_to(cr, xb1 - 3, c.h - 3);
    cairo_line_to(cr, xb0 + 3, c.h - 3);
    cairo_close_path(cr);
    Rgb col = state == "unavailable" ? Pal::DarkGray : Pal::Blue;
    SetColor(cr, col, state == "used" ? 0.55 : 0.15);
    cairo_fill_preserve(cr);
    SetColor(cr, col, 0.95);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    if (state == "used") TextBox(cr, "P", c.h * 0.55, true, 0, 0, c.w, c.h, Pal::White);
}

/* ---- Icons ------------------------------------------------------------------------------------- */

void ModuleIcon(cairo_t* cr, const PicCtx& c)
{
    double s = std::fmin(c.w, c.h);
    cairo_arc(cr, c.w / 2.0, c.h / 2.0, s * 0.46, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(c.w / 2.0, c.h * 0.35, 0, c.w / 2.0, c.h / 2.0, s * 0.46);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.20, 0.36, 0.62, 1.0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.08, 0.12, 0.22, 1.0);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColor(cr, Pal::Blue, 0.8);
    cairo_set_line_width(cr, s * 0.02);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, c.w * 0.25, c.h * 0.25);
    Icon(cr, c.g[0], c.w * 0.5, c.h * 0.5, Pal::White);
    cairo_restore(cr);
}

void Decoration(cairo_t* cr, const PicCtx& c)
{
    cairo_move_to(cr, 0, c.h / 2.0);
    cairo_line_to(cr, c.w, c.h / 2.0);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, c.w, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.18, 0.55, 1.0, 0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 0.18, 0.55, 1.0, 1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.18, 0.55, 1.0, 0);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    Glow(cr, c.w / 2.0, c.h / 2.0, c.h, Pal::Blue, 0.5);
}

/* The band behind the selected contact of the phone list: laid at (1244, 249), it marks the
 * middle row (name and number, screen y 322 to 410) with a soft blue band, hairlines above and
 * below that fade towards the ends, and an accent bar left of the texts. */
void PhoneListSelection(cairo_t* cr, const PicCtx& c)
{
    const double top = 73, bottom = 161, left = 60, right = c.w - 40;
    cairo_pattern_t* band = cairo_pattern_create_linear(left, 0, right, 0);
    cairo_pattern_add_color_stop_rgba(band, 0, 0.18, 0.55, 1.0, 0);
    cairo_pattern_add_color_stop_rgba(band, 0.25, 0.18, 0.55, 1.0, 0.16);
    cairo_pattern_add_color_stop_rgba(band, 0.75, 0.18, 0.55, 1.0, 0.16);
    cairo_pattern_add_color_stop_rgba(band, 1, 0.18, 0.55, 1.0, 0);
    cairo_rectangle(cr, left, top, right - left, bottom - top);
    cairo_set_source(cr, band);
    cairo_fill(cr);
    cairo_pattern_destroy(band);
    for (double y : {top, bottom}) {
        cairo_pattern_t* line = cairo_pattern_create_linear(left, 0, right, 0);
        cairo_pattern_add_color_stop_rgba(line, 0, 0.18, 0.55, 1.0, 0);
        cairo_pattern_add_color_stop_rgba(line, 0.5, 0.18, 0.55, 1.0, 0.8);
        cairo_pattern_add_color_stop_rgba(line, 1, 0.18, 0.55, 1.0, 0);
        cairo_move_to(cr, left, y);
        cairo_line_to(cr, right, y);
        cairo_set_source(cr, line);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_pattern_destroy(line);
    }
    RoundRect(cr, 120, top + 16, 6, bottom - top - 32, 3);
    SetColor(cr, Pal::Blue, 1.0);
    cairo_fill(cr);
}

/* Menu icons: the active ones in blue circles, the grey ones plain. */
void MenuIcon(cairo_t* cr, const PicCtx& c)
{
    std::string n = c.g[0];
    bool gray = false;
    if (n.size() > 5 && n.compare(n.size() - 5, 5, "_gray") == 0) { gray = true; n = n.substr(0, n.size() - 5); }
    if (!gray) {
        cairo_arc(cr, c.w / 2.0, c.h / 2.0, std::fmin(c.w, c.h) * 0.48, 0, 2 * M_PI);
        SetColor(cr, Pal::Blue, 0.9);
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, c.w * 0.2, c.h * 0.2);
    if (!Icon(cr, n, c.w * 0.6, c.h * 0.6, gray ? Pal::Gray : Pal::White)) {
        cairo_restore(cr);
        Generic(cr, c);
        return;
    }
    cairo_restore(cr);
}

void PlainIcon(cairo_t* cr, const PicCtx& c)
{
    if (!Icon(cr, c.g[0], c.w, c.h, Pal::White)) Generic(cr, c);
}

void PhoneButton(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.g[0];
    Rgb col = n == "answer" ? Pal::Green : n == "hangup" ? Pal::Red : Pal::Line;
    RoundRect(cr, 2, 2, c.w - 4, c.h - 4, (c.h - 4) / 2);
    SetColor(cr, col);
    cairo_fill(cr);
    cairo_save(cr);
    double s = c.h * 0.7;
    cairo_translate(cr, (c.w - s) / 2, (c.h - s) / 2);
    Icon(cr, n == "mute" ? "incall_mute" : n, s, s, Pal::White);
    cairo_restore(cr);
}

void Spinner(cairo_t* cr, const PicCtx& c)
{
    double s = std::fmin(c.w, c.h);
    for (int i = 0; i < 12; i++) {
        double a = i * M_PI / 6;
        cairo_move_to(cr, c.w / 2.0 + cos(a) * s * 0.22, c.h / 2.0 + sin(a) * s * 0.22);
        cairo_line_to(cr, c.w / 2.0 + cos(a) * s * 0.44, c.h / 2.0 + sin(a) * s * 0.44);
        SetColor(cr, Pal::White, 0.15 + 0.07 * i);
        cairo_set_line_width(cr, s * 0.08);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

void Weather(cairo_t* cr, const PicCtx& c) { WeatherIcon(cr, Num(c.g[0]), c.w, c.h); }
void Nav(cairo_t* cr, const PicCtx& c) { NavIcon(cr, c.g[0], c.w, c.h, c.g[0] == "nav_disable" ? Pal::Gray : Pal::White); }

/* ---- Module parts -------------------------------------------------------------------------- */

void ClockPart(cairo_t* cr, const PicCtx& c)
{
    double cx = c.w / 2.0, cy = c.h / 2.0, r = std::fmin(c.w, c.h) * 0.48;
    const std::string& n = c.g[0];
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    if (n == "bg") {
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy * 0.8, 0, cx, cy, r);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.15, 0.17, 0.23, 0.95);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.06, 0.07, 0.10, 0.95);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        cairo_arc(cr, cx, cy, r - 2, 0, 2 * M_PI);
        SetColor(cr, Pal::Blue, 0.6);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        for (int i = 0; i < 60; i++) {
            double a = i * M_PI / 30, l = i % 5 == 0 ? 0.12 : 0.05;
            cairo_move_to(cr, cx + cos(a) * r * 0.9, cy + sin(a) * r * 0.9);
            cairo_line_to(cr, cx + cos(a) * r * (0.9 - l), cy + sin(a) * r * (0.9 - l));
            SetColor(cr, i % 5 == 0 ? Pal::White : Pal::DarkGray);
            cairo_set_line_width(cr, i % 5 == 0 ? 4 : 2);
            cairo_stroke(cr);
        }
        for (int hnum = 1; hnum <= 12; hnum++) {
            double a = hnum * M_PI / 6 - M_PI / 2;
            TextBox(cr, std::to_string(hnum), r * 0.14, false, cx + cos(a) * r * 0.64 - 20,
                    cy + sin(a) * r * 0.64 - 15, 40, 30, Pal::Gray);
        }
    } else if (n == "hour" || n == "minute") {
        /* pointing at 12; the screen turns it about the picture's centre */
        double len = n == "hour" ? 0.52 : 0.78;
        cairo_move_to(cr, cx, cy + r * 0.12);
        cairo_line_to(cr, cx, cy - r * len);
        SetColor(cr, n == "hour" ? Pal::White : Pal::Blue);
        cairo_set_line_width(cr, n == "hour" ? 9 : 6);
        cairo_stroke(cr);
        cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
        SetColor(cr, Pal::White);
        cairo_fill(cr);
    } else ShadowPic(cr, c);
}

void Tape(cairo_t* cr, const PicCtx& c)
{
    double cx = c.w / 2.0, cy = c.h / 2.0, r = c.w / 2.0 - 1;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.04, 0.04, 0.05);
    cairo_fill(cr);
    for (double k = 0.45; k < 0.98; k += 0.06) {
        cairo_arc(cr, cx, cy, r * k, 0, 2 * M_PI);
        SetColor(cr, Pal::White, 0.06);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
    }
    /* a light streak shows the turning */
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, -0.9, -0.5);
    cairo_close_path(cr);
    SetColor(cr, Pal::White, 0.08);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.3, 0, 2 * M_PI);
    SetColor(cr, Pal::Blue);
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, r * 0.05, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.04, 0.04, 0.05);
    cairo_fill(cr);
}

void Cover(cairo_t* cr, const PicCtx& c)
{
    RoundRect(cr, 0, 0, c.w, c.h, 12);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, c.w, c.h);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.16, 0.30, 0.55);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.07, 0.09, 0.16);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    std::string icon = c.g[0] == "fm" ? "radio_local" : c.g[0] == "netbook" ? "radio_tbook" : "media";
    cairo_save(cr);
    cairo_translate(cr, c.w * 0.25, c.h * 0.25);
    Icon(cr, icon, c.w * 0.5, c.h * 0.5, Pal::White);
    cairo_restore(cr);
}

void FmBg(cairo_t* cr, const PicCtx& c)
{
    RoundRect(cr, 0, 0, c.w, c.h, 14);
    SetColor(cr, {0.10, 0.12, 0.18}, 0.9);
    cairo_fill(cr);
    for (int i = 0; i < 14; i++) {
        double x = c.w * 0.1 + i * c.w * 0.8 / 13, hh = c.h * (0.1 + 0.25 * (0.5 + 0.5 * sin(i * 1.7)));
        cairo_move_to(cr, x, c.h * 0.85);
        cairo_line_to(cr, x, c.h * 0.85 - hh);
    }
    SetColor(cr, Pal::Cyan, 0.6);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
}

/* Bars, tracks and cursors. */
void Bar(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.name;
    bool vertical = c.h > c.w;
    if (n.find("cursor") != std::string::npos) {
        double s = std::fmin(c.w, c.h);
        Glow(cr, c.w / 2.0, c.h / 2.0, s * 0.5, Pal::Blue, 0.7);
        cairo_arc(cr, c.w / 2.0, c.h / 2.0, s * 0.22, 0, 2 * M_PI);
        SetColor(cr, Pal::White);
        cairo_fill(cr);
        return;
    }
    bool bg = n.find("_bg") != std::string::npos;
    RoundRect(cr, 0, 0, c.w, c.h, std::fmin(c.w, c.h) / 2);
    if (bg) SetColor(cr, Pal::Line, 0.9);
    else {
        cairo_pattern_t* p = vertical ? cairo_pattern_create_linear(0, c.h, 0, 0) : cairo_pattern_create_linear(0, 0, c.w, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, 0.10, 0.40, 0.90);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.30, 0.75, 1.0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        return;
    }
    cairo_fill(cr);
}

/* The battery bar of the basic page. */
void BatteryBar(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.g[0];
    if (n == "bg") {
        RoundRect(cr, 1, 1, c.w - 2, c.h - 2, (c.h - 2) / 2);
        SetColor(cr, {0.12, 0.13, 0.17});
        cairo_fill_preserve(cr);
        SetColor(cr, Pal::Line);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        return;
    }
    if (n == "high_light") {
        VGradient(cr, 0, 0, c.w, c.h * 0.5, Pal::White, 0.35, Pal::White, 0.0);
        return;
    }
    Rgb col = n == "full_green" ? Pal::Green : n == "full_red" ? Pal::Red : Pal::Amber;
    RoundRect(cr, 0, 0, c.w, c.h, c.h / 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, c.w, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, col.r * 0.6, col.g * 0.6, col.b * 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, col.r, col.g, col.b);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void GearStrip(cairo_t* cr, const PicCtx& c)
{
    const char* letters[4] = {"P", "R", "N", "D"};
    const std::string& g = c.g[0];
    double cell = c.w / 4.0;
    for (int i = 0; i < 4; i++) {
        bool lit = g == letters[i];
        if (g != "PRND" && !lit) continue;
        Rgb col = lit ? Pal::White : Pal::Dim;
        if (lit) Glow(cr, cell * (i + 0.5), c.h / 2.0, cell * 0.6, Pal::Blue, 0.45);
        TextBox(cr, letters[i], c.h * 0.75, true, cell * i, 0, cell, c.h, col);
    }
}

void GearTip(cairo_t* cr, const PicCtx& c)
{
    RoundRect(cr, 2, 2, c.w - 4, c.h - 4, (c.h - 4) / 2);
    SetColor(cr, {0.10, 0.14, 0.22}, 0.85);
    cairo_fill_preserve(cr);
    SetColor(cr, Pal::Blue, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Label(cr, c);
}

/* Energy module pieces, in the frame of the dial centred at (441, 391) on the screen. */
void EnergyPart(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.g[0];
    double cx = 441 - c.x, cy = 391 - c.y;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    if (n == "bg") {
        /* the scale from -52 to 151.7 degrees, counter-clockwise from the right */
        cairo_arc_negative(cr, cx, cy, 189, 52 * M_PI / 180, -151.7 * M_PI / 180);
        SetColor(cr, Pal::Line, 0.8);
        cairo_set_line_width(cr, 18);
        cairo_stroke(cr);
        for (int i = -50; i <= 200; i += 25) {
            double a = (i >= 0 ? 0.5 + i * 151.2 / 200 : 0.5 + i * 52.5 / 50) * M_PI / 180;
            cairo_move_to(cr, cx + cos(a) * 168, cy - sin(a) * 168);
            cairo_line_to(cr, cx + cos(a) * 158, cy - sin(a) * 158);
            SetColor(cr, Pal::Gray);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
        Text(cr, "kW", 22, false, cx, cy - 40, AL_CENTER, Pal::DarkGray);
        return;
    }
    if (n == "bar_positive" || n == "bar_negative") {
        /* the coloured band between radii 180 and 198; the screen cuts out the arc it needs */
        bool pos = n == "bar_positive";
        cairo_arc(cr, cx, cy, 189, 0, 2 * M_PI);
        SetColor(cr, pos ? Pal::Blue : Pal::Green);
        cairo_set_line_width(cr, 18);
        cairo_stroke(cr);
        return;
    }
    if (n == "bar_zero") {
        cairo_rectangle(cr, 0, c.h / 2.0 - 2, c.w, 4);
        SetColor(cr, Pal::White);
        cairo_fill(cr);
        return;
    }
    if (n == "power_cursor") {
        Glow(cr, c.w / 2.0, c.h / 2.0, c.w / 2.0, Pal::White, 0.6);
        RoundRect(cr, 0, c.h * 0.35, c.w, c.h * 0.3, c.h * 0.15);
        SetColor(cr, Pal::White);
        cairo_fill(cr);
        return;
    }
    if (n == "cursor") { Bar(cr, c); return; }
    if (n == "graph_line_bottom" || n == "graph_line_zero") {
        cairo_rectangle(cr, 0, 0, c.w, c.h);
        SetColor(cr, n == "graph_line_zero" ? Pal::Gray : Pal::Line, 0.8);
        cairo_fill(cr);
        return;
    }
    if (n == "avg_unit") { PicCtx k = c; k.name = "module_energy_cost_avg_unit"; Label(cr, k); return; }
    ShadowPic(cr, c);
}

/* Trip computer background: the labels on the left and the units right of the values. */
void TripBg(cairo_t* cr, const PicCtx& c)
{
    PanelBg(cr, c);
    struct Row { int y; const char* label; const char* unit; };
    const Row rows[5] = {{259, "本次里程", "km"}, {306, "本次时间", "min"}, {353, "平均电耗", ""},
                         {457, "充电后里程", "km"}, {502, "总里程", "km"}};
    for (auto& r : rows) {
        double y = r.y - c.y;
        Text(cr, r.label, 22, false, 24, y + 8, AL_LEFT, Pal::DarkGray);
        Text(cr, r.unit, 20, false, 612 - c.x, y + 8, AL_LEFT, Pal::DarkGray);
    }
    Text(cr, "kWh/100km", 20, false, 520 - c.x, 353 - c.y + 8, AL_LEFT, Pal::DarkGray);
    cairo_move_to(cr, 24, 405 - c.y);
    cairo_line_to(cr, c.w - 24, 405 - c.y);
    SetColor(cr, Pal::Line);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

/* Charging page: the battery frame over the car, its fill bar and the light that runs along it. */
void ChargeRing(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.name;
    bool ready = n.find("ready") != std::string::npos;
    bool full = n.find("full") != std::string::npos;
    Rgb col = ready ? Pal::Blue : Pal::Green;
    if (n.find("background") != std::string::npos || full) {
        /* a battery: rounded body and the terminal at its right end */
        double tw = c.w * 0.03;
        RoundRect(cr, 3, 3, c.w - tw - 6, c.h - 6, 26);
        SetColor(cr, {0.04, 0.05, 0.07}, 0.55);
        cairo_fill_preserve(cr);
        SetColor(cr, col, full ? 0.95 : 0.6);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        RoundRect(cr, c.w - tw - 3, c.h * 0.36, tw, c.h * 0.28, 6);
        SetColor(cr, col, full ? 0.95 : 0.6);
        cairo_fill(cr);
        if (full) {
            RoundRect(cr, 14, 14, c.w - tw - 28, c.h - 28, 18);
            cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, c.w, 0);
            cairo_pattern_add_color_stop_rgba(p, 0, col.r, col.g, col.b, 0.15);
            cairo_pattern_add_color_stop_rgba(p, 1, col.r, col.g, col.b, 0.45);
            cairo_set_source(cr, p);
            cairo_fill(cr);
            cairo_pattern_destroy(p);
        }
    } else if (n.find("bright") != std::string::npos) {
        /* a soft vertical glow; the screen shows it only where it overlaps the filled bar */
        cairo_save(cr);
        cairo_translate(cr, c.w / 2.0, c.h / 2.0);
        cairo_scale(cr, c.w / 2.0, c.h / 2.0);
        Glow(cr, 0, 0, 1, Mix(col, {1, 1, 1}, 0.6), 1.0);
        cairo_restore(cr);
    } else {
        RoundRect(cr, 0, 0, c.w, c.h, c.h / 2);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, c.w, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, col.r * 0.5, col.g * 0.5, col.b * 0.5);
        cairo_pattern_add_color_stop_rgb(p, 1, col.r, col.g, col.b);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
}

/* The status icon of the charging page: a bolt while charging, a plug when ready, a warning. */
void ChargeIcon(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.g[0];
    if (n == "error") { Telltale(cr, "main_alert", c.w, c.h, Pal::Red); return; }
    if (n == "ready") { Telltale(cr, "charge_conn", c.w, c.h, Pal::Blue); return; }
    cairo_save(cr);
    cairo_scale(cr, c.w / 100.0, c.h / 100.0);
    cairo_arc(cr, 50, 50, 46, 0, 2 * M_PI);
    SetColor(cr, Pal::Green, 0.25);
    cairo_fill(cr);
    cairo_move_to(cr, 58, 10); cairo_line_to(cr, 28, 56); cairo_line_to(cr, 48, 56);
    cairo_line_to(cr, 40, 92); cairo_line_to(cr, 74, 42); cairo_line_to(cr, 54, 42);
    cairo_line_to(cr, 64, 10); cairo_close_path(cr);
    SetColor(cr, Pal::Green);
    cairo_fill(cr);
    cairo_restore(cr);
}

/* ---- Frame sequences --------------------------------------------------------------------- */

void ChargingFlow(cairo_t* cr, const PicCtx& c)
{
    double t = Num(c.g[0]) / 44.0;
    double W = c.w, H = c.h;
    VGradient(cr, 0, H * 0.45, W, H * 0.1, Pal::Green, 0.0, Pal::Green, 0.0);
    cairo_move_to(cr, 0, H / 2);
    cairo_line_to(cr, W, H / 2);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, W, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.18, 0.8, 0.36, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 0.18, 0.8, 0.36, 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.18, 0.8, 0.36, 0.0);
    cairo_set_source(cr, p);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_pattern_destroy(p);
    /* energy pulses travelling towards the car in the middle from both sides */
    for (int i = 0; i < 18; i++) {
        double u = fmod(i / 18.0 + t, 1.0);
        double x = u * W / 2;
        double a = sin(u * M_PI);
        double yy = H / 2 + sin(i * 2.3) * H * 0.12 * (1 - u);
        Glow(cr, x, yy, H * 0.3, Pal::Green, 0.9 * a);
        Glow(cr, W - x, yy, H * 0.3, Pal::Teal, 0.9 * a);
        cairo_arc(cr, x, yy, H * 0.03, 0, 2 * M_PI);
        cairo_arc(cr, W - x, yy, H * 0.03, 0, 2 * M_PI);
        SetColor(cr, {0.85, 1.0, 0.9}, a);
        cairo_fill(cr);
    }
}

void CheckFrame(cairo_t* cr, const PicCtx& c)
{
    int k = Num(c.g[0]);
    double cx = c.w / 2.0, cy = c.h * 0.55;
    if (k >= 54) {
        /* the glow layer behind frames 15 .. 53 */
        double t = (k - 54) / 38.0;
        Glow(cr, cx, cy, c.h * (0.3 + 0.15 * t), Pal::Blue, 0.25 + 0.35 * sin(t * M_PI));
        return;
    }
    double t = k / 53.0;
    /* a ring closing clockwise, ticks lighting up and a sweeping line */
    double r = c.h * 0.38;
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    SetColor(cr, Pal::Line, 0.6);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, cx, cy, r, -M_PI / 2, -M_PI / 2 + 2 * M_PI * Ease(t));
    SetColor(cr, Pal::Blue);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    for (int i = 0; i < 36; i++) {
        double a = -M_PI / 2 + i * M_PI / 18;
        bool lit = i / 36.0 < t;
        cairo_move_to(cr, cx + cos(a) * r * 1.08, cy + sin(a) * r * 1.08);
        cairo_line_to(cr, cx + cos(a) * r * 1.16, cy + sin(a) * r * 1.16);
        SetColor(cr, lit ? Pal::Cyan : Pal::Dim, lit ? 1 : 0.5);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    double a = -M_PI / 2 + 2 * M_PI * t;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + cos(a) * r, cy + sin(a) * r);
    SetColor(cr, Pal::Cyan, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Glow(cr, cx + cos(a) * r, cy + sin(a) * r, 24, Pal::Cyan, 0.9);
}

void ModeBand(cairo_t* cr, const PicCtx& c)
{
    /* a light line that opens from the screen centre to both edges over the sequence, with a glow
     * rising from it and its reflection below; eco in teal, sport in red */
    bool eco = c.g[0] == "eco";
    double t = Num(c.g[1]) / 42.0;
    Rgb col = eco ? Pal::Teal : Rgb{1.0, 0.16, 0.12};
    double half = 40 + (c.w / 2.0 - 40) * Ease(t);
    double y = c.h * 0.55, cx = c.w / 2.0;
    cairo_save(cr);
    cairo_translate(cr, cx, y);
    cairo_scale(cr, half, c.h * 0.55);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0, col.r, col.g, col.b, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 0.5, col.r, col.g, col.b, 0.22);
    cairo_pattern_add_color_stop_rgba(g, 1, col.r, col.g, col.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - half, 0, cx + half, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, col.r, col.g, col.b, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.2, col.r, col.g, col.b, 0.8);
    cairo_pattern_add_color_stop_rgba(p, 0.5, std::fmin(1, col.r + 0.5), std::fmin(1, col.g + 0.5), std::fmin(1, col.b + 0.5), 1.0);
    cairo_pattern_add_color_stop_rgba(p, 0.8, col.r, col.g, col.b, 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, col.r, col.g, col.b, 0.0);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, cx - half, y - 2.5, 2 * half, 5);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    /* chevrons running outwards along the line */
    for (int side : {-1, 1})
        for (int i = 0; i < 6; i++) {
            double u = fmod(i / 6.0 + t * 1.5, 1.0);
            double x = cx + side * (60 + u * (half - 60));
            if (fabs(x - cx) > half) continue;
            cairo_move_to(cr, x - side * 10, y - 14);
            cairo_line_to(cr, x, y - 7);
            cairo_line_to(cr, x - side * 10, y);
            SetColor(cr, col, 0.7 * sin(u * M_PI));
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
        }
}

void Vai(cairo_t* cr, const PicCtx& c)
{
    const std::string& kind = c.g[0];
    double t = Num(c.g[1]) / 40.0;
    double cx = c.w / 2.0, cy = c.h / 2.0, R = c.w * 0.30;
    double r = R;
    if (kind == "in") r = R * (0.12 + 0.88 * Ease(t * 1.05));
    if (kind == "waiting") r = R * (0.94 + 0.06 * sin(t * 2 * M_PI));
    Glow(cr, cx, cy, r * 1.6 + 1, Pal::Blue, 0.45);
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 0, cx, cy, r + 0.01);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.85, 1.0);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 0.15, 0.45, 0.95);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.35, 0.15, 0.75);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    if (kind == "recognizing") {
        for (int i = 0; i < 3; i++) {
            double a = t * 2 * M_PI + i * 2 * M_PI / 3;
            cairo_arc(cr, cx, cy, R * 1.25, a, a + 1.2);
            SetColor(cr, Pal::Cyan, 0.9 - i * 0.2);
            cairo_set_line_width(cr, 6);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_stroke(cr);
        }
    } else if (kind == "speaking") {
        for (int i = 0; i < 9; i++) {
            double hgt = R * (0.15 + 0.55 * fabs(sin(t * 2 * M_PI * 2 + i * 0.9)) * (1 - fabs(i - 4) / 6.0));
            double x = cx - R * 0.64 + i * R * 0.16;
            cairo_move_to(cr, x, cy - hgt);
            cairo_line_to(cr, x, cy + hgt);
        }
        SetColor(cr, Pal::White, 0.9);
        cairo_set_line_width(cr, 7);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    } else if (kind == "waiting") {
        cairo_arc(cr, cx, cy, R * (1.1 + 0.2 * t), 0, 2 * M_PI);
        SetColor(cr, Pal::Cyan, 0.6 * (1 - t));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
}

void Sampling(cairo_t* cr, const PicCtx& c)
{
    const std::string& g = c.g[0];
    double cx = c.w / 2.0, cy = c.h * 0.45, rx = c.h * 0.26, ry = c.h * 0.34;
    Rgb col = Pal::Cyan;
    if (g == "error") col = Pal::Red;
    bool success = false;
    double t = 0;
    int n = -1;
    if (!g.empty() && isdigit((unsigned char)g[0])) {
        n = Num(g);
        if (n >= 250) { success = true; t = (n - 250) / 19.0; col = Pal::Green; }
        else t = (n % 50) / 49.0;
    }
    /* corner brackets of the camera frame */
    double bx = cx - rx * 1.5, by = cy - ry * 1.25, bw = rx * 3, bh = ry * 2.5, l = 28;
    cairo_set_line_width(cr, 4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    SetColor(cr, col, 0.9);
    cairo_move_to(cr, bx, by + l); cairo_line_to(cr, bx, by); cairo_line_to(cr, bx + l, by);
    cairo_move_to(cr, bx + bw - l, by); cairo_line_to(cr, bx + bw, by); cairo_line_to(cr, bx + bw, by + l);
    cairo_move_to(cr, bx, by + bh - l); cairo_line_to(cr, bx, by + bh); cairo_line_to(cr, bx + l, by + bh);
    cairo_move_to(cr, bx + bw - l, by + bh); cairo_line_to(cr, bx + bw, by + bh); cairo_line_to(cr, bx + bw, by + bh - l);
    cairo_stroke(cr);
    /* the face, turned for the left and right sequences */
    double turn = 0;
    if (n >= 50 && n < 100) turn = -0.5 * Ease(t);
    if (n >= 100 && n < 150) turn = 0.5 * Ease(t);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, Pal::White, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    for (int side : {-1, 1}) {
        cairo_arc(cr, cx + (side * 0.38 + turn) * rx, cy - 0.15 * ry, 6, 0, 2 * M_PI);
        SetColor(cr, Pal::White, 0.8);
        cairo_fill(cr);
    }
    cairo_move_to(cr, cx + (turn - 0.25) * rx, cy + 0.45 * ry);
    cairo_curve_to(cr, cx + turn * rx, cy + 0.6 * ry, cx + turn * rx, cy + 0.6 * ry, cx + (turn + 0.25) * rx, cy + 0.45 * ry);
    cairo_stroke(cr);
    if (n >= 0 && n < 150) {
        /* scan line sweeping over the face */
        double y = by + bh * (n < 50 ? t : 0.5 + 0.5 * sin(t * M_PI * 2));
        cairo_move_to(cr, bx + 10, y);
        cairo_line_to(cr, bx + bw - 10, y);
        SetColor(cr, Pal::Cyan, 0.9);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        Glow(cr, cx, y, bw * 0.4, Pal::Cyan, 0.15);
        if (n >= 50) {
            double d = n < 100 ? -1 : 1;
            double ax = cx + d * (rx * 1.9);
            cairo_move_to(cr, ax - d * 16, cy - 16); cairo_line_to(cr, ax, cy); cairo_line_to(cr, ax - d * 16, cy + 16);
            SetColor(cr, Pal::Cyan, 0.5 + 0.5 * t);
            cairo_set_line_width(cr, 5);
            cairo_stroke(cr);
        }
    }
    if (success) {
        cairo_arc(cr, cx, cy, rx * 1.45, -M_PI / 2, -M_PI / 2 + 2 * M_PI * Ease(t));
        SetColor(cr, Pal::Green);
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
        if (t > 0.5) {
            double u = (t - 0.5) * 2;
            cairo_move_to(cr, cx + rx * 0.9, cy + ry * 0.75);
            cairo_line_to(cr, cx + rx * 1.1, cy + ry * 0.95);
            cairo_line_to(cr, cx + rx * (1.1 + 0.5 * u), cy + ry * (0.95 - 0.5 * u));
            cairo_stroke(cr);
        }
    }
    if (g == "cover") {
        cairo_rectangle(cr, cx - rx, cy - ry * 0.35, 2 * rx, ry * 0.4);
        SetColor(cr, Pal::Amber, 0.8);
        cairo_fill(cr);
    } else if (g == "error") {
        cairo_move_to(cr, cx - 30, cy - 30); cairo_line_to(cr, cx + 30, cy + 30);
        cairo_move_to(cr, cx + 30, cy - 30); cairo_line_to(cr, cx - 30, cy + 30);
        SetColor(cr, Pal::Red);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
    } else if (g == "wait") {
        for (int i = 0; i < 3; i++) {
            cairo_arc(cr, cx - 24 + i * 24, by + bh + 18, 5, 0, 2 * M_PI);
            SetColor(cr, Pal::Cyan, 0.4 + 0.3 * i);
            cairo_fill(cr);
        }
    }
}

/* ---- Logos and upgrade ----------------------------------------------------------------------- */

/* An abstract emblem: two swept wings meeting in a point, a blue chevron nested under them and a
 * blue diamond above, on a soft light. s is about half the emblem's height. */
void Emblem(cairo_t* cr, double cx, double cy, double s)
{
    auto wing = [&](double dy, double span, double thick) {
        for (int side : {-1, 1}) {
            cairo_move_to(cr, cx, cy + dy + thick);
            cairo_curve_to(cr, cx + side * span * 0.35, cy + dy + thick * 0.6, cx + side * span * 0.7, cy + dy - s * 0.35,
                           cx + side * span, cy + dy - s * 0.55);
            cairo_curve_to(cr, cx + side * span * 0.72, cy + dy - s * 0.18 - thick * 0.2, cx + side * span * 0.35,
                           cy + dy, cx, cy + dy);
            cairo_close_path(cr);
        }
    };
    wing(0, s * 2.4, s * 0.42);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - s * 0.6, 0, cy + s * 0.5);
    cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.70, 0.74, 0.80);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    wing(s * 0.55, s * 1.2, s * 0.26);
    SetColor(cr, Pal::Blue);
    cairo_fill(cr);
    cairo_move_to(cr, cx, cy - s * 0.95);
    cairo_line_to(cr, cx + s * 0.26, cy - s * 0.6);
    cairo_line_to(cr, cx, cy - s * 0.25);
    cairo_line_to(cr, cx - s * 0.26, cy - s * 0.6);
    cairo_close_path(cr);
    SetColor(cr, Pal::Blue);
    cairo_fill(cr);
}

void Logo(cairo_t* cr, const PicCtx& c)
{
    /* light streaks running out of the emblem to both sides */
    for (int side : {-1, 1}) {
        double x0 = c.w / 2.0 + side * c.h * 1.35, x1 = side < 0 ? 0 : c.w;
        cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.18, 0.55, 1.0, 0.9);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.18, 0.55, 1.0, 0.0);
        cairo_set_source(cr, p);
        cairo_rectangle(cr, std::fmin(x0, x1), c.h * 0.52, fabs(x1 - x0), 2);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    cairo_save(cr);
    cairo_translate(cr, c.w / 2.0, c.h / 2.0);
    cairo_scale(cr, 1.0, 0.32);
    Glow(cr, 0, 0, c.h * 1.5, Pal::Blue, 0.4);
    cairo_restore(cr);
    Emblem(cr, c.w / 2.0, c.h * 0.5, c.h * 0.5);
}

void UpgradeLogo(cairo_t* cr, const PicCtx& c)
{
    Emblem(cr, c.h * 1.3, c.h * 0.5, c.h * 0.42);
    Text(cr, "系统升级", c.h * 0.42, true, c.h * 2.7, c.h * 0.66, AL_LEFT, Pal::White);
}

void NimboPart(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.g[0];
    if (n == "loading") {
        double cx = c.w / 2.0, cy = c.h / 2.0, r = std::fmin(c.w, c.h) * 0.44;
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        SetColor(cr, Pal::Line, 0.6);
        cairo_set_line_width(cr, 8);
        cairo_stroke(cr);
        // The bright head alone: a path of its own, so no chord joins it to the ring.
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r, -M_PI / 2, 0.4);
        SetColor(cr, Pal::Blue);
        cairo_set_line_width(cr, 8);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    } else if (n == "logo") {
        Emblem(cr, c.w / 2.0, c.h * 0.5, c.h * 0.42);
    } else if (n == "symbol") {
        // Dots at both ends, framing the notice that the page lays over the symbol's middle.
        for (int i = 0; i < 3; i++) {
            for (double x : {8.0 + i * 12, c.w - 8.0 - i * 12}) {
                cairo_arc(cr, x, c.h / 2.0, 4, 0, 2 * M_PI);
                SetColor(cr, Pal::Blue, 0.9 - 0.25 * i);
                cairo_fill(cr);
            }
        }
    } else Label(cr, c);
}

/* ---- Hints, lane assist, cruise ----------------------------------------------------------- */

void HintPic(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.g[0];
    if (n == "head_background") { PanelBg(cr, c); Glow(cr, c.w / 2.0, c.h * 0.4, c.w * 0.4, Pal::Amber, 0.15); return; }
    std::string icon = n.find("tired") != std::string::npos ? "tired"
                     : n.find("distraction") != std::string::npos ? "distraction" : "steering";
    if (n == "head_big") icon = "steering";
    Rgb col = n.find("_2") != std::string::npos || n.find("lcc") != std::string::npos || n == "head_big" ? Pal::Amber : Pal::White;
    if (!Icon(cr, icon, c.w, c.h, col)) Generic(cr, c);
}

void LaneAssist(cairo_t* cr, const PicCtx& c)
{
    bool left = c.g[0] == "left";
    bool alarm = !c.g[1].empty();
    Rgb col = alarm ? Pal::Red : Pal::Green;
    double x = left ? c.w * 0.3 : c.w * 0.7;
    cairo_move_to(cr, x + (left ? c.w * 0.15 : -c.w * 0.15), 2);
    cairo_line_to(cr, x - (left ? c.w * 0.15 : -c.w * 0.15), c.h - 2);
    SetColor(cr, col);
    cairo_set_line_width(cr, c.w * 0.16);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (alarm) Glow(cr, x, c.h / 2.0, c.w * 0.5, Pal::Red, 0.4);
}

void CruisePart(cairo_t* cr, const PicCtx& c)
{
    const std::string& n = c.name;
    if (n.find("scale_disk") != std::string::npos) {
        double cx = c.w / 2.0, cy = c.h / 2.0, r = c.w * 0.46;
        cairo_arc(cr, cx, cy, r, M_PI * 0.75, M_PI * 2.25);
        SetColor(cr, Pal::Blue, 0.8);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        return;
    }
    if (n.find("pointer") != std::string::npos) {
        cairo_move_to(cr, 0, c.h / 2.0);
        cairo_line_to(cr, c.w, c.h * 0.2);
        cairo_line_to(cr, c.w, c.h * 0.8);
        cairo_close_path(cr);
        SetColor(cr, Pal::Blue);
        cairo_fill(cr);
        return;
    }
    cairo_move_to(cr, c.w * 0.1, c.h * 0.2);
    cairo_line_to(cr, c.w * 0.9, c.h * 0.5);
    cairo_line_to(cr, c.w * 0.1, c.h * 0.8);
    cairo_close_path(cr);
    SetColor(cr, Pal::White);
    cairo_fill(cr);
}

void LeftAcc(cairo_t* cr, const PicCtx& c)
{
    int level = Num(c.g[0]);
    for (int i = 0; i < 5; i++) {
        RoundRect(cr, i * c.w / 5.0 + 3, c.h * 0.3, c.w / 5.0 - 6, c.h * 0.4, 4);
        SetColor(cr, i < level ? Pal::Blue : Pal::Line);
        cairo_fill(cr);
    }
}

void TrafficLine(cairo_t* cr, const PicCtx& c)
{
    bool dotted = c.name.find("dotted") != std::string::npos;
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    for (int y = 0; y < c.h; y += dotted ? 32 : c.h) {
        cairo_rectangle(cr, c.w * 0.25, y, c.w * 0.5, dotted ? 16 : c.h);
    }
    SetColor(cr, Pal::White);
    cairo_fill(cr);
}

/* Model textures: a 256 x 256 atlas. Upper half body paint with shading, upper right glass, lower
 * left tyres and trim, lower right lamps. The model generator maps its parts into these regions. */
void ModelTexture(cairo_t* cr, const PicCtx& c)
{
    Rgb paint = CarPaint(c.g[1]);
    double W = c.w, H = c.h;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, H / 2);
    cairo_pattern_add_color_stop_rgb(p, 0, std::fmin(1, paint.r * 1.25), std::fmin(1, paint.g * 1.25), std::fmin(1, paint.b * 1.25));
    cairo_pattern_add_color_stop_rgb(p, 1, paint.r * 0.7, paint.g * 0.7, paint.b * 0.7);
    cairo_set_source(cr, p);
    cairo_rectangle(cr, 0, 0, W / 2, H / 2);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    VGradient(cr, W / 2, 0, W / 2, H / 2, {0.30, 0.36, 0.46}, 1, {0.06, 0.08, 0.12}, 1);
    cairo_set_source_rgb(cr, 0.07, 0.07, 0.08);
    cairo_rectangle(cr, 0, H / 2, W / 2, H / 2);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.85, 0.1, 0.08);
    cairo_rectangle(cr, W / 2, H / 2, W / 2, H / 4);
    cairo_fill(cr);
    cairo_set_source_rgb(cr, 0.95, 0.95, 0.9);
    cairo_rectangle(cr, W / 2, H * 0.75, W / 2, H / 4);
    cairo_fill(cr);
}

/* ---- The catalogue ----------------------------------------------------------------------------- */

struct Rule {
    const char* re;  /* over the identifier with its prefix */
    int w, h;
    bool alpha;
    PicDraw draw;
};

const Rule kRules[] = {
    /* charging page */
    {"PNG_charge_background_(charging|normal)", 1920, 720, false, Background},
    {"PNG_charge_background_car", 980, 380, true, ChargeCar},
    {"PNG_charge_range_unit_km", 60, 36, true, Label},
    {"PNG_charge_(charging|ready|error)", 48, 48, true, ChargeIcon},
    {"PNG_charge_(charging|ready)_background|PNG_charge_full", 790, 260, true, ChargeRing},
    {"PNG_charge_(charging|ready)_bright", 134, 196, true, ChargeRing},
    {"PNG_charge_(charging|ready)_progress", 520, 24, true, ChargeRing},
    {"PNG_charge_number_shadow", 324, 110, true, ShadowPic},
    {"PNG_charge_status_shadow", 360, 140, true, ShadowPic},
    {"PNG_charge_hint_(ready|charging|finish|stop)", 320, 40, true, Label},
    {"PNG_charge_hint_(pull_gun|contact_maintenance)", 400, 40, true, Label},
    {"PNG_Charge_Charging_(\\d+)", 1920, 160, true, ChargingFlow},
    /* self test */
    {"PNG_check_main_car_([A-Za-z_]+?)(_cam)?", 800, 400, true, CheckCar},
    {"PNG_check_background", 427, 720, false, CheckBackground},
    {"PNG_check_(\\d+)", 800, 500, true, CheckFrame},
    /* driving car */
    {"PNG_driving_car_([a-z_]+)_base", 148, 130, true, DrivingCar},
    {"PNG_driving_car_([a-z_]+)_camera", 40, 14, true, SmallCamera},
    {"PNG_driving_car_tail_lamp_(off|position)", 104, 20, true, TailLamp},
    {"PNG_driving_car_tail_lamp_brake", 118, 34, true, TailLamp},
    {"PNG_driving_car_tail_lamp_(left|right)", 30, 16, true, TailLamp},
    {"PNG_driving_car_tail_lamp_fog", 18, 10, true, TailLamp},
    {"PNG_driving_car_tail_shelter", 98, 20, true, TailLamp},
    {"PNG_driving_(high|low)_beam", 220, 90, true, Beam},
    /* driving modes */
    {"PNG_(eco)_(\\d+)", 1920, 90, true, ModeBand},
    {"PNG_(sport)_(\\d+)", 1920, 90, true, ModeBand},
    {"PNG_style_led_(eco|sport)", 120, 40, true, Label},
    /* clock and media */
    {"PNG_module_clock_(bg|hour|minute)", 300, 300, true, ClockPart},
    {"PNG_module_clock_shadow", 280, 40, true, ShadowPic},
    {"PNG_module_media_black_tape", 198, 198, true, Tape},
    {"PNG_module_media_cover_(fm|music|netbook)_default", 180, 180, true, Cover},
    {"PNG_module_media_fm_bg", 170, 180, true, FmBg},
    {"PNG_module_media_progress_bar(_bg)?", 260, 4, true, Bar},
    {"PNG_module_media_progress_cursor", 20, 68, true, Bar},
    {"PNG_module_media_shadow", 460, 40, true, ShadowPic},
    /* right menu */
    /* The value screens' icons stand alone; the list icons leave room for the label at x + 35. */
    {"PNG_menu_right_icon_(set[a-z]+)", 80, 80, true, MenuIcon},
    {"PNG_menu_right_icon_([a-z_]+)", 60, 60, true, MenuIcon},
    {"PNG_menu_right_shadow", 500, 40, true, ShadowPic},
    {"PNG_menu_right_value_set_bg", 520, 390, true, PanelBg},
    {"PNG_menu_right_value_set_pcursor", 40, 40, true, Bar},
    {"PNG_menu_right_value_set_progress", 16, 280, true, Bar},
    /* energy */
    {"PNG_module_energy_cost_(bg|bar_positive|bar_negative)", 396, 396, true, EnergyPart},
    {"PNG_module_energy_cost_(bar_zero)", 24, 10, true, EnergyPart},
    {"PNG_module_energy_cost_(avg_unit)", 110, 30, true, EnergyPart},
    {"PNG_module_energy_cost_(cursor)", 20, 20, true, EnergyPart},
    {"PNG_module_energy_cost_(graph_line_bottom|graph_line_zero)", 318, 2, true, EnergyPart},
    {"PNG_module_energy_cost_(power_cursor)", 30, 14, true, EnergyPart},
    {"PNG_module_energy_cost_(shadow)", 396, 40, true, EnergyPart},
    /* module list */
    {"PNG_module_L0_decoration", 172, 24, true, Decoration},
    {"PNG_module_L0_icon_([a-z_]+)", 192, 192, true, ModuleIcon},
    {"PNG_module_trip_bg", 560, 320, true, TripBg},
    {"PNG_module_trip_shadow", 500, 40, true, ShadowPic},
    /* vehicle status */
    {"PNG_module_vehicle_status_wheel_(normal|alarm|alarm_add)", 40, 60, true, StatusWheel},
    {"PNG_module_vehicle_status_(body)", 201, 320, true, StatusCar},
    {"PNG_module_vehicle_status_([a-z]+)_(open|close)", 201, 320, true, StatusCar},
    {"PNG_module_vehicle_status_shadow", 240, 30, true, ShadowPic},
    {"PNG_module_vehicle_shadow", 150, 40, true, ShadowPic},
    /* phone */
    {"PNG_module_phone_icon_incall_(answer|hangup|mute)", 100, 60, true, PhoneButton},
    {"PNG_module_phone_icon_waiting", 40, 40, true, Spinner},
    {"PNG_module_phone_(incall_bg|list_bg)", 470, 330, true, PanelBg},
    {"PNG_module_phone_speaking_bg", 470, 300, true, PanelBg},
    {"PNG_module_phone_list_select_dec", 560, 200, true, PhoneListSelection},
    {"PNG_module_phone_shadow", 470, 40, true, ShadowPic},
    {"PNG_module_phone_tips_list_loading", 320, 40, true, Label},
    {"PNG_module_phone_tips_no_record", 250, 40, true, Label},
    {"PNG_module_phone_tips_unavailable", 300, 40, true, Label},
    /* parked car */
    {"PNG_parking_car_wheel_(0|l30|l45|l60|r30|r45|r60)", 708, 330, true, ParkingWheels},
    {"PNG_parking_car_((?:all_)?[a-z]+)_(base|camera|camer)", 708, 330, true, ParkingCar},
    {"PNG_parking_car_((?:all_)?[a-z]+)_([a-z]+)_(open|close)", 708, 330, true, ParkingCar},
    /* radar */
    {"PNG_radar_car_(front)_([a-z_]+)", 424, 328, true, RadarCar},
    {"PNG_radar_car_(rear)_([a-z_]+)", 418, 310, true, RadarCar},
    {"PNG_radar_mask_(front|rear)", 484, 246, true, RadarMask},
    {"PNG_rolling_(\\d+)", 120, 120, true, Rolling},
    /* voice assistant */
    {"PNG_VAI_(in|waiting|recognizing|speaking)_(\\d+)", 340, 340, true, Vai},
    {"PNG_VAI_shadow", 240, 30, true, ShadowPic},
    /* speed digits */
    {"PNG_ui3_speed_digit_(red_)?(\\d|dot|degree|negative)", 56, 80, true, Digit},
    {"PNG_ui3_speed_invalid", 160, 80, true, Label},
    {"PNG_ui3_speed_unit_kmph", 90, 30, true, Label},
    /* upgrade */
    {"PNG_upgrade_icon_waiting", 48, 48, true, Spinner},
    {"PNG_upgrade_logo", 564, 120, true, UpgradeLogo},
    {"PNG_upgrade_tips_waiting", 316, 40, true, Label},
    /* weather */
    {"PNG_weather_icon_(\\d+)", 160, 160, true, Weather},
    {"PNG_weather_shadow", 300, 30, true, ShadowPic},
    /* model textures */
    {"PNG_uv_TexCar(Large|Medium|Small)_([A-Za-z]+)", 256, 256, false, ModelTexture},
    /* face recognition */
    {"PNG_sampling_(\\d+|wait|cover|error)", 380, 300, true, Sampling},
    /* dialogs, alarms, lane assist, hints */
    {"PNG_alert_dialog_confirm_single_(change|retry)", 240, 60, true, Button},
    {"PNG_alarm_[A-Za-z_]+", 60, 60, true, Lamp},
    {"PNG_lane_assist_(left|right)(_alarm)?", 40, 60, true, LaneAssist},
    {"PNG_hint_(head_background)", 554, 400, true, HintPic},
    {"PNG_hint_(head_big)", 360, 200, true, HintPic},
    {"PNG_hint_(icon_tired_2)", 220, 160, true, HintPic},
    {"PNG_hint_(icon_distraction_lcc)", 108, 80, true, HintPic},
    {"PNG_hint_(head_s|icon_tired|icon_distraction)", 80, 80, true, HintPic},
    {"PNG_(ACC|LCC)_\\d+", 62, 62, true, Lamp},
    {"PNG_ui3_basic_bg_([a-z_]+)", 1440, 540, false, Background},
    {"PNG_Nimbo_(loading)", 196, 200, true, NimboPart},
    {"PNG_Nimbo_(logo)", 116, 60, true, NimboPart},
    {"PNG_Nimbo_(symbol)", 294, 40, true, NimboPart},
    {"PNG_Nimbo_(hint_1)", 318, 40, true, NimboPart},
    {"PNG_Nimbo_(hint_2)", 208, 40, true, NimboPart},
    {"PNG_logo", 858, 96, true, Logo},

    /* ---- TGA ---- */
    {"TGA_logo", 858, 96, true, Logo},
    {"TGA_AI_parking_(available)_(left|right)(area)", 260, 250, true, ParkingSlot},
    {"TGA_AI_parking_(available|unavailable|used)_(left|right|rigth)slot(1)", 120, 70, true, ParkingSlot},
    {"TGA_AI_parking_(available|unavailable|used)_(left|right|rigth)slot(2)", 150, 72, true, ParkingSlot},
    {"TGA_AI_parking_(available|unavailable|used)_(left|right|rigth)slot(3)", 180, 80, true, ParkingSlot},
    {"TGA_alert_dialog_background", 490, 190, true, PanelBg},
    {"TGA_alert_simple_background", 490, 112, true, PanelBg},
    {"TGA_alert_dialog_(cancel|confirm)", 200, 60, true, Button},
    {"TGA_alert_dialog_confirm_single", 240, 60, true, Button},
    {"TGA_charging_range_digit_()(\\d)", 40, 60, true, Digit},
    {"TGA_charging_range_unit_KM", 60, 40, true, Label},
    {"TGA_cruise_arrow", 20, 16, true, CruisePart},
    {"TGA_cruise_pointer_blue", 46, 18, true, CruisePart},
    {"TGA_cruise_scale_disk_blue", 56, 56, true, CruisePart},
    {"TGA_driving_(high|low)_beam", 220, 90, true, Beam},
    {"TGA_driving_white_body", 148, 130, true, WhiteBody},
    {"TGA_driving_white_led_(off|position)", 104, 20, true, TailLamp},
    {"TGA_driving_white_led_brake", 118, 34, true, TailLamp},
    {"TGA_driving_white_led_turn_(left|right)", 30, 16, true, TailLamp},
    {"TGA_hint_background", 490, 116, true, PanelBg},
    {"TGA_gear_tip_[DNPR]", 250, 50, true, GearTip},
    {"TGA_led_acc_blue", 62, 62, true, Lamp},
    {"TGA_led_acc_blue_pointer", 46, 18, true, CruisePart},
    {"TGA_led_acc_white_arrow", 20, 16, true, CruisePart},
    {"TGA_led_door_[lr][bf]", 12, 10, true, Lamp},
    {"TGA_led_car_body", 40, 50, true, Lamp},
    {"TGA_led_seatbelt_b[lmr](_gray)?", 40, 48, true, Lamp},
    {"TGA_led_(ac_overcost|battery_cold)", 48, 48, true, Lamp},
    {"TGA_led_speed_limit_bg", 80, 80, true, Lamp},
    {"TGA_led_traffic_camera", 64, 64, true, Lamp},
    {"TGA_led_[A-Za-z0-9_]+", 56, 56, true, Lamp},
    {"TGA_menu_2nd_bg", 520, 390, true, PanelBg},
    {"TGA_menu_2nd_icon_(temp_bg|temp_progress)", 80, 80, true, PlainIcon},
    {"TGA_menu_2nd_icon_([a-z_]+)", 60, 60, true, MenuIcon},
    {"TGA_menu_icon_([a-z_]+)", 60, 60, true, MenuIcon},
    {"TGA_menu_2nd_value_set_cursor", 40, 40, true, Bar},
    {"TGA_menu_2nd_value_set_progress(_bg)?", 16, 280, true, Bar},
    {"TGA_menu_left_acc_(\\d)", 220, 40, true, LeftAcc},
    {"TGA_menu_left_bg", 520, 390, true, PanelBg},
    {"TGA_menu_left_icon_(voice)", 64, 64, true, PlainIcon},
    {"TGA_menu_left_progress_bar", 20, 300, true, Bar},
    {"TGA_menu_left_progress_cursor", 44, 44, true, Bar},
    {"TGA_menu_left_shadow", 480, 40, true, ShadowPic},
    {"TGA_menu_left_txt_[a-z_]+", 160, 40, true, Label},
    {"TGA_module_L0_text_[a-z]+", 200, 44, true, Title},
    {"TGA_nav_icon_([a-z_]+)", 140, 140, true, Nav},
    {"TGA_nav_tips_arrive_destination", 260, 40, true, Label},
    {"TGA_nav_tips_(cost_left|next_enter)", 64, 32, true, Label},
    {"TGA_nav_tips_disable", 200, 40, true, Label},
    {"TGA_nav_unit_next_distance_(km|m)", 44, 30, true, Label},
    {"TGA_nav_module_shadow", 400, 30, true, ShadowPic},
    {"TGA_traffic_line_(dotted|solid)", 16, 256, false, TrafficLine},
    {"TGA_ui3_basic_battery_(bg)", 200, 20, true, BatteryBar},
    {"TGA_ui3_basic_battery_(full_green|full_red|full_yellow|high_light)", 192, 12, true, BatteryBar},
    {"TGA_ui3_basic_bg_bottom(_night)?", 960, 94, true, BottomBar},
    {"TGA_ui3_basic_temperature_icon", 32, 32, true, PlainIcon},
    {"TGA_ui3_basic_mute_icon", 48, 48, true, PlainIcon},
    {"TGA_ui3_gear_(PRND)_gray", 176, 40, true, GearStrip},
    {"TGA_ui3_gear_([DNPR])", 176, 40, true, GearStrip},
    {"TGA_ui3_led_ready", 90, 28, true, Lamp},
};

struct Compiled { std::regex re; const Rule* r; };

const std::vector<Compiled>& Compiledrules()
{
    static const std::vector<Compiled> v = [] {
        std::vector<Compiled> out;
        for (const Rule& r : kRules) out.push_back({std::regex(r.re), &r});
        return out;
    }();
    return v;
}

/* Icon names of the pictures handled by PlainIcon whose name is not an icon name. */
void FixIconName(PicCtx* c)
{
    if (c->name == "ui3_basic_temperature_icon") c->g = {"thermo_small"};
    if (c->name == "ui3_basic_mute_icon") c->g = {"mute"};
}
} // namespace

PicSpec Pictures_Find(const std::string& id, PicCtx* ctx)
{
    ctx->tga = id.rfind("TGA_", 0) == 0;
    ctx->name = id.substr(4);
    ctx->g.clear();
    for (const Compiled& c : Compiledrules()) {
        std::smatch m;
        if (std::regex_match(id, m, c.re)) {
            for (size_t i = 1; i < m.size(); i++) ctx->g.push_back(m[i].str());
            ctx->w = c.r->w;
            ctx->h = c.r->h;
            FixIconName(ctx);
            return {c.r->w, c.r->h, c.r->alpha, c.r->draw, c.r->re};
        }
    }
    ctx->w = 64;
    ctx->h = 64;
    return {64, 64, true, Generic, "generic"};
}
