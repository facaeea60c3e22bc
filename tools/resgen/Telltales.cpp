/* Telltale symbols in the ISO style: simple filled and stroked shapes on a 100 x 100 grid, scaled
 * into the lamp picture. The colour is chosen by the caller (red danger, amber caution, green
 * active, blue high beam, grey inactive). */
#include "Draw.h"

#include <cmath>
#include <functional>
#include <map>

namespace {

void Stroke(cairo_t* cr, double lw) { cairo_set_line_width(cr, lw); cairo_stroke(cr); }

void Letters(cairo_t* cr, const char* s, double size, double cx, double cy, Rgb c)
{
    TextBox(cr, s, size, true, cx - 50, cy - size * 0.6, 100, size * 1.2, c);
}

/* "( )" arcs around a circle as in the brake, ABS and parking-brake lamps. */
void Ring(cairo_t* cr, double r, bool arcs)
{
    cairo_arc(cr, 50, 50, r, 0, 2 * M_PI);
    Stroke(cr, 7);
    if (arcs) {
        cairo_arc(cr, 50, 50, r + 13, M_PI * 0.72, M_PI * 1.28);
        Stroke(cr, 6);
        cairo_arc(cr, 50, 50, r + 13, -M_PI * 0.28, M_PI * 0.28);
        Stroke(cr, 6);
    }
}

void Exclam(cairo_t* cr, double cx, double cy, double s)
{
    cairo_move_to(cr, cx, cy - s);
    cairo_line_to(cr, cx, cy + s * 0.35);
    Stroke(cr, s * 0.32);
    cairo_arc(cr, cx, cy + s * 0.85, s * 0.17, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Battery(cairo_t* cr, double x, double y, double w, double h)
{
    RoundRect(cr, x, y + 6, w, h - 6, 4);
    Stroke(cr, 6);
    cairo_rectangle(cr, x + w * 0.15, y, w * 0.18, 7);
    cairo_rectangle(cr, x + w * 0.67, y, w * 0.18, 7);
    cairo_fill(cr);
}

void Thermo(cairo_t* cr, double cx, double top, double hgt)
{
    cairo_move_to(cr, cx, top);
    cairo_line_to(cr, cx, top + hgt);
    Stroke(cr, 7);
    cairo_arc(cr, cx, top + hgt + 5, 8, 0, 2 * M_PI);
    cairo_fill(cr);
    for (int i = 0; i < 3; i++) {
        cairo_move_to(cr, cx + 6, top + 6 + i * 8);
        cairo_line_to(cr, cx + 13, top + 6 + i * 8);
    }
    Stroke(cr, 3);
}

/* A letter cut out of a filled shape. */
void CutLetter(cairo_t* cr, const char* s, double cx, double cy)
{
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    Letters(cr, s, 30, cx, cy, Rgb{0, 0, 0});
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void Snow(cairo_t* cr, double cx, double cy, double r)
{
    for (int i = 0; i < 3; i++) {
        double a = i * M_PI / 3;
        cairo_move_to(cr, cx - cos(a) * r, cy - sin(a) * r);
        cairo_line_to(cr, cx + cos(a) * r, cy + sin(a) * r);
    }
    Stroke(cr, r * 0.22);
}

/* Small car seen from the side, nose right, inside (x, y, w, h). */
void MiniCar(cairo_t* cr, double x, double y, double w, double h)
{
    cairo_move_to(cr, x, y + h * 0.85);
    cairo_line_to(cr, x, y + h * 0.50);
    cairo_line_to(cr, x + w * 0.2, y + h * 0.45);
    cairo_line_to(cr, x + w * 0.32, y + h * 0.12);
    cairo_line_to(cr, x + w * 0.72, y + h * 0.12);
    cairo_line_to(cr, x + w * 0.84, y + h * 0.45);
    cairo_line_to(cr, x + w, y + h * 0.55);
    cairo_line_to(cr, x + w, y + h * 0.85);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, x + w * 0.37, y + h * 0.2, w * 0.15, h * 0.22);
    cairo_rectangle(cr, x + w * 0.55, y + h * 0.2, w * 0.13, h * 0.22);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_arc(cr, x + w * 0.22, y + h * 0.88, h * 0.16, 0, 2 * M_PI);
    cairo_arc(cr, x + w * 0.78, y + h * 0.88, h * 0.16, 0, 2 * M_PI);
    cairo_fill(cr);
}

/* Car seen from above, nose up. */
void MiniCarTop(cairo_t* cr, double x, double y, double w, double h)
{
    RoundRect(cr, x, y, w, h, w * 0.35);
    Stroke(cr, 6);
    cairo_move_to(cr, x + w * 0.2, y + h * 0.3);
    cairo_line_to(cr, x + w * 0.8, y + h * 0.3);
    cairo_move_to(cr, x + w * 0.2, y + h * 0.78);
    cairo_line_to(cr, x + w * 0.8, y + h * 0.78);
    Stroke(cr, 5);
}

void Person(cairo_t* cr, double cx, double top, double s)
{
    cairo_arc(cr, cx, top + s * 0.12, s * 0.12, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, cx - s * 0.22, top + s * 0.95);
    cairo_line_to(cr, cx - s * 0.20, top + s * 0.42);
    cairo_curve_to(cr, cx - s * 0.18, top + s * 0.30, cx + s * 0.18, top + s * 0.30, cx + s * 0.20, top + s * 0.42);
    cairo_line_to(cr, cx + s * 0.22, top + s * 0.95);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Headlamp(cairo_t* cr, bool rightFacing)
{
    /* D-shaped lamp body */
    cairo_save(cr);
    if (!rightFacing) { cairo_translate(cr, 100, 0); cairo_scale(cr, -1, 1); }
    cairo_move_to(cr, 52, 24);
    cairo_curve_to(cr, 80, 24, 88, 40, 88, 50);
    cairo_curve_to(cr, 88, 60, 80, 76, 52, 76);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Rays(cairo_t* cr, double x0, double x1, double dy, int n)
{
    for (int i = 0; i < n; i++) {
        double y = 30 + i * 40.0 / (n - 1);
        cairo_move_to(cr, x1, y);
        cairo_line_to(cr, x0, y + dy);
    }
    Stroke(cr, 6);
}

void TurnArrow(cairo_t* cr, bool left)
{
    cairo_save(cr);
    if (!left) { cairo_translate(cr, 100, 0); cairo_scale(cr, -1, 1); }
    cairo_move_to(cr, 8, 50);
    cairo_line_to(cr, 46, 16);
    cairo_line_to(cr, 46, 36);
    cairo_line_to(cr, 90, 36);
    cairo_line_to(cr, 90, 64);
    cairo_line_to(cr, 46, 64);
    cairo_line_to(cr, 46, 84);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

/* A seat seen from the side: headrest, a slightly reclined backrest and the cushion. */
void Seat(cairo_t* cr, double x, double y, double s)
{
    RoundRect(cr, x + s * 0.06, y, s * 0.30, s * 0.16, s * 0.07);
    cairo_fill(cr);
    cairo_move_to(cr, x + s * 0.02, y + s * 0.22);
    cairo_line_to(cr, x + s * 0.36, y + s * 0.22);
    cairo_line_to(cr, x + s * 0.46, y + s * 0.66);
    cairo_line_to(cr, x + s * 0.12, y + s * 0.66);
    cairo_close_path(cr);
    cairo_fill(cr);
    RoundRect(cr, x + s * 0.10, y + s * 0.64, s * 0.80, s * 0.22, s * 0.09);
    cairo_fill(cr);
}

void Motor(cairo_t* cr)
{
    RoundRect(cr, 22, 34, 50, 36, 4);
    Stroke(cr, 6);
    cairo_rectangle(cr, 72, 44, 12, 16);
    cairo_rectangle(cr, 34, 24, 26, 8);
    cairo_fill(cr);
    cairo_move_to(cr, 22, 52); cairo_line_to(cr, 12, 52);
    cairo_move_to(cr, 12, 40); cairo_line_to(cr, 12, 64);
    Stroke(cr, 6);
}

void Steering(cairo_t* cr)
{
    cairo_arc(cr, 50, 52, 30, 0, 2 * M_PI);
    Stroke(cr, 7);
    cairo_move_to(cr, 22, 48); cairo_line_to(cr, 78, 48);
    cairo_move_to(cr, 50, 52); cairo_line_to(cr, 50, 82);
    Stroke(cr, 7);
}

using Sym = std::function<void(cairo_t*)>;

const std::map<std::string, Sym>& Symbols()
{
    static const std::map<std::string, Sym> m = {
        {"brake_syserr", [](cairo_t* cr) { Ring(cr, 26, true); Exclam(cr, 50, 46, 16); }},
        {"main_alert", [](cairo_t* cr) {
             cairo_move_to(cr, 50, 10); cairo_line_to(cr, 92, 86); cairo_line_to(cr, 8, 86);
             cairo_close_path(cr); cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND); Stroke(cr, 8);
             Exclam(cr, 50, 52, 18); }},
        {"charge_conn", [](cairo_t* cr) {
             RoundRect(cr, 30, 30, 40, 34, 8); cairo_fill(cr);
             cairo_rectangle(cr, 37, 14, 7, 16); cairo_rectangle(cr, 56, 14, 7, 16); cairo_fill(cr);
             cairo_move_to(cr, 50, 64); cairo_curve_to(cr, 50, 84, 70, 90, 86, 82); Stroke(cr, 7); }},
        {"rear_fog", [](cairo_t* cr) {
             Headlamp(cr, false); Rays(cr, 54, 92, 0, 3);
             cairo_move_to(cr, 36, 18); cairo_curve_to(cr, 44, 40, 28, 60, 36, 82); Stroke(cr, 5); }},
        {"high_beam", [](cairo_t* cr) { Headlamp(cr, false); Rays(cr, 8, 46, 0, 4); }},
        {"high_beam_A", [](cairo_t* cr) { Headlamp(cr, false); Rays(cr, 8, 46, 0, 4); CutLetter(cr, "A", 70, 50); }},
        {"low_beam", [](cairo_t* cr) { Headlamp(cr, false); Rays(cr, 8, 46, 12, 4); }},
        {"low_beam_A", [](cairo_t* cr) { Headlamp(cr, false); Rays(cr, 8, 46, 12, 4); CutLetter(cr, "A", 70, 50); }},
        {"position_hint", [](cairo_t* cr) {
             cairo_arc(cr, 32, 50, 16, M_PI / 2, 1.5 * M_PI); cairo_close_path(cr); cairo_fill(cr);
             cairo_arc(cr, 68, 50, 16, -M_PI / 2, M_PI / 2); cairo_close_path(cr); cairo_fill(cr);
             for (int i = -1; i <= 1; i++) {
                 cairo_move_to(cr, 12, 50 + i * 14); cairo_line_to(cr, 2, 50 + i * 18);
                 cairo_move_to(cr, 88, 50 + i * 14); cairo_line_to(cr, 98, 50 + i * 18);
             }
             Stroke(cr, 5); }},
        {"epb", [](cairo_t* cr) { Ring(cr, 26, true); Letters(cr, "P", 34, 50, 50, Rgb{}); }},
        {"epb_err", [](cairo_t* cr) { Ring(cr, 26, true); Letters(cr, "P", 30, 46, 50, Rgb{}); }},
        {"seatbelt", [](cairo_t* cr) {
             Person(cr, 46, 8, 88);
             cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
             cairo_move_to(cr, 30, 40); cairo_line_to(cr, 64, 88); Stroke(cr, 11);
             cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
             cairo_move_to(cr, 30, 40); cairo_line_to(cr, 64, 88); Stroke(cr, 5); }},
        {"seat", [](cairo_t* cr) { Seat(cr, 20, 10, 80); }},
        {"car_body", [](cairo_t* cr) { MiniCarTop(cr, 28, 8, 44, 84); }},
        /* an open door swung out from the body's side, hinged at its front (top) end */
        {"door_l", [](cairo_t* cr) { cairo_move_to(cr, 92, 8); cairo_line_to(cr, 12, 90); Stroke(cr, 22); }},
        {"door_r", [](cairo_t* cr) { cairo_move_to(cr, 8, 8); cairo_line_to(cr, 88, 90); Stroke(cr, 22); }},
        {"ac_overcost", [](cairo_t* cr) {
             Snow(cr, 38, 50, 28);
             cairo_move_to(cr, 78, 14); cairo_line_to(cr, 62, 52); cairo_line_to(cr, 76, 52);
             cairo_line_to(cr, 66, 88); cairo_line_to(cr, 92, 44); cairo_line_to(cr, 78, 44);
             cairo_line_to(cr, 90, 14); cairo_close_path(cr); cairo_fill(cr); }},
        {"battery_cold", [](cairo_t* cr) { Battery(cr, 8, 26, 62, 52); Snow(cr, 80, 28, 16); }},
        {"acc_hold", [](cairo_t* cr) {
             RoundRect(cr, 6, 28, 88, 44, 10); Stroke(cr, 6);
             Letters(cr, "HOLD", 26, 50, 50, Rgb{}); }},
        {"speed_limit", [](cairo_t* cr) {
             cairo_arc(cr, 50, 50, 46, 0, 2 * M_PI); cairo_set_source_rgb(cr, 0.95, 0.95, 0.95); cairo_fill(cr);
             cairo_arc(cr, 50, 50, 40, 0, 2 * M_PI); SetColor(cr, Pal::Red); Stroke(cr, 10); }},
        {"traffic_camera", [](cairo_t* cr) {
             RoundRect(cr, 14, 34, 52, 32, 6); cairo_fill(cr);
             cairo_move_to(cr, 66, 42); cairo_line_to(cr, 88, 32); cairo_line_to(cr, 88, 68);
             cairo_line_to(cr, 66, 58); cairo_close_path(cr); cairo_fill(cr);
             cairo_move_to(cr, 36, 66); cairo_line_to(cr, 36, 86); cairo_move_to(cr, 22, 86);
             cairo_line_to(cr, 50, 86); Stroke(cr, 6); }},
        {"turn_left", [](cairo_t* cr) { TurnArrow(cr, true); }},
        {"turn_right", [](cairo_t* cr) { TurnArrow(cr, false); }},
        {"12v_bat", [](cairo_t* cr) {
             Battery(cr, 12, 24, 76, 58);
             cairo_move_to(cr, 26, 52); cairo_line_to(cr, 40, 52); cairo_move_to(cr, 33, 45);
             cairo_line_to(cr, 33, 59); cairo_move_to(cr, 60, 52); cairo_line_to(cr, 74, 52); Stroke(cr, 5); }},
        {"abs", [](cairo_t* cr) { Ring(cr, 30, true); Letters(cr, "ABS", 22, 50, 50, Rgb{}); }},
        {"air_bag", [](cairo_t* cr) {
             Person(cr, 34, 14, 80); cairo_arc(cr, 72, 40, 17, 0, 2 * M_PI); cairo_fill(cr); }},
        {"anti_theft", [](cairo_t* cr) {
             MiniCar(cr, 6, 40, 62, 40);
             RoundRect(cr, 68, 34, 26, 22, 4); cairo_fill(cr);
             cairo_arc(cr, 81, 34, 8, M_PI, 2 * M_PI); Stroke(cr, 5); }},
        {"avh", [](cairo_t* cr) { Ring(cr, 30, true); Letters(cr, "A", 34, 50, 50, Rgb{}); }},
        {"back_trunk_err", [](cairo_t* cr) {
             MiniCar(cr, 18, 36, 76, 44);
             cairo_move_to(cr, 18, 50); cairo_line_to(cr, 6, 26); Stroke(cr, 6); }},
        {"battery_err", [](cairo_t* cr) { Battery(cr, 12, 22, 76, 62); Exclam(cr, 50, 50, 16); }},
        {"bat_lack", [](cairo_t* cr) {
             Battery(cr, 12, 22, 76, 62); cairo_rectangle(cr, 22, 60, 14, 16); cairo_fill(cr); }},
        {"battery_lack", [](cairo_t* cr) {
             Battery(cr, 12, 22, 76, 62); cairo_move_to(cr, 36, 54); cairo_line_to(cr, 64, 54); Stroke(cr, 7); }},
        {"battery_off", [](cairo_t* cr) {
             Battery(cr, 12, 22, 76, 62); cairo_move_to(cr, 10, 88); cairo_line_to(cr, 90, 14); Stroke(cr, 7); }},
        {"battery_overheat", [](cairo_t* cr) { Battery(cr, 6, 30, 56, 52); Thermo(cr, 78, 12, 52); }},
        {"eps", [](cairo_t* cr) { Steering(cr); Exclam(cr, 86, 22, 12); }},
        {"esp", [](cairo_t* cr) {
             MiniCar(cr, 14, 10, 72, 44);
             for (int i = 0; i < 2; i++) {
                 double x = 28 + i * 36;
                 cairo_move_to(cr, x, 64);
                 cairo_curve_to(cr, x + 12, 72, x - 12, 80, x, 92);
             }
             Stroke(cr, 6); }},
        {"esp_off", [](cairo_t* cr) {
             MiniCar(cr, 14, 6, 72, 40);
             cairo_move_to(cr, 24, 52); cairo_curve_to(cr, 34, 58, 18, 64, 28, 70); Stroke(cr, 5);
             Letters(cr, "OFF", 22, 62, 78, Rgb{}); }},
        {"hdc", [](cairo_t* cr) {
             cairo_move_to(cr, 6, 40); cairo_line_to(cr, 94, 88); Stroke(cr, 6);
             cairo_save(cr); cairo_translate(cr, 50, 50); cairo_rotate(cr, 0.5); cairo_translate(cr, -50, -50);
             MiniCar(cr, 22, 20, 56, 34); cairo_restore(cr); }},
        {"intelligent_sys_err", [](cairo_t* cr) {
             MiniCarTop(cr, 34, 40, 32, 56);
             for (int i = 0; i < 3; i++) {
                 cairo_arc(cr, 50, 40, 12 + i * 11, -M_PI * 0.78, -M_PI * 0.22);
                 Stroke(cr, 5);
             } }},
        {"motor_err", [](cairo_t* cr) { Motor(cr); Exclam(cr, 47, 50, 10); }},
        {"motor_overheat", [](cairo_t* cr) {
             cairo_save(cr); cairo_scale(cr, 0.8, 0.8); Motor(cr); cairo_restore(cr); Thermo(cr, 84, 40, 36); }},
        {"scrubbing_lack", [](cairo_t* cr) {
             cairo_move_to(cr, 10, 80); cairo_curve_to(cr, 30, 40, 70, 40, 90, 80); Stroke(cr, 6);
             for (int i = 0; i < 4; i++) {
                 cairo_move_to(cr, 50, 86); cairo_line_to(cr, 26 + i * 16, 54);
             }
             cairo_set_dash(cr, (const double[]){5, 5}, 2, 0); Stroke(cr, 4); cairo_set_dash(cr, nullptr, 0, 0);
             cairo_move_to(cr, 24, 18); cairo_curve_to(cr, 34, 28, 44, 12, 54, 22);
             cairo_curve_to(cr, 64, 32, 74, 16, 84, 26); Stroke(cr, 5); }},
        {"tpms", [](cairo_t* cr) {
             cairo_move_to(cr, 20, 22); cairo_curve_to(cr, 4, 44, 8, 70, 22, 80);
             cairo_line_to(cr, 78, 80); cairo_curve_to(cr, 92, 70, 96, 44, 80, 22); Stroke(cr, 7);
             for (int x = 28; x <= 72; x += 11) { cairo_move_to(cr, x, 86); cairo_line_to(cr, x, 92); }
             Stroke(cr, 5); Exclam(cr, 50, 44, 17); }},
        {"power_limit", [](cairo_t* cr) {
             cairo_arc(cr, 46, 56, 28, M_PI, 2 * M_PI); cairo_close_path(cr); cairo_fill(cr);
             cairo_arc(cr, 82, 50, 9, 0, 2 * M_PI); cairo_fill(cr);
             for (double x : {26.0, 62.0}) { cairo_rectangle(cr, x - 5, 56, 10, 16); }
             cairo_fill(cr);
             cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
             cairo_move_to(cr, 28, 44); cairo_line_to(cr, 64, 44); Stroke(cr, 3);
             cairo_set_operator(cr, CAIRO_OPERATOR_OVER); }},
        {"led_ready", [](cairo_t* cr) { Letters(cr, "READY", 26, 50, 50, Rgb{}); }},
        {"fcw", [](cairo_t* cr) {
             MiniCar(cr, 4, 44, 50, 34);
             for (int i = 0; i < 3; i++) { cairo_arc(cr, 54, 60, 14 + i * 12, -0.7, 0.7); Stroke(cr, 5); }
             Exclam(cr, 88, 26, 12); }},
        {"ldw", [](cairo_t* cr) {
             cairo_move_to(cr, 20, 92); cairo_line_to(cr, 34, 8); cairo_move_to(cr, 80, 92);
             cairo_line_to(cr, 66, 8); Stroke(cr, 6);
             MiniCarTop(cr, 38, 40, 24, 44); Exclam(cr, 50, 20, 10); }},
        {"bsd", [](cairo_t* cr) {
             cairo_move_to(cr, 60, 20); cairo_line_to(cr, 90, 24); cairo_line_to(cr, 86, 56);
             cairo_line_to(cr, 58, 50); cairo_close_path(cr); Stroke(cr, 6);
             MiniCarTop(cr, 12, 36, 28, 56); Exclam(cr, 73, 38, 9); }},
        {"rcw", [](cairo_t* cr) {
             MiniCarTop(cr, 34, 6, 32, 54);
             for (int i = 0; i < 3; i++) { cairo_arc(cr, 50, 62, 10 + i * 11, M_PI * 0.22, M_PI * 0.78); Stroke(cr, 5); } }},
        {"lcc", [](cairo_t* cr) {
             cairo_arc(cr, 50, 50, 44, 0, 2 * M_PI); Stroke(cr, 6);
             cairo_move_to(cr, 34, 82); cairo_line_to(cr, 42, 18); cairo_move_to(cr, 66, 82);
             cairo_line_to(cr, 58, 18); Stroke(cr, 6);
             cairo_move_to(cr, 50, 30); cairo_line_to(cr, 50, 70); Stroke(cr, 5); }},
        {"acc", [](cairo_t* cr) {
             cairo_arc(cr, 50, 56, 36, M_PI * 0.85, M_PI * 2.15); Stroke(cr, 6);
             cairo_move_to(cr, 50, 56); cairo_line_to(cr, 72, 32); Stroke(cr, 6);
             MiniCar(cr, 34, 66, 32, 20); }},
    };
    return m;
}
} // namespace

bool Telltale(cairo_t* cr, const std::string& sym, double w, double h, Rgb c)
{
    auto& m = Symbols();
    auto it = m.find(sym);
    if (it == m.end()) return false;
    double s = std::fmin(w, h);
    cairo_save(cr);
    cairo_translate(cr, (w - s) / 2, (h - s) / 2);
    cairo_scale(cr, s / 100.0, s / 100.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    if (sym == "speed_limit") {
        /* the sign keeps its own white disc and red ring */
        it->second(cr);
        cairo_restore(cr);
        return true;
    }
    /* Drawn as a group and painted through as a mask, so that letters and shapes share the lamp
     * colour whatever colour the helpers set. */
    cairo_push_group(cr);
    SetColor(cr, c);
    it->second(cr);
    cairo_pattern_t* grp = cairo_pop_group(cr);
    /* recolour the whole symbol (letters included) in the lamp colour */
    SetColor(cr, c);
    cairo_mask(cr, grp);
    cairo_pattern_destroy(grp);
    cairo_restore(cr);
    return true;
}
