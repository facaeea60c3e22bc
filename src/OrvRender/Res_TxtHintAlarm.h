/* Texts rasterised at run time (hint, alarm, account, media, phone and face-recognition messages):
 * their character table and the index strings built on it. A text is turned into code points by
 * looking each index up in HintAlarm_FONT_CODE; index 0 ends a text and is never looked up.
 * These characters are not in the glyph atlas.
 *
 * The arrays are generated at build time from the readable texts in Res_TxtHintAlarm.txt; the
 * list below fixes each text's glyph count, and the build fails when a text does not match it. */
#ifndef RES_TXT_HINT_ALARM_H
#define RES_TXT_HINT_ALARM_H

#include "BaseTypes.h"

#define HINT_ALARM_FONT_CODE_NUM 342
extern const UInt32 HintAlarm_FONT_CODE[HINT_ALARM_FONT_CODE_NUM];

/* Every text of the hint and alarm table with its number of glyphs. */
#define RES_TXT_HINT_ALARM_LIST(X) \
    X(str_account_default_idx, 2) \
    X(str_account_guest_idx, 2) \
    X(str_alarm_ACC_failure_idx, 9) \
    X(str_alarm_auto_track_failure_idx, 10) \
    X(str_alarm_bat_cold_idx, 12) \
    X(str_alarm_bat_heating_idx, 5) \
    X(str_alarm_bat_lack_idx, 11) \
    X(str_alarm_bat_over_heat_idx, 15) \
    X(str_alarm_bat_too_cold_idx, 11) \
    X(str_alarm_blind_auxiliary_failure_idx, 10) \
    X(str_alarm_cannot_charge_idx, 11) \
    X(str_alarm_charge_port_overheat_idx, 14) \
    X(str_alarm_charging_slow_idx, 5) \
    X(str_alarm_check_airbag_idx, 7) \
    X(str_alarm_check_eps_idx, 6) \
    X(str_alarm_check_foglamp_idx, 6) \
    X(str_alarm_check_highbeam_idx, 6) \
    X(str_alarm_check_lowbeam_idx, 6) \
    X(str_alarm_check_tp_sensor_idx, 8) \
    X(str_alarm_check_turnl_idx, 8) \
    X(str_alarm_check_turnlr_idx, 9) \
    X(str_alarm_check_turnr_idx, 8) \
    X(str_alarm_confirm_idx, 3) \
    X(str_alarm_contact_service_idx, 10) \
    X(str_alarm_cut_off_power_idx, 14) \
    X(str_alarm_device_err_idx, 6) \
    X(str_alarm_dynamic_braking_idx, 5) \
    X(str_alarm_face_input_timeout_idx, 8) \
    X(str_alarm_face_interrupt_retry_idx, 13) \
    X(str_alarm_face_not_found_idx, 10) \
    X(str_alarm_face_repeat_idx, 10) \
    X(str_alarm_face_systom_fault_idx, 13) \
    X(str_alarm_font_collision_failure_idx, 10) \
    X(str_alarm_gear_err_idx, 10) \
    X(str_alarm_high_voltage_err_idx, 9) \
    X(str_alarm_iic_communication_exception_idx, 20) \
    X(str_alarm_initiative_grid_err_idx, 6) \
    X(str_alarm_lane_warning_failure_idx, 10) \
    X(str_alarm_limit_speed_failure_idx, 10) \
    X(str_alarm_lost_power_idx, 17) \
    X(str_alarm_low_volt_bat_err_idx, 7) \
    X(str_alarm_low_volt_bat_lack_idx, 9) \
    X(str_alarm_ok_idx, 4) \
    X(str_alarm_operate_err_idx, 12) \
    X(str_alarm_peps_err_idx, 8) \
    X(str_alarm_performance_limit_idx, 12) \
    X(str_alarm_pull_up_idx, 13) \
    X(str_alarm_rear_auxiliary_failure_idx, 10) \
    X(str_alarm_rear_warning_failure_idx, 12) \
    X(str_alarm_replenish_rake_oil_idx, 6) \
    X(str_alarm_tire_over_heat_idx, 6) \
    X(str_alarm_tire_pressure_high_idx, 6) \
    X(str_alarm_tire_pressure_low_idx, 6) \
    X(str_alarm_tpms_idx, 8) \
    X(str_alarm_tpms_calibration_idx, 9) \
    X(str_alarm_vacuum_booster_idx, 14) \
    X(str_alarm_vacuum_pump_idx, 7) \
    X(str_alarm_will_lost_power_idx, 15) \
    X(str_face_recognition_cover_1_idx, 6) \
    X(str_face_recognition_cover_2_idx, 10) \
    X(str_face_recognition_front_idx, 12) \
    X(str_face_recognition_identification_1_idx, 11) \
    X(str_face_recognition_identification_2_idx, 6) \
    X(str_face_recognition_left_idx, 7) \
    X(str_face_recognition_right_idx, 7) \
    X(str_face_recognition_success_1_1_idx, 4) \
    X(str_face_recognition_success_1_2_idx, 9) \
    X(str_face_recognition_success_2_idx, 6) \
    X(str_hint_HDC_cannot_ACC_idx, 13) \
    X(str_hint_acc_error_idx, 7) \
    X(str_hint_acc_exit_idx, 8) \
    X(str_hint_acc_reset_idx, 13) \
    X(str_hint_acc_timeout0_idx, 11) \
    X(str_hint_acc_timeout1_idx, 9) \
    X(str_hint_acc_unavailable_idx, 8) \
    X(str_hint_acc_waiting_now_idx, 15) \
    X(str_hint_ae_idx, 8) \
    X(str_hint_auto_leaving_idx, 5) \
    X(str_hint_auto_leaving_cancel_idx, 7) \
    X(str_hint_auto_leaving_ok_idx, 7) \
    X(str_hint_auto_leaving_pause_idx, 7) \
    X(str_hint_auto_parking_idx, 7) \
    X(str_hint_auto_parking_cancel_idx, 6) \
    X(str_hint_auto_parking_ok_idx, 6) \
    X(str_hint_auto_parking_pause_idx, 6) \
    X(str_hint_autohold_ready_idx, 14) \
    X(str_hint_automatic_lane_change_unavailable_idx, 9) \
    X(str_hint_brake_aid_active_idx, 9) \
    X(str_hint_brake_weak_idx, 12) \
    X(str_hint_buckle_up_d_idx, 9) \
    X(str_hint_buckle_up_p_idx, 8) \
    X(str_hint_cannot_active_ACC_idx, 12) \
    X(str_hint_charging_gear_0_idx, 13) \
    X(str_hint_charging_gear_1_idx, 13) \
    X(str_hint_charging_gear_2_idx, 11) \
    X(str_hint_charging_gear_3_idx, 10) \
    X(str_hint_check_switch_idx, 7) \
    X(str_hint_close_door_idx, 11) \
    X(str_hint_cruise_abort_idx, 6) \
    X(str_hint_detecting_parking_cell_idx, 5) \
    X(str_hint_distracted_state_acc_unavailable_idx, 8) \
    X(str_hint_donot_change_track_idx, 7) \
    X(str_hint_door_lb_open_idx, 6) \
    X(str_hint_door_lf_open_idx, 6) \
    X(str_hint_door_rb_open_idx, 6) \
    X(str_hint_door_rf_open_idx, 6) \
    X(str_hint_driving_assist_limited_idx, 8) \
    X(str_hint_face_welcome_idx, 6) \
    X(str_hint_first_close_door1_idx, 5) \
    X(str_hint_forward_collision_system_close_idx, 10) \
    X(str_hint_forward_collision_warning_idx, 6) \
    X(str_hint_front_camera_blocked_idx, 7) \
    X(str_hint_front_radar_low_visibility_idx, 8) \
    X(str_hint_hold_steering_wheel_idx, 6) \
    X(str_hint_iic_communication_exception_idx, 16) \
    X(str_hint_keep_safe_distance_idx, 7) \
    X(str_hint_key_bat_lack_idx, 7) \
    X(str_hint_key_inside_idx, 5) \
    X(str_hint_key_not_found_idx, 6) \
    X(str_hint_lane_aid_active_idx, 6) \
    X(str_hint_lane_aid_exit_idx, 9) \
    X(str_hint_lane_aid_unavailable_idx, 9) \
    X(str_hint_lane_deviation_idx, 7) \
    X(str_hint_manual_lane_change_idx, 5) \
    X(str_hint_open_esp_idx, 12) \
    X(str_hint_parking_gear_r_idx, 10) \
    X(str_hint_parking_release_idx, 9) \
    X(str_hint_power_ready_idx, 4) \
    X(str_hint_rear_radar_low_visibility_idx, 8) \
    X(str_hint_release_brake_idx, 10) \
    X(str_hint_searching_parking_cell_idx, 12) \
    X(str_hint_shutdown_idx, 9) \
    X(str_hint_slow_drive_through_cars_idx, 6) \
    X(str_hint_start_up_idx, 9) \
    X(str_hint_summoning_idx, 3) \
    X(str_hint_summoning_ok_idx, 5) \
    X(str_hint_summoning_pause_idx, 4) \
    X(str_hint_switch_gears_too_fast_idx, 6) \
    X(str_hint_switch_not_P_idx, 12) \
    X(str_hint_switched_to_n_1_idx, 13) \
    X(str_hint_switched_to_n_2_idx, 5) \
    X(str_hint_take_care_door_open_idx, 5) \
    X(str_hint_take_over_speed_control_idx, 8) \
    X(str_hint_take_over_steering_idx, 8) \
    X(str_hint_take_rest_idx, 10) \
    X(str_hint_take_rest_1_0_idx, 6) \
    X(str_hint_take_rest_1_1_idx, 5) \
    X(str_hint_tired_state_acc_unavailable_idx, 8) \
    X(str_hint_track_cancel_idx, 4) \
    X(str_hint_watch_out_idx, 5) \
    X(str_hint_watch_out_1_idx, 7) \
    X(str_hint_watch_out_2_1_idx, 7) \
    X(str_hint_watch_out_2_2_idx, 10) \
    X(str_module_media_null_artist_idx, 2) \
    X(str_module_media_null_song_idx, 3) \
    X(str_module_phone_unknown_idx, 5)

#ifndef RES_TXT_DECLARE
/* Declares one text: its glyph indices and the terminating 0. */
#define RES_TXT_DECLARE(name, len) extern const unsigned int name[(len) + 1];
#endif

RES_TXT_HINT_ALARM_LIST(RES_TXT_DECLARE)

#endif
