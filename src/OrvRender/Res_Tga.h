/* The picture table of the TGA pictures (uncompressed true colour, bottom row first): one identifier
 * per picture with its file under ./Res/, its default left-top point, its load state and its Image
 * record. For the fixed telltales TGA_led_brake_syserr .. TGA_led_turn_right and for
 * TGA_led_speed_limit_bg and TGA_led_traffic_camera the point is the lamp's centre; the telltale
 * screen turns it into a left-top corner once the lamps are loaded. The four door pieces
 * TGA_led_door_* are the exception: their point is already their left-top corner. */
#ifndef RES_TGA_H
#define RES_TGA_H

#include "BaseTypes.h"

/* Load state of one picture. */
enum {
    Tga_Unload = 0,   /* nothing loaded */
    Tga_Loaded = 1,   /* decoded into memory */
    Tga_TexGen = 2,   /* texture made; ready to draw */
    Tga_LoadFail = 3, /* loading failed; not retried */
};

/* Every TGA picture, by screen family. */
enum {
    /* 0-0: Logo */
    TGA_logo = 0,
    /* 1-20: AI parking */
    TGA_AI_parking_available_leftarea = 1,
    TGA_AI_parking_available_leftslot1 = 2,
    TGA_AI_parking_available_leftslot2 = 3,
    TGA_AI_parking_available_leftslot3 = 4,
    TGA_AI_parking_available_rightarea = 5,
    TGA_AI_parking_available_rightslot1 = 6,
    TGA_AI_parking_available_rightslot2 = 7,
    TGA_AI_parking_available_rightslot3 = 8,
    TGA_AI_parking_unavailable_leftslot1 = 9,
    TGA_AI_parking_unavailable_leftslot2 = 10,
    TGA_AI_parking_unavailable_leftslot3 = 11,
    TGA_AI_parking_unavailable_rightslot1 = 12,
    TGA_AI_parking_unavailable_rightslot2 = 13,
    TGA_AI_parking_unavailable_rightslot3 = 14,
    TGA_AI_parking_used_leftslot1 = 15,
    TGA_AI_parking_used_leftslot2 = 16,
    TGA_AI_parking_used_leftslot3 = 17,
    TGA_AI_parking_used_rigthslot1 = 18,
    TGA_AI_parking_used_rigthslot2 = 19,
    TGA_AI_parking_used_rigthslot3 = 20,
    /* 21-25: Alert dialogs */
    TGA_alert_dialog_background = 21,
    TGA_alert_dialog_cancel = 22,
    TGA_alert_dialog_confirm = 23,
    TGA_alert_dialog_confirm_single = 24,
    TGA_alert_simple_background = 25,
    /* 26-36: Charging range digits */
    TGA_charging_range_digit_0 = 26,
    TGA_charging_range_digit_1 = 27,
    TGA_charging_range_digit_2 = 28,
    TGA_charging_range_digit_3 = 29,
    TGA_charging_range_digit_4 = 30,
    TGA_charging_range_digit_5 = 31,
    TGA_charging_range_digit_6 = 32,
    TGA_charging_range_digit_7 = 33,
    TGA_charging_range_digit_8 = 34,
    TGA_charging_range_digit_9 = 35,
    TGA_charging_range_unit_KM = 36,
    /* 37-39: Cruise gauge */
    TGA_cruise_arrow = 37,
    TGA_cruise_pointer_blue = 38,
    TGA_cruise_scale_disk_blue = 39,
    /* 40-47: Driving-scene lamps */
    TGA_driving_high_beam = 40,
    TGA_driving_low_beam = 41,
    TGA_driving_white_body = 42,
    TGA_driving_white_led_brake = 43,
    TGA_driving_white_led_off = 44,
    TGA_driving_white_led_position = 45,
    TGA_driving_white_led_turn_left = 46,
    TGA_driving_white_led_turn_right = 47,
    /* 48-48: Hint background */
    TGA_hint_background = 48,
    /* 49-52: Gear tips */
    TGA_gear_tip_D = 49,
    TGA_gear_tip_N = 50,
    TGA_gear_tip_P = 51,
    TGA_gear_tip_R = 52,
    /* 53-55: Adaptive cruise lamps */
    TGA_led_acc_blue = 53,
    TGA_led_acc_blue_pointer = 54,
    TGA_led_acc_white_arrow = 55,
    /* 56-85: Telltales with a fixed place */
    TGA_led_brake_syserr = 56,
    TGA_led_main_alert = 57,
    TGA_led_charge_conn = 58,
    TGA_led_rear_fog = 59,
    TGA_led_high_beam = 60,
    TGA_led_high_beam_A = 61,
    TGA_led_low_beam = 62,
    TGA_led_low_beam_A = 63,
    TGA_led_position_hint = 64,
    TGA_led_epb = 65,
    TGA_led_seatbelt_d = 66,
    TGA_led_seatbelt_p = 67,
    TGA_led_car_body = 68,
    TGA_led_door_lb = 69,
    TGA_led_door_lf = 70,
    TGA_led_door_rb = 71,
    TGA_led_door_rf = 72,
    TGA_led_seatbelt_bl = 73,
    TGA_led_seatbelt_bl_gray = 74,
    TGA_led_seatbelt_bm = 75,
    TGA_led_seatbelt_bm_gray = 76,
    TGA_led_seatbelt_br = 77,
    TGA_led_seatbelt_br_gray = 78,
    TGA_led_ac_overcost = 79,
    TGA_led_acc_hold = 80,
    TGA_led_battery_cold = 81,
    TGA_led_speed_limit_bg = 82,
    TGA_led_traffic_camera = 83,
    TGA_led_turn_left = 84,
    TGA_led_turn_right = 85,
    /* 86-109: Telltales of the dynamic area */
    TGA_led_12v_bat = 86,
    TGA_led_abs = 87,
    TGA_led_air_bag = 88,
    TGA_led_anti_theft = 89,
    TGA_led_avh_green = 90,
    TGA_led_avh_yellow = 91,
    TGA_led_back_trunk_err = 92,
    TGA_led_battery_err = 93,
    TGA_led_bat_lack = 94,
    TGA_led_battery_lack = 95,
    TGA_led_battery_off = 96,
    TGA_led_battery_overheat = 97,
    TGA_led_epb_err = 98,
    TGA_led_eps = 99,
    TGA_led_esp = 100,
    TGA_led_esp_off = 101,
    TGA_led_hdc_green = 102,
    TGA_led_hdc_yellow = 103,
    TGA_led_intelligent_sys_err = 104,
    TGA_led_motor_err = 105,
    TGA_led_motor_overheat = 106,
    TGA_led_scrubbing_lack = 107,
    TGA_led_tpms = 108,
    TGA_led_power_limit = 109,
    /* 110-131: Second-level menus and menu icons */
    TGA_menu_2nd_bg = 110,
    TGA_menu_2nd_icon_brightness = 111,
    TGA_menu_2nd_icon_fan = 112,
    TGA_menu_2nd_icon_temp_bg = 113,
    TGA_menu_2nd_icon_temp_progress = 114,
    TGA_menu_2nd_icon_windymode_down = 115,
    TGA_menu_2nd_icon_windymode_side = 116,
    TGA_menu_2nd_icon_windymode_up = 117,
    TGA_menu_2nd_value_set_cursor = 118,
    TGA_menu_2nd_value_set_progress = 119,
    TGA_menu_2nd_value_set_progress_bg = 120,
    TGA_menu_icon_brightness = 121,
    TGA_menu_icon_camera = 122,
    TGA_menu_icon_fan = 123,
    TGA_menu_icon_media = 124,
    TGA_menu_icon_thermometer = 125,
    TGA_menu_icon_version = 126,
    TGA_menu_icon_windymode = 127,
    TGA_menu_2nd_icon_music_blt = 128,
    TGA_menu_2nd_icon_music_local = 129,
    TGA_menu_2nd_icon_radio_local = 130,
    TGA_menu_2nd_icon_radio_tbook = 131,
    /* 132-145: Left-hand menu */
    TGA_menu_left_acc_1 = 132,
    TGA_menu_left_acc_2 = 133,
    TGA_menu_left_acc_3 = 134,
    TGA_menu_left_acc_4 = 135,
    TGA_menu_left_acc_5 = 136,
    TGA_menu_left_bg = 137,
    TGA_menu_left_icon_voice = 138,
    TGA_menu_left_progress_bar = 139,
    TGA_menu_left_progress_cursor = 140,
    TGA_menu_left_shadow = 141,
    TGA_menu_left_txt_acc = 142,
    TGA_menu_left_txt_voice_ai = 143,
    TGA_menu_left_txt_voice_media = 144,
    TGA_menu_left_txt_voice_phone = 145,
    /* 146-154: Module list titles */
    TGA_module_L0_text_energy = 146,
    TGA_module_L0_text_media = 147,
    TGA_module_L0_text_navigation = 148,
    TGA_module_L0_text_null = 149,
    TGA_module_L0_text_status = 150,
    TGA_module_L0_text_telephone = 151,
    TGA_module_L0_text_trip = 152,
    TGA_module_L0_text_weather = 153,
    TGA_module_L0_text_clock = 154,
    /* 155-175: Navigation module */
    TGA_nav_icon_nav_disable = 155,
    TGA_nav_icon_destination = 156,
    TGA_nav_icon_enter_roundabout = 157,
    TGA_nav_icon_enter_toll_station = 158,
    TGA_nav_icon_enter_tunnel = 159,
    TGA_nav_icon_exit_roundabout = 160,
    TGA_nav_icon_go_straight = 161,
    TGA_nav_icon_left_back = 162,
    TGA_nav_icon_left_front = 163,
    TGA_nav_icon_right_back = 164,
    TGA_nav_icon_right_front = 165,
    TGA_nav_icon_turn_left = 166,
    TGA_nav_icon_turn_right = 167,
    TGA_nav_icon_turn_round = 168,
    TGA_nav_tips_arrive_destination = 169,
    TGA_nav_tips_cost_left = 170,
    TGA_nav_tips_next_enter = 171,
    TGA_nav_unit_next_distance_km = 172,
    TGA_nav_unit_next_distance_m = 173,
    TGA_nav_module_shadow = 174,
    TGA_nav_tips_disable = 175,
    /* 176-177: Traffic lines */
    TGA_traffic_line_dotted = 176,
    TGA_traffic_line_solid = 177,
    /* 178-192: Basic page */
    TGA_ui3_basic_battery_bg = 178,
    TGA_ui3_basic_battery_full_green = 179,
    TGA_ui3_basic_battery_full_red = 180,
    TGA_ui3_basic_battery_full_yellow = 181,
    TGA_ui3_basic_battery_high_light = 182,
    TGA_ui3_basic_bg_bottom = 183,
    TGA_ui3_basic_temperature_icon = 184,
    TGA_ui3_basic_mute_icon = 185,
    TGA_ui3_basic_bg_bottom_night = 186,
    TGA_ui3_gear_D = 187,
    TGA_ui3_gear_N = 188,
    TGA_ui3_gear_PRND_gray = 189,
    TGA_ui3_gear_P = 190,
    TGA_ui3_gear_R = 191,
    TGA_ui3_led_ready = 192,
    TGA_NUM = 193
};

/* The file of each picture. */
extern const char* const tgaFilePath[TGA_NUM];
/* Default left-top point of each picture (the centre for the fixed telltales, see above). */
extern const Vec2i tgaLtp[TGA_NUM];
/* Load state of each picture (Tga_*). */
extern UInt08 tgaStatus[TGA_NUM];
/* The records: place, size, pixels while decoded, texture. */
extern Image tgaImg[TGA_NUM];

#endif
