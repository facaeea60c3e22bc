/* Line icons of the side modules, menus and phone, the weather icons and the navigation arrows,
 * all drawn on a 100 x 100 grid scaled into the picture. */
#include "Draw.h"

#include <cmath>
#include <functional>
#include <map>

namespace {

void Stroke(cairo_t* cr, double lw) { cairo_set_line_width(cr, lw); cairo_stroke(cr); }

void Sun(cairo_t* cr, double cx, double cy, double r, bool rays)
{
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    if (!rays) return;
    for (int i = 0; i < 8; i++) {
        double a = i * M_PI / 4;
        cairo_move_to(cr, cx + cos(a) * r * 1.45, cy + sin(a) * r * 1.45);
        cairo_line_to(cr, cx + cos(a) * r * 1.95, cy + sin(a) * r * 1.95);
    }
    Stroke(cr, r * 0.28);
}

void Cloud(cairo_t* cr, double x, double y, double s)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + s * 0.30, y + s * 0.62, s * 0.20, M_PI * 0.5, M_PI * 1.5);
    cairo_arc(cr, x + s * 0.50, y + s * 0.42, s * 0.25, M_PI * 1.05, M_PI * 1.95);
    cairo_arc(cr, x + s * 0.74, y + s * 0.60, s * 0.22, M_PI * 1.4, M_PI * 0.5);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Note(cairo_t* cr)
{
    cairo_arc(cr, 36, 70, 12, 0, 2 * M_PI);
    cairo_arc(cr, 70, 62, 12, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 46, 70); cairo_line_to(cr, 46, 24); cairo_line_to(cr, 80, 16); cairo_line_to(cr, 80, 62);
    Stroke(cr, 6);
}

void Handset(cairo_t* cr)
{
    cairo_move_to(cr, 26, 18);
    cairo_curve_to(cr, 14, 30, 22, 58, 44, 78);
    cairo_curve_to(cr, 62, 92, 80, 90, 84, 78);
    cairo_line_to(cr, 70, 64);
    cairo_line_to(cr, 60, 70);
    cairo_curve_to(cr, 50, 64, 40, 52, 34, 42);
    cairo_line_to(cr, 40, 32);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Fan(cairo_t* cr)
{
    for (int i = 0; i < 3; i++) {
        cairo_save(cr);
        cairo_translate(cr, 50, 50);
        cairo_rotate(cr, i * 2 * M_PI / 3);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, -6, -20, 8, -40, 22, -36);
        cairo_curve_to(cr, 26, -22, 14, -6, 0, 0);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_arc(cr, 50, 50, 7, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Thermometer(cairo_t* cr)
{
    RoundRect(cr, 42, 12, 16, 58, 8);
    Stroke(cr, 5);
    cairo_arc(cr, 50, 76, 13, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 50, 30); cairo_line_to(cr, 50, 70);
    Stroke(cr, 6);
}

void Seat(cairo_t* cr, double dir)
{
    /* a seated person with the air flow direction: -1 up, 0 both, 1 down, 2 side */
    cairo_arc(cr, 40, 22, 8, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, 34, 34); cairo_line_to(cr, 30, 64); cairo_line_to(cr, 58, 66); cairo_line_to(cr, 62, 86);
    Stroke(cr, 7);
    /* Bold arrows: the menus show these icons at about 36 pixels, where thin ones merge. */
    auto arrow = [&](double y, double dy) {
        cairo_move_to(cr, 94, y); cairo_line_to(cr, 70, y + dy);
        Stroke(cr, 8);
        cairo_move_to(cr, 58, y + dy); cairo_line_to(cr, 74, y + dy - 11); cairo_line_to(cr, 74, y + dy + 11);
        cairo_close_path(cr); cairo_fill(cr);
    };
    if (dir == -1 || dir == 0) arrow(24, 0);
    if (dir == 1 || dir == 0) arrow(80, 0);
    if (dir == 2) {
        /* from both sides: one arrow in front of the chest, one behind the back */
        arrow(48, 0);
        cairo_move_to(cr, 2, 48); cairo_line_to(cr, 16, 48);
        Stroke(cr, 8);
        cairo_move_to(cr, 26, 48); cairo_line_to(cr, 12, 37); cairo_line_to(cr, 12, 59);
        cairo_close_path(cr); cairo_fill(cr);
    }
}

void Book(cairo_t* cr)
{
    cairo_move_to(cr, 50, 28); cairo_curve_to(cr, 38, 20, 22, 20, 12, 24); cairo_line_to(cr, 12, 80);
    cairo_curve_to(cr, 22, 76, 38, 76, 50, 84); cairo_curve_to(cr, 62, 76, 78, 76, 88, 80);
    cairo_line_to(cr, 88, 24); cairo_curve_to(cr, 78, 20, 62, 20, 50, 28); cairo_close_path(cr);
    Stroke(cr, 5);
    cairo_move_to(cr, 50, 28); cairo_line_to(cr, 50, 84);
    Stroke(cr, 4);
}

void Radio(cairo_t* cr)
{
    RoundRect(cr, 12, 34, 76, 50, 8);
    Stroke(cr, 5);
    cairo_move_to(cr, 26, 34); cairo_line_to(cr, 70, 14);
    Stroke(cr, 4);
    cairo_arc(cr, 34, 59, 12, 0, 2 * M_PI);
    cairo_fill(cr);
    for (int i = 0; i < 3; i++) { cairo_move_to(cr, 56, 48 + i * 10); cairo_line_to(cr, 78, 48 + i * 10); }
    Stroke(cr, 4);
}

void Bluetooth(cairo_t* cr)
{
    cairo_move_to(cr, 32, 32); cairo_line_to(cr, 66, 64); cairo_line_to(cr, 50, 80); cairo_line_to(cr, 50, 20);
    cairo_line_to(cr, 66, 36); cairo_line_to(cr, 32, 68);
    Stroke(cr, 6);
}

using Fn = std::function<void(cairo_t*)>;
const std::map<std::string, Fn>& Icons()
{
    static const std::map<std::string, Fn> m = {
        {"clock", [](cairo_t* cr) {
             cairo_arc(cr, 50, 50, 36, 0, 2 * M_PI); Stroke(cr, 6);
             cairo_move_to(cr, 50, 50); cairo_line_to(cr, 50, 26); cairo_move_to(cr, 50, 50);
             cairo_line_to(cr, 68, 58); Stroke(cr, 6); }},
        {"weather", [](cairo_t* cr) { Sun(cr, 38, 38, 14, true); Cloud(cr, 30, 30, 60); }},
        {"trip", [](cairo_t* cr) {
             cairo_move_to(cr, 30, 86); cairo_line_to(cr, 44, 16); cairo_move_to(cr, 70, 86);
             cairo_line_to(cr, 56, 16); Stroke(cr, 6);
             cairo_move_to(cr, 50, 30); cairo_line_to(cr, 50, 40); cairo_move_to(cr, 50, 52);
             cairo_line_to(cr, 50, 64); cairo_move_to(cr, 50, 74); cairo_line_to(cr, 50, 86); Stroke(cr, 5); }},
        {"energy_cost", [](cairo_t* cr) {
             cairo_arc(cr, 50, 58, 34, M_PI * 0.8, M_PI * 2.2); Stroke(cr, 6);
             cairo_move_to(cr, 56, 24); cairo_line_to(cr, 40, 56); cairo_line_to(cr, 52, 56);
             cairo_line_to(cr, 44, 82); cairo_line_to(cr, 64, 48); cairo_line_to(cr, 52, 48);
             cairo_line_to(cr, 62, 24); cairo_close_path(cr); cairo_fill(cr); }},
        {"navigation", [](cairo_t* cr) {
             cairo_move_to(cr, 50, 12); cairo_line_to(cr, 80, 86); cairo_line_to(cr, 50, 70);
             cairo_line_to(cr, 20, 86); cairo_close_path(cr); cairo_fill(cr); }},
        {"vehicle_status", [](cairo_t* cr) {
             RoundRect(cr, 30, 10, 40, 80, 14); Stroke(cr, 6);
             cairo_move_to(cr, 36, 34); cairo_line_to(cr, 64, 34); cairo_move_to(cr, 36, 68);
             cairo_line_to(cr, 64, 68); Stroke(cr, 5);
             for (double y : {22.0, 70.0}) { cairo_rectangle(cr, 20, y, 8, 14); cairo_rectangle(cr, 72, y, 8, 14); }
             cairo_fill(cr); }},
        {"media", [](cairo_t* cr) { Note(cr); }},
        {"null", [](cairo_t* cr) {
             cairo_arc(cr, 50, 50, 30, 0, 2 * M_PI); Stroke(cr, 5);
             cairo_move_to(cr, 30, 70); cairo_line_to(cr, 70, 30); Stroke(cr, 5); }},
        {"phone", [](cairo_t* cr) { Handset(cr); }},
        {"mediasrc", [](cairo_t* cr) { Note(cr); }},
        {"sun", [](cairo_t* cr) { Sun(cr, 50, 50, 16, true); }},
        {"setsun", [](cairo_t* cr) { Sun(cr, 50, 50, 16, true); }},
        {"brightness", [](cairo_t* cr) { Sun(cr, 50, 50, 16, true); }},
        {"temp", [](cairo_t* cr) { Thermometer(cr); }},
        {"settemp", [](cairo_t* cr) { Thermometer(cr); }},
        {"thermometer", [](cairo_t* cr) { Thermometer(cr); }},
        {"temp_bg", [](cairo_t* cr) { Thermometer(cr); }},
        {"temp_progress", [](cairo_t* cr) { RoundRect(cr, 44, 30, 12, 44, 6); cairo_fill(cr); }},
        {"windpwr", [](cairo_t* cr) { Fan(cr); }},
        {"setwindpwr", [](cairo_t* cr) { Fan(cr); }},
        {"fan", [](cairo_t* cr) { Fan(cr); }},
        {"windmd", [](cairo_t* cr) { Seat(cr, 0); }},
        {"windymode", [](cairo_t* cr) { Seat(cr, 0); }},
        {"windymode_up", [](cairo_t* cr) { Seat(cr, -1); }},
        {"windymode_down", [](cairo_t* cr) { Seat(cr, 1); }},
        {"windymode_side", [](cairo_t* cr) { Seat(cr, 2); }},
        {"version", [](cairo_t* cr) {
             cairo_arc(cr, 50, 50, 36, 0, 2 * M_PI); Stroke(cr, 6);
             cairo_arc(cr, 50, 30, 5, 0, 2 * M_PI); cairo_fill(cr);
             cairo_move_to(cr, 50, 44); cairo_line_to(cr, 50, 74); Stroke(cr, 8); }},
        {"camera", [](cairo_t* cr) {
             RoundRect(cr, 14, 30, 72, 50, 8); Stroke(cr, 6);
             cairo_arc(cr, 50, 55, 14, 0, 2 * M_PI); Stroke(cr, 6);
             cairo_rectangle(cr, 36, 20, 28, 10); cairo_fill(cr); }},
        {"music_local", [](cairo_t* cr) { Note(cr); }},
        {"music_blt", [](cairo_t* cr) { Bluetooth(cr); }},
        {"radio_local", [](cairo_t* cr) { Radio(cr); }},
        {"radio_tbook", [](cairo_t* cr) { Book(cr); }},
        {"voice", [](cairo_t* cr) {
             cairo_move_to(cr, 14, 40); cairo_line_to(cr, 30, 40); cairo_line_to(cr, 52, 20);
             cairo_line_to(cr, 52, 80); cairo_line_to(cr, 30, 60); cairo_line_to(cr, 14, 60);
             cairo_close_path(cr); cairo_fill(cr);
             cairo_arc(cr, 52, 50, 18, -0.9, 0.9); Stroke(cr, 5);
             cairo_arc(cr, 52, 50, 32, -0.9, 0.9); Stroke(cr, 5); }},
        {"mute", [](cairo_t* cr) {
             cairo_move_to(cr, 14, 40); cairo_line_to(cr, 30, 40); cairo_line_to(cr, 52, 20);
             cairo_line_to(cr, 52, 80); cairo_line_to(cr, 30, 60); cairo_line_to(cr, 14, 60);
             cairo_close_path(cr); cairo_fill(cr);
             cairo_move_to(cr, 64, 38); cairo_line_to(cr, 88, 62); cairo_move_to(cr, 88, 38);
             cairo_line_to(cr, 64, 62); Stroke(cr, 6); }},
        {"answer", [](cairo_t* cr) { Handset(cr); }},
        {"hangup", [](cairo_t* cr) {
             cairo_save(cr); cairo_translate(cr, 50, 50); cairo_rotate(cr, M_PI * 0.75);
             cairo_translate(cr, -50, -50); Handset(cr); cairo_restore(cr); }},
        {"incall_mute", [](cairo_t* cr) {
             RoundRect(cr, 38, 14, 24, 44, 12); cairo_fill(cr);
             cairo_arc(cr, 50, 46, 24, 0, M_PI); Stroke(cr, 5);
             cairo_move_to(cr, 50, 70); cairo_line_to(cr, 50, 84); Stroke(cr, 5);
             cairo_move_to(cr, 20, 16); cairo_line_to(cr, 80, 84); Stroke(cr, 6); }},
        {"thermo_small", [](cairo_t* cr) { Thermometer(cr); }},
        {"tired", [](cairo_t* cr) {
             cairo_arc(cr, 50, 52, 36, 0, 2 * M_PI); Stroke(cr, 6);
             cairo_move_to(cr, 30, 46); cairo_line_to(cr, 44, 46); cairo_move_to(cr, 56, 46);
             cairo_line_to(cr, 70, 46); Stroke(cr, 5);
             cairo_arc(cr, 50, 70, 7, 0, 2 * M_PI); Stroke(cr, 4);
             cairo_move_to(cr, 70, 10); cairo_line_to(cr, 86, 10); cairo_line_to(cr, 70, 24); cairo_line_to(cr, 86, 24);
             Stroke(cr, 4); }},
        {"distraction", [](cairo_t* cr) {
             cairo_arc(cr, 50, 52, 36, 0, 2 * M_PI); Stroke(cr, 6);
             cairo_arc(cr, 64, 46, 5, 0, 2 * M_PI); cairo_arc(cr, 82, 46, 5, 0, 2 * M_PI); cairo_fill(cr);
             cairo_move_to(cr, 58, 70); cairo_line_to(cr, 76, 68); Stroke(cr, 4); }},
        {"head", [](cairo_t* cr) {
             cairo_arc(cr, 50, 36, 20, 0, 2 * M_PI); cairo_fill(cr);
             cairo_move_to(cr, 16, 92); cairo_curve_to(cr, 18, 62, 82, 62, 84, 92); cairo_close_path(cr);
             cairo_fill(cr); }},
        {"steering", [](cairo_t* cr) {
             cairo_arc(cr, 50, 50, 36, 0, 2 * M_PI); Stroke(cr, 7);
             cairo_move_to(cr, 16, 46); cairo_line_to(cr, 84, 46); cairo_move_to(cr, 50, 50);
             cairo_line_to(cr, 50, 86); Stroke(cr, 7); }},
    };
    return m;
}
} // namespace

bool Icon(cairo_t* cr, const std::string& name, double w, double h, Rgb c)
{
    auto it = Icons().find(name);
    if (it == Icons().end()) return false;
    double s = std::fmin(w, h);
    cairo_save(cr);
    cairo_translate(cr, (w - s) / 2, (h - s) / 2);
    cairo_scale(cr, s / 100.0, s / 100.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, c);
    it->second(cr);
    cairo_restore(cr);
    return true;
}

/* The 37 weather states, grouped: 1-4 clear/cloud, 5-8 overcast and fog, 9-20 rain and storms,
 * 21-28 snow and sleet, 29-33 dust, sand and haze, 34-37 wind, hot, cold and unknown. */
void WeatherIcon(cairo_t* cr, int n, double w, double h)
{
    double s = std::fmin(w, h);
    cairo_save(cr);
    cairo_translate(cr, (w - s) / 2, (h - s) / 2);
    cairo_scale(cr, s / 100.0, s / 100.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const Rgb sun{1.0, 0.76, 0.20}, cloud{0.86, 0.88, 0.92}, dark{0.55, 0.58, 0.64}, rain{0.30, 0.62, 1.0};
    auto drops = [&](int k, bool snow) {
        for (int i = 0; i < k; i++) {
            double x = 34 + i * (36.0 / std::max(1, k - 1)), y = 78 + (i % 2) * 8;
            if (snow) {
                SetColor(cr, {0.95, 0.97, 1.0});
                cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
                cairo_fill(cr);
            } else {
                SetColor(cr, rain);
                cairo_move_to(cr, x + 3, y - 6);
                cairo_line_to(cr, x - 3, y + 6);
                cairo_set_line_width(cr, 4);
                cairo_stroke(cr);
            }
        }
    };
    if (n <= 4) {
        SetColor(cr, sun);
        Sun(cr, n == 1 ? 50 : 40, n == 1 ? 50 : 38, n == 1 ? 18 : 14, true);
        if (n >= 2) { SetColor(cr, n == 4 ? dark : cloud); Cloud(cr, 24, 26, 66); }
        if (n == 3) { SetColor(cr, cloud); Cloud(cr, 10, 34, 44); }
    } else if (n <= 8) {
        SetColor(cr, n >= 7 ? dark : cloud);
        Cloud(cr, 14, 14, 76);
        if (n >= 6) {
            SetColor(cr, cloud, 0.7);
            for (int i = 0; i < 3; i++) { cairo_move_to(cr, 20, 76 + i * 8); cairo_line_to(cr, 80, 76 + i * 8); }
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
        }
    } else if (n <= 20) {
        SetColor(cr, n >= 15 ? dark : cloud);
        Cloud(cr, 14, 8, 76);
        drops(2 + (n - 9) % 4, false);
        if (n >= 15) {
            SetColor(cr, sun);
            cairo_move_to(cr, 56, 56); cairo_line_to(cr, 44, 76); cairo_line_to(cr, 54, 76);
            cairo_line_to(cr, 46, 96); cairo_line_to(cr, 66, 70); cairo_line_to(cr, 56, 70);
            cairo_line_to(cr, 64, 56); cairo_close_path(cr); cairo_fill(cr);
        }
    } else if (n <= 28) {
        SetColor(cr, cloud);
        Cloud(cr, 14, 8, 76);
        drops(2 + (n - 21) % 3, true);
        if (n >= 26) drops(2, false);
    } else if (n <= 33) {
        SetColor(cr, {0.80, 0.66, 0.42});
        for (int i = 0; i < 4; i++) {
            cairo_move_to(cr, 14 + (i % 2) * 10, 28 + i * 14);
            cairo_curve_to(cr, 40, 20 + i * 14, 60, 36 + i * 14, 86, 28 + i * 14);
        }
        cairo_set_line_width(cr, 6);
        cairo_stroke(cr);
    } else {
        SetColor(cr, n == 35 ? Rgb{1.0, 0.45, 0.2} : n == 36 ? Rgb{0.55, 0.8, 1.0} : cloud);
        if (n == 34) {
            for (int i = 0; i < 3; i++) {
                cairo_move_to(cr, 12, 34 + i * 16);
                cairo_line_to(cr, 70, 34 + i * 16);
                cairo_arc(cr, 70, 26 + i * 16, 8, M_PI / 2, M_PI * 2);
            }
            cairo_set_line_width(cr, 6);
            cairo_stroke(cr);
        } else {
            TextBox(cr, n == 35 ? "热" : n == 36 ? "冷" : "?", 56, true, 0, 0, 100, 100,
                    n == 35 ? Rgb{1.0, 0.45, 0.2} : n == 36 ? Rgb{0.55, 0.8, 1.0} : cloud);
        }
    }
    cairo_restore(cr);
}

void NavIcon(cairo_t* cr, const std::string& name, double w, double h, Rgb c)
{
    double s = std::fmin(w, h);
    cairo_save(cr);
    cairo_translate(cr, (w - s) / 2, (h - s) / 2);
    cairo_scale(cr, s / 100.0, s / 100.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    SetColor(cr, c);
    auto head = [&](double x, double y, double ang) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, ang);
        cairo_move_to(cr, 0, -16); cairo_line_to(cr, 16, 6); cairo_line_to(cr, -16, 6);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_restore(cr);
    };
    cairo_set_line_width(cr, 11);
    if (name == "go_straight") {
        cairo_move_to(cr, 50, 92); cairo_line_to(cr, 50, 28); cairo_stroke(cr); head(50, 22, 0);
    } else if (name == "turn_left" || name == "turn_right") {
        double d = name == "turn_left" ? -1 : 1;
        cairo_move_to(cr, 50 - d * 10, 92); cairo_line_to(cr, 50 - d * 10, 46); cairo_line_to(cr, 50 + d * 20, 46);
        cairo_stroke(cr); head(50 + d * 26, 46, d * M_PI / 2);
    } else if (name == "left_front" || name == "right_front") {
        double d = name == "left_front" ? -1 : 1;
        cairo_move_to(cr, 50, 92); cairo_line_to(cr, 50, 58); cairo_line_to(cr, 50 + d * 20, 36);
        cairo_stroke(cr); head(50 + d * 24, 32, d * M_PI / 4);
    } else if (name == "left_back" || name == "right_back") {
        double d = name == "left_back" ? -1 : 1;
        cairo_move_to(cr, 50 - d * 10, 92); cairo_line_to(cr, 50 - d * 10, 30); cairo_line_to(cr, 50 + d * 14, 56);
        cairo_stroke(cr); head(50 + d * 18, 62, d * M_PI * 0.75);
    } else if (name == "turn_round") {
        cairo_move_to(cr, 64, 92); cairo_line_to(cr, 64, 40);
        cairo_arc_negative(cr, 48, 40, 16, 0, M_PI); cairo_line_to(cr, 32, 62);
        cairo_stroke(cr); head(32, 68, M_PI);
    } else if (name == "enter_roundabout" || name == "exit_roundabout") {
        cairo_arc(cr, 50, 50, 20, 0, 2 * M_PI); cairo_stroke(cr);
        cairo_move_to(cr, 50, 92); cairo_line_to(cr, 50, 70); cairo_stroke(cr);
        if (name == "exit_roundabout") { cairo_move_to(cr, 64, 36); cairo_line_to(cr, 78, 22); cairo_stroke(cr); head(82, 18, M_PI / 4); }
        else head(30, 44, -M_PI * 0.15);
    } else if (name == "enter_toll_station") {
        cairo_rectangle(cr, 18, 30, 64, 12); cairo_fill(cr);
        for (double x : {24.0, 46.0, 68.0}) { cairo_rectangle(cr, x, 42, 8, 46); }
        cairo_fill(cr);
        TextBox(cr, "¥", 26, true, 0, 0, 100, 28, c);
    } else if (name == "enter_tunnel") {
        cairo_arc(cr, 50, 60, 34, M_PI, 2 * M_PI); cairo_line_to(cr, 84, 92); cairo_move_to(cr, 16, 60);
        cairo_line_to(cr, 16, 92); cairo_stroke(cr);
        cairo_move_to(cr, 50, 92); cairo_line_to(cr, 50, 52); cairo_set_line_width(cr, 6); cairo_stroke(cr);
        head(50, 46, 0);
    } else if (name == "destination") {
        cairo_move_to(cr, 30, 92); cairo_line_to(cr, 30, 12); cairo_set_line_width(cr, 7); cairo_stroke(cr);
        cairo_move_to(cr, 30, 14); cairo_line_to(cr, 80, 26); cairo_line_to(cr, 30, 44); cairo_close_path(cr);
        cairo_fill(cr);
    } else { /* nav_disable */
        SetColor(cr, c, 0.6);
        cairo_move_to(cr, 50, 12); cairo_line_to(cr, 80, 86); cairo_line_to(cr, 50, 70);
        cairo_line_to(cr, 20, 86); cairo_close_path(cr); cairo_set_line_width(cr, 5); cairo_stroke(cr);
        cairo_move_to(cr, 16, 16); cairo_line_to(cr, 84, 84); cairo_stroke(cr);
    }
    cairo_restore(cr);
}
