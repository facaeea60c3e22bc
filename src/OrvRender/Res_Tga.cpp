/* The TGA picture table: files and default places. */
#include "OrvRender/Res_Tga.h"

const char* const tgaFilePath[TGA_NUM] = {
    "./Res/image/logo.tga", /* TGA_logo */
    "./Res/image/AI_parking_available_leftarea.tga", /* TGA_AI_parking_available_leftarea */
    "./Res/image/AI_parking_available_leftslot1.tga", /* TGA_AI_parking_available_leftslot1 */
    "./Res/image/AI_parking_available_leftslot2.tga", /* TGA_AI_parking_available_leftslot2 */
    "./Res/image/AI_parking_available_leftslot3.tga", /* TGA_AI_parking_available_leftslot3 */
    "./Res/image/AI_parking_available_rightarea.tga", /* TGA_AI_parking_available_rightarea */
    "./Res/image/AI_parking_available_rightslot1.tga", /* TGA_AI_parking_available_rightslot1 */
    "./Res/image/AI_parking_available_rightslot2.tga", /* TGA_AI_parking_available_rightslot2 */
    "./Res/image/AI_parking_available_rightslot3.tga", /* TGA_AI_parking_available_rightslot3 */
    "./Res/image/AI_parking_unavailable_leftslot1.tga", /* TGA_AI_parking_unavailable_leftslot1 */
    "./Res/image/AI_parking_unavailable_leftslot2.tga", /* TGA_AI_parking_unavailable_leftslot2 */
    "./Res/image/AI_parking_unavailable_leftslot3.tga", /* TGA_AI_parking_unavailable_leftslot3 */
    "./Res/image/AI_parking_unavailable_rightslot1.tga", /* TGA_AI_parking_unavailable_rightslot1 */
    "./Res/image/AI_parking_unavailable_rightslot2.tga", /* TGA_AI_parking_unavailable_rightslot2 */
    "./Res/image/AI_parking_unavailable_rightslot3.tga", /* TGA_AI_parking_unavailable_rightslot3 */
    "./Res/image/AI_parking_used_leftslot1.tga", /* TGA_AI_parking_used_leftslot1 */
    "./Res/image/AI_parking_used_leftslot2.tga", /* TGA_AI_parking_used_leftslot2 */
    "./Res/image/AI_parking_used_leftslot3.tga", /* TGA_AI_parking_used_leftslot3 */
    "./Res/image/AI_parking_used_rigthslot1.tga", /* TGA_AI_parking_used_rigthslot1 */
    "./Res/image/AI_parking_used_rigthslot2.tga", /* TGA_AI_parking_used_rigthslot2 */
    "./Res/image/AI_parking_used_rigthslot3.tga", /* TGA_AI_parking_used_rigthslot3 */
    "./Res/image/alert_dialog_background.tga", /* TGA_alert_dialog_background */
    "./Res/image/alert_dialog_cancel.tga", /* TGA_alert_dialog_cancel */
    "./Res/image/alert_dialog_confirm.tga", /* TGA_alert_dialog_confirm */
    "./Res/image/alert_dialog_confirm_single.tga", /* TGA_alert_dialog_confirm_single */
    "./Res/image/alert_simple_background.tga", /* TGA_alert_simple_background */
    "./Res/image/charging_range_digit_0.tga", /* TGA_charging_range_digit_0 */
    "./Res/image/charging_range_digit_1.tga", /* TGA_charging_range_digit_1 */
    "./Res/image/charging_range_digit_2.tga", /* TGA_charging_range_digit_2 */
    "./Res/image/charging_range_digit_3.tga", /* TGA_charging_range_digit_3 */
    "./Res/image/charging_range_digit_4.tga", /* TGA_charging_range_digit_4 */
    "./Res/image/charging_range_digit_5.tga", /* TGA_charging_range_digit_5 */
    "./Res/image/charging_range_digit_6.tga", /* TGA_charging_range_digit_6 */
    "./Res/image/charging_range_digit_7.tga", /* TGA_charging_range_digit_7 */
    "./Res/image/charging_range_digit_8.tga", /* TGA_charging_range_digit_8 */
    "./Res/image/charging_range_digit_9.tga", /* TGA_charging_range_digit_9 */
    "./Res/image/charging_range_unit_KM.tga", /* TGA_charging_range_unit_KM */
    "./Res/image/cruise_arrow.tga", /* TGA_cruise_arrow */
    "./Res/image/cruise_pointer_blue.tga", /* TGA_cruise_pointer_blue */
    "./Res/image/cruise_scale_disk_blue.tga", /* TGA_cruise_scale_disk_blue */
    "./Res/image/driving_high_beam.tga", /* TGA_driving_high_beam */
    "./Res/image/driving_low_beam.tga", /* TGA_driving_low_beam */
    "./Res/image/driving_white_body.tga", /* TGA_driving_white_body */
    "./Res/image/driving_white_led_brake.tga", /* TGA_driving_white_led_brake */
    "./Res/image/driving_white_led_off.tga", /* TGA_driving_white_led_off */
    "./Res/image/driving_white_led_position.tga", /* TGA_driving_white_led_position */
    "./Res/image/driving_white_led_turn_left.tga", /* TGA_driving_white_led_turn_left */
    "./Res/image/driving_white_led_turn_right.tga", /* TGA_driving_white_led_turn_right */
    "./Res/image/hint_background.tga", /* TGA_hint_background */
    "./Res/image/gear_tip_d.tga", /* TGA_gear_tip_D */
    "./Res/image/gear_tip_n.tga", /* TGA_gear_tip_N */
    "./Res/image/gear_tip_p.tga", /* TGA_gear_tip_P */
    "./Res/image/gear_tip_r.tga", /* TGA_gear_tip_R */
    "./Res/image/led_acc_blue.tga", /* TGA_led_acc_blue */
    "./Res/image/led_acc_blue_pointer.tga", /* TGA_led_acc_blue_pointer */
    "./Res/image/led_acc_white_arrow.tga", /* TGA_led_acc_white_arrow */
    "./Res/image/led_brake_syserr.tga", /* TGA_led_brake_syserr */
    "./Res/image/led_main_alert.tga", /* TGA_led_main_alert */
    "./Res/image/led_charge_conn.tga", /* TGA_led_charge_conn */
    "./Res/image/led_rear_fog.tga", /* TGA_led_rear_fog */
    "./Res/image/led_high_beam.tga", /* TGA_led_high_beam */
    "./Res/image/led_high_beam_A.tga", /* TGA_led_high_beam_A */
    "./Res/image/led_low_beam.tga", /* TGA_led_low_beam */
    "./Res/image/led_low_beam_A.tga", /* TGA_led_low_beam_A */
    "./Res/image/led_position_hint.tga", /* TGA_led_position_hint */
    "./Res/image/led_epb.tga", /* TGA_led_epb */
    "./Res/image/led_seatbelt_d.tga", /* TGA_led_seatbelt_d */
    "./Res/image/led_seatbelt_p.tga", /* TGA_led_seatbelt_p */
    "./Res/image/led_car_body.tga", /* TGA_led_car_body */
    "./Res/image/led_door_lb.tga", /* TGA_led_door_lb */
    "./Res/image/led_door_lf.tga", /* TGA_led_door_lf */
    "./Res/image/led_door_rb.tga", /* TGA_led_door_rb */
    "./Res/image/led_door_rf.tga", /* TGA_led_door_rf */
    "./Res/image/led_seatbelt_bl.tga", /* TGA_led_seatbelt_bl */
    "./Res/image/led_seatbelt_bl_gray.tga", /* TGA_led_seatbelt_bl_gray */
    "./Res/image/led_seatbelt_bm.tga", /* TGA_led_seatbelt_bm */
    "./Res/image/led_seatbelt_bm_gray.tga", /* TGA_led_seatbelt_bm_gray */
    "./Res/image/led_seatbelt_br.tga", /* TGA_led_seatbelt_br */
    "./Res/image/led_seatbelt_br_gray.tga", /* TGA_led_seatbelt_br_gray */
    "./Res/image/led_ac_overcost.tga", /* TGA_led_ac_overcost */
    "./Res/image/led_acc_hold.tga", /* TGA_led_acc_hold */
    "./Res/image/led_battery_cold.tga", /* TGA_led_battery_cold */
    "./Res/image/led_speed_limit_bg.tga", /* TGA_led_speed_limit_bg */
    "./Res/image/led_traffic_camera.tga", /* TGA_led_traffic_camera */
    "./Res/image/led_turn_left.tga", /* TGA_led_turn_left */
    "./Res/image/led_turn_right.tga", /* TGA_led_turn_right */
    "./Res/image/led_12v_bat.tga", /* TGA_led_12v_bat */
    "./Res/image/led_abs.tga", /* TGA_led_abs */
    "./Res/image/led_air_bag.tga", /* TGA_led_air_bag */
    "./Res/image/led_anti_theft.tga", /* TGA_led_anti_theft */
    "./Res/image/led_avh_green.tga", /* TGA_led_avh_green */
    "./Res/image/led_avh_yellow.tga", /* TGA_led_avh_yellow */
    "./Res/image/led_back_trunk_err.tga", /* TGA_led_back_trunk_err */
    "./Res/image/led_battery_err.tga", /* TGA_led_battery_err */
    "./Res/image/led_bat_lack.tga", /* TGA_led_bat_lack */
    "./Res/image/led_battery_lack.tga", /* TGA_led_battery_lack */
    "./Res/image/led_battery_off.tga", /* TGA_led_battery_off */
    "./Res/image/led_battery_overheat.tga", /* TGA_led_battery_overheat */
    "./Res/image/led_epb_err.tga", /* TGA_led_epb_err */
    "./Res/image/led_eps.tga", /* TGA_led_eps */
    "./Res/image/led_esp.tga", /* TGA_led_esp */
    "./Res/image/led_esp_off.tga", /* TGA_led_esp_off */
    "./Res/image/led_hdc_green.tga", /* TGA_led_hdc_green */
    "./Res/image/led_hdc_yellow.tga", /* TGA_led_hdc_yellow */
    "./Res/image/led_intelligent_sys_err.tga", /* TGA_led_intelligent_sys_err */
    "./Res/image/led_motor_err.tga", /* TGA_led_motor_err */
    "./Res/image/led_motor_overheat.tga", /* TGA_led_motor_overheat */
    "./Res/image/led_scrubbing_lack.tga", /* TGA_led_scrubbing_lack */
    "./Res/image/led_tpms.tga", /* TGA_led_tpms */
    "./Res/image/led_power_limit.tga", /* TGA_led_power_limit */
    "./Res/image/menu_2nd_bg.tga", /* TGA_menu_2nd_bg */
    "./Res/image/menu_2nd_icon_brightness.tga", /* TGA_menu_2nd_icon_brightness */
    "./Res/image/menu_2nd_icon_fan.tga", /* TGA_menu_2nd_icon_fan */
    "./Res/image/menu_2nd_icon_temp_bg.tga", /* TGA_menu_2nd_icon_temp_bg */
    "./Res/image/menu_2nd_icon_temp_progress.tga", /* TGA_menu_2nd_icon_temp_progress */
    "./Res/image/menu_2nd_icon_windymode_down.tga", /* TGA_menu_2nd_icon_windymode_down */
    "./Res/image/menu_2nd_icon_windymode_side.tga", /* TGA_menu_2nd_icon_windymode_side */
    "./Res/image/menu_2nd_icon_windymode_up.tga", /* TGA_menu_2nd_icon_windymode_up */
    "./Res/image/menu_2nd_value_set_cursor.tga", /* TGA_menu_2nd_value_set_cursor */
    "./Res/image/menu_2nd_value_set_progress.tga", /* TGA_menu_2nd_value_set_progress */
    "./Res/image/menu_2nd_value_set_progress_bg.tga", /* TGA_menu_2nd_value_set_progress_bg */
    "./Res/image/menu_icon_brightness.tga", /* TGA_menu_icon_brightness */
    "./Res/image/menu_icon_camera.tga", /* TGA_menu_icon_camera */
    "./Res/image/menu_icon_fan.tga", /* TGA_menu_icon_fan */
    "./Res/image/menu_icon_media.tga", /* TGA_menu_icon_media */
    "./Res/image/menu_icon_thermometer.tga", /* TGA_menu_icon_thermometer */
    "./Res/image/menu_icon_version.tga", /* TGA_menu_icon_version */
    "./Res/image/menu_icon_windymode.tga", /* TGA_menu_icon_windymode */
    "./Res/image/menu_2nd_icon_music_blt.tga", /* TGA_menu_2nd_icon_music_blt */
    "./Res/image/menu_2nd_icon_music_local.tga", /* TGA_menu_2nd_icon_music_local */
    "./Res/image/menu_2nd_icon_radio_local.tga", /* TGA_menu_2nd_icon_radio_local */
    "./Res/image/menu_2nd_icon_radio_tbook.tga", /* TGA_menu_2nd_icon_radio_tbook */
    "./Res/image/menu_left_acc_1.tga", /* TGA_menu_left_acc_1 */
    "./Res/image/menu_left_acc_2.tga", /* TGA_menu_left_acc_2 */
    "./Res/image/menu_left_acc_3.tga", /* TGA_menu_left_acc_3 */
    "./Res/image/menu_left_acc_4.tga", /* TGA_menu_left_acc_4 */
    "./Res/image/menu_left_acc_5.tga", /* TGA_menu_left_acc_5 */
    "./Res/image/menu_left_bg.tga", /* TGA_menu_left_bg */
    "./Res/image/menu_left_icon_voice.tga", /* TGA_menu_left_icon_voice */
    "./Res/image/menu_left_progress_bar.tga", /* TGA_menu_left_progress_bar */
    "./Res/image/menu_left_progress_cursor.tga", /* TGA_menu_left_progress_cursor */
    "./Res/image/menu_left_shadow.tga", /* TGA_menu_left_shadow */
    "./Res/image/menu_left_txt_acc.tga", /* TGA_menu_left_txt_acc */
    "./Res/image/menu_left_txt_voice_ai.tga", /* TGA_menu_left_txt_voice_ai */
    "./Res/image/menu_left_txt_voice_media.tga", /* TGA_menu_left_txt_voice_media */
    "./Res/image/menu_left_txt_voice_phone.tga", /* TGA_menu_left_txt_voice_phone */
    "./Res/image/module_L0_text_energy.tga", /* TGA_module_L0_text_energy */
    "./Res/image/module_L0_text_media.tga", /* TGA_module_L0_text_media */
    "./Res/image/module_L0_text_navigation.tga", /* TGA_module_L0_text_navigation */
    "./Res/image/module_L0_text_null.tga", /* TGA_module_L0_text_null */
    "./Res/image/module_L0_text_status.tga", /* TGA_module_L0_text_status */
    "./Res/image/module_L0_text_telephone.tga", /* TGA_module_L0_text_telephone */
    "./Res/image/module_L0_text_trip.tga", /* TGA_module_L0_text_trip */
    "./Res/image/module_L0_text_weather.tga", /* TGA_module_L0_text_weather */
    "./Res/image/module_L0_text_clock.tga", /* TGA_module_L0_text_clock */
    "./Res/image/nav_icon_nav_disable.tga", /* TGA_nav_icon_nav_disable */
    "./Res/image/nav_icon_destination.tga", /* TGA_nav_icon_destination */
    "./Res/image/nav_icon_enter_roundabout.tga", /* TGA_nav_icon_enter_roundabout */
    "./Res/image/nav_icon_enter_toll_station.tga", /* TGA_nav_icon_enter_toll_station */
    "./Res/image/nav_icon_enter_tunnel.tga", /* TGA_nav_icon_enter_tunnel */
    "./Res/image/nav_icon_exit_roundabout.tga", /* TGA_nav_icon_exit_roundabout */
    "./Res/image/nav_icon_go_straight.tga", /* TGA_nav_icon_go_straight */
    "./Res/image/nav_icon_left_back.tga", /* TGA_nav_icon_left_back */
    "./Res/image/nav_icon_left_front.tga", /* TGA_nav_icon_left_front */
    "./Res/image/nav_icon_right_back.tga", /* TGA_nav_icon_right_back */
    "./Res/image/nav_icon_right_front.tga", /* TGA_nav_icon_right_front */
    "./Res/image/nav_icon_turn_left.tga", /* TGA_nav_icon_turn_left */
    "./Res/image/nav_icon_turn_right.tga", /* TGA_nav_icon_turn_right */
    "./Res/image/nav_icon_turn_round.tga", /* TGA_nav_icon_turn_round */
    "./Res/image/nav_tips_arrive_destination.tga", /* TGA_nav_tips_arrive_destination */
    "./Res/image/nav_tips_cost_left.tga", /* TGA_nav_tips_cost_left */
    "./Res/image/nav_tips_next_enter.tga", /* TGA_nav_tips_next_enter */
    "./Res/image/nav_unit_next_distance_km.tga", /* TGA_nav_unit_next_distance_km */
    "./Res/image/nav_unit_next_distance_m.tga", /* TGA_nav_unit_next_distance_m */
    "./Res/image/nav_module_shadow.tga", /* TGA_nav_module_shadow */
    "./Res/image/nav_tips_disable.tga", /* TGA_nav_tips_disable */
    "./Res/image/traffic_line_dotted.tga", /* TGA_traffic_line_dotted */
    "./Res/image/traffic_line_solid.tga", /* TGA_traffic_line_solid */
    "./Res/image/ui3_basic_battery_bg.tga", /* TGA_ui3_basic_battery_bg */
    "./Res/image/ui3_basic_battery_full_green.tga", /* TGA_ui3_basic_battery_full_green */
    "./Res/image/ui3_basic_battery_full_red.tga", /* TGA_ui3_basic_battery_full_red */
    "./Res/image/ui3_basic_battery_full_yellow.tga", /* TGA_ui3_basic_battery_full_yellow */
    "./Res/image/ui3_basic_battery_high_light.tga", /* TGA_ui3_basic_battery_high_light */
    "./Res/image/ui3_basic_bg_bottom.tga", /* TGA_ui3_basic_bg_bottom */
    "./Res/image/ui3_basic_temperature_icon.tga", /* TGA_ui3_basic_temperature_icon */
    "./Res/image/ui3_basic_mute_icon.tga", /* TGA_ui3_basic_mute_icon */
    "./Res/image/ui3_basic_bg_bottom_night.tga", /* TGA_ui3_basic_bg_bottom_night */
    "./Res/image/ui3_gear_D_gray.tga", /* TGA_ui3_gear_D */
    "./Res/image/ui3_gear_N_gray.tga", /* TGA_ui3_gear_N */
    "./Res/image/ui3_gear_PRND_gray.tga", /* TGA_ui3_gear_PRND_gray */
    "./Res/image/ui3_gear_P_gray.tga", /* TGA_ui3_gear_P */
    "./Res/image/ui3_gear_R_gray.tga", /* TGA_ui3_gear_R */
    "./Res/image/ui3_led_ready.tga", /* TGA_ui3_led_ready */
};

const Vec2i tgaLtp[TGA_NUM] = {
    {531, 312}, /* TGA_logo */
    {630, 397}, /* TGA_AI_parking_available_leftarea */
    {773, 401}, /* TGA_AI_parking_available_leftslot1 */
    {740, 474}, /* TGA_AI_parking_available_leftslot2 */
    {704, 548}, /* TGA_AI_parking_available_leftslot3 */
    {1040, 397}, /* TGA_AI_parking_available_rightarea */
    {1057, 401}, /* TGA_AI_parking_available_rightslot1 */
    {1085, 474}, /* TGA_AI_parking_available_rightslot2 */
    {1113, 548}, /* TGA_AI_parking_available_rightslot3 */
    {773, 401}, /* TGA_AI_parking_unavailable_leftslot1 */
    {738, 474}, /* TGA_AI_parking_unavailable_leftslot2 */
    {704, 548}, /* TGA_AI_parking_unavailable_leftslot3 */
    {1057, 401}, /* TGA_AI_parking_unavailable_rightslot1 */
    {1084, 474}, /* TGA_AI_parking_unavailable_rightslot2 */
    {1113, 548}, /* TGA_AI_parking_unavailable_rightslot3 */
    {773, 401}, /* TGA_AI_parking_used_leftslot1 */
    {738, 474}, /* TGA_AI_parking_used_leftslot2 */
    {704, 548}, /* TGA_AI_parking_used_leftslot3 */
    {1057, 401}, /* TGA_AI_parking_used_rigthslot1 */
    {1082, 474}, /* TGA_AI_parking_used_rigthslot2 */
    {1113, 548}, /* TGA_AI_parking_used_rigthslot3 */
    {715, 448}, /* TGA_alert_dialog_background */
    {740, 546}, /* TGA_alert_dialog_cancel */
    {965, 546}, /* TGA_alert_dialog_confirm */
    {840, 546}, /* TGA_alert_dialog_confirm_single */
    {715, 518}, /* TGA_alert_simple_background */
    {0, 0}, /* TGA_charging_range_digit_0 */
    {0, 0}, /* TGA_charging_range_digit_1 */
    {0, 0}, /* TGA_charging_range_digit_2 */
    {0, 0}, /* TGA_charging_range_digit_3 */
    {0, 0}, /* TGA_charging_range_digit_4 */
    {0, 0}, /* TGA_charging_range_digit_5 */
    {0, 0}, /* TGA_charging_range_digit_6 */
    {0, 0}, /* TGA_charging_range_digit_7 */
    {0, 0}, /* TGA_charging_range_digit_8 */
    {0, 0}, /* TGA_charging_range_digit_9 */
    {1069, 404}, /* TGA_charging_range_unit_KM */
    {780, 140}, /* TGA_cruise_arrow */
    {800, 139}, /* TGA_cruise_pointer_blue */
    {795, 120}, /* TGA_cruise_scale_disk_blue */
    {850, 430}, /* TGA_driving_high_beam */
    {850, 430}, /* TGA_driving_low_beam */
    {886, 500}, /* TGA_driving_white_body */
    {901, 551}, /* TGA_driving_white_led_brake */
    {908, 562}, /* TGA_driving_white_led_off */
    {908, 562}, /* TGA_driving_white_led_position */
    {910, 577}, /* TGA_driving_white_led_turn_left */
    {980, 578}, /* TGA_driving_white_led_turn_right */
    {715, 270}, /* TGA_hint_background */
    {493, 600}, /* TGA_gear_tip_D */
    {493, 600}, /* TGA_gear_tip_N */
    {493, 600}, /* TGA_gear_tip_P */
    {493, 600}, /* TGA_gear_tip_R */
    {792, 117}, /* TGA_led_acc_blue */
    {800, 139}, /* TGA_led_acc_blue_pointer */
    {780, 140}, /* TGA_led_acc_white_arrow */
    {1665, 47}, /* TGA_led_brake_syserr */
    {1593, 47}, /* TGA_led_main_alert */
    {1521, 47}, /* TGA_led_charge_conn */
    {1449, 47}, /* TGA_led_rear_fog */
    {1377, 47}, /* TGA_led_high_beam */
    {1377, 47}, /* TGA_led_high_beam_A */
    {1377, 47}, /* TGA_led_low_beam */
    {1377, 47}, /* TGA_led_low_beam_A */
    {1305, 47}, /* TGA_led_position_hint */
    {1233, 47}, /* TGA_led_epb */
    {758, 47}, /* TGA_led_seatbelt_d */
    {1161, 47}, /* TGA_led_seatbelt_p */
    {686, 47}, /* TGA_led_car_body */
    {671, 49}, /* TGA_led_door_lb */
    {671, 40}, /* TGA_led_door_lf */
    {694, 50}, /* TGA_led_door_rb */
    {694, 41}, /* TGA_led_door_rf */
    {470, 47}, /* TGA_led_seatbelt_bl */
    {470, 47}, /* TGA_led_seatbelt_bl_gray */
    {542, 46}, /* TGA_led_seatbelt_bm */
    {542, 46}, /* TGA_led_seatbelt_bm_gray */
    {614, 47}, /* TGA_led_seatbelt_br */
    {614, 47}, /* TGA_led_seatbelt_br_gray */
    {752, 662}, /* TGA_led_ac_overcost */
    {959, 232}, /* TGA_led_acc_hold */
    {753, 662}, /* TGA_led_battery_cold */
    {850, 318}, /* TGA_led_speed_limit_bg */
    {1040, 318}, /* TGA_led_traffic_camera */
    {732, 202}, /* TGA_led_turn_left */
    {1188, 202}, /* TGA_led_turn_right */
    {0, 0}, /* TGA_led_12v_bat */
    {0, 0}, /* TGA_led_abs */
    {0, 0}, /* TGA_led_air_bag */
    {0, 0}, /* TGA_led_anti_theft */
    {0, 0}, /* TGA_led_avh_green */
    {0, 0}, /* TGA_led_avh_yellow */
    {0, 0}, /* TGA_led_back_trunk_err */
    {0, 0}, /* TGA_led_battery_err */
    {0, 0}, /* TGA_led_bat_lack */
    {0, 0}, /* TGA_led_battery_lack */
    {0, 0}, /* TGA_led_battery_off */
    {0, 0}, /* TGA_led_battery_overheat */
    {0, 0}, /* TGA_led_epb_err */
    {0, 0}, /* TGA_led_eps */
    {0, 0}, /* TGA_led_esp */
    {0, 0}, /* TGA_led_esp_off */
    {0, 0}, /* TGA_led_hdc_green */
    {0, 0}, /* TGA_led_hdc_yellow */
    {0, 0}, /* TGA_led_intelligent_sys_err */
    {0, 0}, /* TGA_led_motor_err */
    {0, 0}, /* TGA_led_motor_overheat */
    {0, 0}, /* TGA_led_scrubbing_lack */
    {0, 0}, /* TGA_led_tpms */
    {0, 0}, /* TGA_led_power_limit */
    {1250, 150}, /* TGA_menu_2nd_bg */
    {1384, 172}, /* TGA_menu_2nd_icon_brightness */
    {1384, 172}, /* TGA_menu_2nd_icon_fan */
    {1384, 172}, /* TGA_menu_2nd_icon_temp_bg */
    {1384, 172}, /* TGA_menu_2nd_icon_temp_progress */
    {1384, 172}, /* TGA_menu_2nd_icon_windymode_down */
    {1384, 172}, /* TGA_menu_2nd_icon_windymode_side */
    {1384, 172}, /* TGA_menu_2nd_icon_windymode_up */
    {1688, 190}, /* TGA_menu_2nd_value_set_cursor */
    {1700, 190}, /* TGA_menu_2nd_value_set_progress */
    {1700, 190}, /* TGA_menu_2nd_value_set_progress_bg */
    {1384, 172}, /* TGA_menu_icon_brightness */
    {1384, 172}, /* TGA_menu_icon_camera */
    {1384, 172}, /* TGA_menu_icon_fan */
    {1384, 172}, /* TGA_menu_icon_media */
    {1384, 172}, /* TGA_menu_icon_thermometer */
    {1384, 172}, /* TGA_menu_icon_version */
    {1384, 172}, /* TGA_menu_icon_windymode */
    {1384, 172}, /* TGA_menu_2nd_icon_music_blt */
    {1384, 172}, /* TGA_menu_2nd_icon_music_local */
    {1384, 172}, /* TGA_menu_2nd_icon_radio_local */
    {1384, 172}, /* TGA_menu_2nd_icon_radio_tbook */
    {260, 495}, /* TGA_menu_left_acc_1 */
    {260, 495}, /* TGA_menu_left_acc_2 */
    {260, 495}, /* TGA_menu_left_acc_3 */
    {260, 495}, /* TGA_menu_left_acc_4 */
    {260, 495}, /* TGA_menu_left_acc_5 */
    {110, 150}, /* TGA_menu_left_bg */
    {160, 300}, /* TGA_menu_left_icon_voice */
    {560, 200}, /* TGA_menu_left_progress_bar */
    {548, 200}, /* TGA_menu_left_progress_cursor */
    {130, 540}, /* TGA_menu_left_shadow */
    {290, 440}, /* TGA_menu_left_txt_acc */
    {290, 440}, /* TGA_menu_left_txt_voice_ai */
    {290, 440}, /* TGA_menu_left_txt_voice_media */
    {290, 440}, /* TGA_menu_left_txt_voice_phone */
    {408, 302}, /* TGA_module_L0_text_energy */
    {408, 302}, /* TGA_module_L0_text_media */
    {408, 302}, /* TGA_module_L0_text_navigation */
    {408, 302}, /* TGA_module_L0_text_null */
    {408, 302}, /* TGA_module_L0_text_status */
    {408, 302}, /* TGA_module_L0_text_telephone */
    {408, 302}, /* TGA_module_L0_text_trip */
    {408, 302}, /* TGA_module_L0_text_weather */
    {408, 302}, /* TGA_module_L0_text_clock */
    {166, 263}, /* TGA_nav_icon_nav_disable */
    {166, 263}, /* TGA_nav_icon_destination */
    {166, 263}, /* TGA_nav_icon_enter_roundabout */
    {166, 263}, /* TGA_nav_icon_enter_toll_station */
    {166, 263}, /* TGA_nav_icon_enter_tunnel */
    {166, 263}, /* TGA_nav_icon_exit_roundabout */
    {166, 263}, /* TGA_nav_icon_go_straight */
    {166, 263}, /* TGA_nav_icon_left_back */
    {166, 263}, /* TGA_nav_icon_left_front */
    {166, 263}, /* TGA_nav_icon_right_back */
    {166, 263}, /* TGA_nav_icon_right_front */
    {166, 263}, /* TGA_nav_icon_turn_left */
    {166, 263}, /* TGA_nav_icon_turn_right */
    {166, 263}, /* TGA_nav_icon_turn_round */
    {331, 346}, /* TGA_nav_tips_arrive_destination */
    {332, 407}, /* TGA_nav_tips_cost_left */
    {331, 346}, /* TGA_nav_tips_next_enter */
    {0, 0}, /* TGA_nav_unit_next_distance_km */
    {0, 0}, /* TGA_nav_unit_next_distance_m */
    {103, 483}, /* TGA_nav_module_shadow */
    {418, 341}, /* TGA_nav_tips_disable */
    {0, 0}, /* TGA_traffic_line_dotted */
    {0, 0}, /* TGA_traffic_line_solid */
    {790, 665}, /* TGA_ui3_basic_battery_bg */
    {794, 669}, /* TGA_ui3_basic_battery_full_green */
    {794, 669}, /* TGA_ui3_basic_battery_full_red */
    {794, 669}, /* TGA_ui3_basic_battery_full_yellow */
    {794, 669}, /* TGA_ui3_basic_battery_high_light */
    {0, 626}, /* TGA_ui3_basic_bg_bottom */
    {1484, 651}, /* TGA_ui3_basic_temperature_icon */
    {100, 332}, /* TGA_ui3_basic_mute_icon */
    {0, 626}, /* TGA_ui3_basic_bg_bottom_night */
    {530, 660}, /* TGA_ui3_gear_D */
    {530, 660}, /* TGA_ui3_gear_N */
    {530, 660}, /* TGA_ui3_gear_PRND_gray */
    {530, 660}, /* TGA_ui3_gear_P */
    {530, 660}, /* TGA_ui3_gear_R */
    {800, 34}, /* TGA_ui3_led_ready */
};

UInt08 tgaStatus[TGA_NUM];
Image tgaImg[TGA_NUM];
