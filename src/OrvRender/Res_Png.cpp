/* The PNG picture table: files and default places. */
#include "OrvRender/Res_Png.h"

const char* const pngFilePath[PNG_NUM] = {
    "./Res/image/charge_background_charging.png", /* PNG_charge_background_charging */
    "./Res/image/charge_background_normal.png", /* PNG_charge_background_normal */
    "./Res/image/charge_background_car.png", /* PNG_charge_background_car */
    "./Res/image/charge_range_unit_km.png", /* PNG_charge_range_unit_km */
    "./Res/image/charge_charging.png", /* PNG_charge_charging */
    "./Res/image/charge_ready.png", /* PNG_charge_ready */
    "./Res/image/charge_charging_background.png", /* PNG_charge_charging_background */
    "./Res/image/charge_charging_bright.png", /* PNG_charge_charging_bright */
    "./Res/image/charge_charging_progress.png", /* PNG_charge_charging_progress */
    "./Res/image/charge_full.png", /* PNG_charge_full */
    "./Res/image/charge_ready_background.png", /* PNG_charge_ready_background */
    "./Res/image/charge_ready_bright.png", /* PNG_charge_ready_bright */
    "./Res/image/charge_ready_progress.png", /* PNG_charge_ready_progress */
    "./Res/image/charge_number_shadow.png", /* PNG_charge_number_shadow */
    "./Res/image/charge_status_shadow.png", /* PNG_charge_status_shadow */
    "./Res/image/charge_hint_ready.png", /* PNG_charge_hint_ready */
    "./Res/image/charge_hint_charging.png", /* PNG_charge_hint_charging */
    "./Res/image/charge_hint_finish.png", /* PNG_charge_hint_finish */
    "./Res/image/charge_hint_pull_gun.png", /* PNG_charge_hint_pull_gun */
    "./Res/image/charge_error.png", /* PNG_charge_error */
    "./Res/image/charge_hint_stop.png", /* PNG_charge_hint_stop */
    "./Res/image/charge_hint_contact_maintenance.png", /* PNG_charge_hint_contact_maintenance */
    "./Res/image/Charging_Charging_000.png", /* PNG_Charge_Charging_000 */
    "./Res/image/Charging_Charging_001.png", /* PNG_Charge_Charging_001 */
    "./Res/image/Charging_Charging_002.png", /* PNG_Charge_Charging_002 */
    "./Res/image/Charging_Charging_003.png", /* PNG_Charge_Charging_003 */
    "./Res/image/Charging_Charging_004.png", /* PNG_Charge_Charging_004 */
    "./Res/image/Charging_Charging_005.png", /* PNG_Charge_Charging_005 */
    "./Res/image/Charging_Charging_006.png", /* PNG_Charge_Charging_006 */
    "./Res/image/Charging_Charging_007.png", /* PNG_Charge_Charging_007 */
    "./Res/image/Charging_Charging_008.png", /* PNG_Charge_Charging_008 */
    "./Res/image/Charging_Charging_009.png", /* PNG_Charge_Charging_009 */
    "./Res/image/Charging_Charging_010.png", /* PNG_Charge_Charging_010 */
    "./Res/image/Charging_Charging_011.png", /* PNG_Charge_Charging_011 */
    "./Res/image/Charging_Charging_012.png", /* PNG_Charge_Charging_012 */
    "./Res/image/Charging_Charging_013.png", /* PNG_Charge_Charging_013 */
    "./Res/image/Charging_Charging_014.png", /* PNG_Charge_Charging_014 */
    "./Res/image/Charging_Charging_015.png", /* PNG_Charge_Charging_015 */
    "./Res/image/Charging_Charging_016.png", /* PNG_Charge_Charging_016 */
    "./Res/image/Charging_Charging_017.png", /* PNG_Charge_Charging_017 */
    "./Res/image/Charging_Charging_018.png", /* PNG_Charge_Charging_018 */
    "./Res/image/Charging_Charging_019.png", /* PNG_Charge_Charging_019 */
    "./Res/image/Charging_Charging_020.png", /* PNG_Charge_Charging_020 */
    "./Res/image/Charging_Charging_021.png", /* PNG_Charge_Charging_021 */
    "./Res/image/Charging_Charging_022.png", /* PNG_Charge_Charging_022 */
    "./Res/image/Charging_Charging_023.png", /* PNG_Charge_Charging_023 */
    "./Res/image/Charging_Charging_024.png", /* PNG_Charge_Charging_024 */
    "./Res/image/Charging_Charging_025.png", /* PNG_Charge_Charging_025 */
    "./Res/image/Charging_Charging_026.png", /* PNG_Charge_Charging_026 */
    "./Res/image/Charging_Charging_027.png", /* PNG_Charge_Charging_027 */
    "./Res/image/Charging_Charging_028.png", /* PNG_Charge_Charging_028 */
    "./Res/image/Charging_Charging_029.png", /* PNG_Charge_Charging_029 */
    "./Res/image/Charging_Charging_030.png", /* PNG_Charge_Charging_030 */
    "./Res/image/Charging_Charging_031.png", /* PNG_Charge_Charging_031 */
    "./Res/image/Charging_Charging_032.png", /* PNG_Charge_Charging_032 */
    "./Res/image/Charging_Charging_033.png", /* PNG_Charge_Charging_033 */
    "./Res/image/Charging_Charging_034.png", /* PNG_Charge_Charging_034 */
    "./Res/image/Charging_Charging_035.png", /* PNG_Charge_Charging_035 */
    "./Res/image/Charging_Charging_036.png", /* PNG_Charge_Charging_036 */
    "./Res/image/Charging_Charging_037.png", /* PNG_Charge_Charging_037 */
    "./Res/image/Charging_Charging_038.png", /* PNG_Charge_Charging_038 */
    "./Res/image/Charging_Charging_039.png", /* PNG_Charge_Charging_039 */
    "./Res/image/Charging_Charging_040.png", /* PNG_Charge_Charging_040 */
    "./Res/image/Charging_Charging_041.png", /* PNG_Charge_Charging_041 */
    "./Res/image/Charging_Charging_042.png", /* PNG_Charge_Charging_042 */
    "./Res/image/Charging_Charging_043.png", /* PNG_Charge_Charging_043 */
    "./Res/image/check_main_car_blue.png", /* PNG_check_main_car_blue */
    "./Res/image/check_main_car_blue_cam.png", /* PNG_check_main_car_blue_cam */
    "./Res/image/check_main_car_Dark_grey.png", /* PNG_check_main_car_Dark_grey */
    "./Res/image/check_main_car_Dark_grey_cam.png", /* PNG_check_main_car_Dark_grey_cam */
    "./Res/image/check_main_car_Grey.png", /* PNG_check_main_car_Grey */
    "./Res/image/check_main_car_Grey_cam.png", /* PNG_check_main_car_Grey_cam */
    "./Res/image/check_main_car_red.png", /* PNG_check_main_car_red */
    "./Res/image/check_main_car_red_cam.png", /* PNG_check_main_car_red_cam */
    "./Res/image/check_main_car_white.png", /* PNG_check_main_car_white */
    "./Res/image/check_main_car_white_cam.png", /* PNG_check_main_car_white_cam */
    "./Res/image/check_main_car_all_red.png", /* PNG_check_main_car_all_red */
    "./Res/image/check_main_car_all_red_cam.png", /* PNG_check_main_car_all_red_cam */
    "./Res/image/check_main_car_all_gray.png", /* PNG_check_main_car_all_gray */
    "./Res/image/check_main_car_all_gray_cam.png", /* PNG_check_main_car_all_gray_cam */
    "./Res/image/check_main_car_all_blue.png", /* PNG_check_main_car_all_blue */
    "./Res/image/check_main_car_all_blue_cam.png", /* PNG_check_main_car_all_blue_cam */
    "./Res/image/check_background.png", /* PNG_check_background */
    "./Res/image/check_000.png", /* PNG_check_000 */
    "./Res/image/check_001.png", /* PNG_check_001 */
    "./Res/image/check_002.png", /* PNG_check_002 */
    "./Res/image/check_003.png", /* PNG_check_003 */
    "./Res/image/check_004.png", /* PNG_check_004 */
    "./Res/image/check_005.png", /* PNG_check_005 */
    "./Res/image/check_006.png", /* PNG_check_006 */
    "./Res/image/check_007.png", /* PNG_check_007 */
    "./Res/image/check_008.png", /* PNG_check_008 */
    "./Res/image/check_009.png", /* PNG_check_009 */
    "./Res/image/check_010.png", /* PNG_check_010 */
    "./Res/image/check_011.png", /* PNG_check_011 */
    "./Res/image/check_012.png", /* PNG_check_012 */
    "./Res/image/check_013.png", /* PNG_check_013 */
    "./Res/image/check_014.png", /* PNG_check_014 */
    "./Res/image/check_015.png", /* PNG_check_015 */
    "./Res/image/check_016.png", /* PNG_check_016 */
    "./Res/image/check_017.png", /* PNG_check_017 */
    "./Res/image/check_018.png", /* PNG_check_018 */
    "./Res/image/check_019.png", /* PNG_check_019 */
    "./Res/image/check_020.png", /* PNG_check_020 */
    "./Res/image/check_021.png", /* PNG_check_021 */
    "./Res/image/check_022.png", /* PNG_check_022 */
    "./Res/image/check_023.png", /* PNG_check_023 */
    "./Res/image/check_024.png", /* PNG_check_024 */
    "./Res/image/check_025.png", /* PNG_check_025 */
    "./Res/image/check_026.png", /* PNG_check_026 */
    "./Res/image/check_027.png", /* PNG_check_027 */
    "./Res/image/check_028.png", /* PNG_check_028 */
    "./Res/image/check_029.png", /* PNG_check_029 */
    "./Res/image/check_030.png", /* PNG_check_030 */
    "./Res/image/check_031.png", /* PNG_check_031 */
    "./Res/image/check_032.png", /* PNG_check_032 */
    "./Res/image/check_033.png", /* PNG_check_033 */
    "./Res/image/check_034.png", /* PNG_check_034 */
    "./Res/image/check_035.png", /* PNG_check_035 */
    "./Res/image/check_036.png", /* PNG_check_036 */
    "./Res/image/check_037.png", /* PNG_check_037 */
    "./Res/image/check_038.png", /* PNG_check_038 */
    "./Res/image/check_039.png", /* PNG_check_039 */
    "./Res/image/check_040.png", /* PNG_check_040 */
    "./Res/image/check_041.png", /* PNG_check_041 */
    "./Res/image/check_042.png", /* PNG_check_042 */
    "./Res/image/check_043.png", /* PNG_check_043 */
    "./Res/image/check_044.png", /* PNG_check_044 */
    "./Res/image/check_045.png", /* PNG_check_045 */
    "./Res/image/check_046.png", /* PNG_check_046 */
    "./Res/image/check_047.png", /* PNG_check_047 */
    "./Res/image/check_048.png", /* PNG_check_048 */
    "./Res/image/check_049.png", /* PNG_check_049 */
    "./Res/image/check_050.png", /* PNG_check_050 */
    "./Res/image/check_051.png", /* PNG_check_051 */
    "./Res/image/check_052.png", /* PNG_check_052 */
    "./Res/image/check_053.png", /* PNG_check_053 */
    "./Res/image/check_054.png", /* PNG_check_054 */
    "./Res/image/check_055.png", /* PNG_check_055 */
    "./Res/image/check_056.png", /* PNG_check_056 */
    "./Res/image/check_057.png", /* PNG_check_057 */
    "./Res/image/check_058.png", /* PNG_check_058 */
    "./Res/image/check_059.png", /* PNG_check_059 */
    "./Res/image/check_060.png", /* PNG_check_060 */
    "./Res/image/check_061.png", /* PNG_check_061 */
    "./Res/image/check_062.png", /* PNG_check_062 */
    "./Res/image/check_063.png", /* PNG_check_063 */
    "./Res/image/check_064.png", /* PNG_check_064 */
    "./Res/image/check_065.png", /* PNG_check_065 */
    "./Res/image/check_066.png", /* PNG_check_066 */
    "./Res/image/check_067.png", /* PNG_check_067 */
    "./Res/image/check_068.png", /* PNG_check_068 */
    "./Res/image/check_069.png", /* PNG_check_069 */
    "./Res/image/check_070.png", /* PNG_check_070 */
    "./Res/image/check_071.png", /* PNG_check_071 */
    "./Res/image/check_072.png", /* PNG_check_072 */
    "./Res/image/check_073.png", /* PNG_check_073 */
    "./Res/image/check_074.png", /* PNG_check_074 */
    "./Res/image/check_075.png", /* PNG_check_075 */
    "./Res/image/check_076.png", /* PNG_check_076 */
    "./Res/image/check_077.png", /* PNG_check_077 */
    "./Res/image/check_078.png", /* PNG_check_078 */
    "./Res/image/check_079.png", /* PNG_check_079 */
    "./Res/image/check_080.png", /* PNG_check_080 */
    "./Res/image/check_081.png", /* PNG_check_081 */
    "./Res/image/check_082.png", /* PNG_check_082 */
    "./Res/image/check_083.png", /* PNG_check_083 */
    "./Res/image/check_084.png", /* PNG_check_084 */
    "./Res/image/check_085.png", /* PNG_check_085 */
    "./Res/image/check_086.png", /* PNG_check_086 */
    "./Res/image/check_087.png", /* PNG_check_087 */
    "./Res/image/check_088.png", /* PNG_check_088 */
    "./Res/image/check_089.png", /* PNG_check_089 */
    "./Res/image/check_090.png", /* PNG_check_090 */
    "./Res/image/check_091.png", /* PNG_check_091 */
    "./Res/image/check_092.png", /* PNG_check_092 */
    "./Res/image/driving_car_blue_base.png", /* PNG_driving_car_blue_base */
    "./Res/image/driving_car_blue_camera.png", /* PNG_driving_car_blue_camera */
    "./Res/image/driving_car_darkgray_base.png", /* PNG_driving_car_darkgray_base */
    "./Res/image/driving_car_darkgray_camera.png", /* PNG_driving_car_darkgray_camera */
    "./Res/image/driving_car_gray_base.png", /* PNG_driving_car_gray_base */
    "./Res/image/driving_car_gray_camera.png", /* PNG_driving_car_gray_camera */
    "./Res/image/driving_car_red_base.png", /* PNG_driving_car_red_base */
    "./Res/image/driving_car_red_camera.png", /* PNG_driving_car_red_camera */
    "./Res/image/driving_car_white_base.png", /* PNG_driving_car_white_base */
    "./Res/image/driving_car_white_camera.png", /* PNG_driving_car_white_camera */
    "./Res/image/driving_car_all_red_base.png", /* PNG_driving_car_all_red_base */
    "./Res/image/driving_car_all_red_camera.png", /* PNG_driving_car_all_red_camera */
    "./Res/image/driving_car_all_gray_base.png", /* PNG_driving_car_all_gray_base */
    "./Res/image/driving_car_all_gray_camera.png", /* PNG_driving_car_all_gray_camera */
    "./Res/image/driving_car_all_blue_base.png", /* PNG_driving_car_all_blue_base */
    "./Res/image/driving_car_all_blue_camera.png", /* PNG_driving_car_all_blue_camera */
    "./Res/image/driving_car_tail_lamp_brake.png", /* PNG_driving_car_tail_lamp_brake */
    "./Res/image/driving_car_tail_lamp_fog.png", /* PNG_driving_car_tail_lamp_fog */
    "./Res/image/driving_car_tail_lamp_left.png", /* PNG_driving_car_tail_lamp_left */
    "./Res/image/driving_car_tail_lamp_off.png", /* PNG_driving_car_tail_lamp_off */
    "./Res/image/driving_car_tail_lamp_position.png", /* PNG_driving_car_tail_lamp_position */
    "./Res/image/driving_car_tail_lamp_right.png", /* PNG_driving_car_tail_lamp_right */
    "./Res/image/driving_car_tail_shelter.png", /* PNG_driving_car_tail_shelter */
    "./Res/image/driving_high_beam.png", /* PNG_driving_high_beam */
    "./Res/image/driving_low_beam.png", /* PNG_driving_low_beam */
    "./Res/image/eco-720_031.png", /* PNG_eco_001 */
    "./Res/image/eco-720_032.png", /* PNG_eco_002 */
    "./Res/image/eco-720_033.png", /* PNG_eco_003 */
    "./Res/image/eco-720_034.png", /* PNG_eco_004 */
    "./Res/image/eco-720_035.png", /* PNG_eco_005 */
    "./Res/image/eco-720_036.png", /* PNG_eco_006 */
    "./Res/image/eco-720_037.png", /* PNG_eco_007 */
    "./Res/image/eco-720_038.png", /* PNG_eco_008 */
    "./Res/image/eco-720_039.png", /* PNG_eco_009 */
    "./Res/image/eco-720_040.png", /* PNG_eco_010 */
    "./Res/image/eco-720_041.png", /* PNG_eco_011 */
    "./Res/image/eco-720_042.png", /* PNG_eco_012 */
    "./Res/image/eco-720_043.png", /* PNG_eco_013 */
    "./Res/image/eco-720_044.png", /* PNG_eco_014 */
    "./Res/image/eco-720_045.png", /* PNG_eco_015 */
    "./Res/image/eco-720_046.png", /* PNG_eco_016 */
    "./Res/image/eco-720_047.png", /* PNG_eco_017 */
    "./Res/image/eco-720_048.png", /* PNG_eco_018 */
    "./Res/image/eco-720_049.png", /* PNG_eco_019 */
    "./Res/image/eco-720_050.png", /* PNG_eco_020 */
    "./Res/image/eco-720_051.png", /* PNG_eco_021 */
    "./Res/image/eco-720_052.png", /* PNG_eco_022 */
    "./Res/image/eco-720_053.png", /* PNG_eco_023 */
    "./Res/image/eco-720_054.png", /* PNG_eco_024 */
    "./Res/image/eco-720_055.png", /* PNG_eco_025 */
    "./Res/image/eco-720_056.png", /* PNG_eco_026 */
    "./Res/image/eco-720_057.png", /* PNG_eco_027 */
    "./Res/image/eco-720_058.png", /* PNG_eco_028 */
    "./Res/image/eco-720_059.png", /* PNG_eco_029 */
    "./Res/image/eco-720_060.png", /* PNG_eco_030 */
    "./Res/image/eco-720_061.png", /* PNG_eco_031 */
    "./Res/image/eco-720_062.png", /* PNG_eco_032 */
    "./Res/image/eco-720_063.png", /* PNG_eco_033 */
    "./Res/image/eco-720_064.png", /* PNG_eco_034 */
    "./Res/image/eco-720_065.png", /* PNG_eco_035 */
    "./Res/image/eco-720_066.png", /* PNG_eco_036 */
    "./Res/image/eco-720_067.png", /* PNG_eco_037 */
    "./Res/image/eco-720_068.png", /* PNG_eco_038 */
    "./Res/image/eco-720_069.png", /* PNG_eco_039 */
    "./Res/image/eco-720_070.png", /* PNG_eco_040 */
    "./Res/image/eco-720_071.png", /* PNG_eco_041 */
    "./Res/image/eco-720_072.png", /* PNG_eco_042 */
    "./Res/image/sport_720_030.png", /* PNG_sport_000 */
    "./Res/image/sport_720_031.png", /* PNG_sport_001 */
    "./Res/image/sport_720_032.png", /* PNG_sport_002 */
    "./Res/image/sport_720_033.png", /* PNG_sport_003 */
    "./Res/image/sport_720_034.png", /* PNG_sport_004 */
    "./Res/image/sport_720_035.png", /* PNG_sport_005 */
    "./Res/image/sport_720_036.png", /* PNG_sport_006 */
    "./Res/image/sport_720_037.png", /* PNG_sport_007 */
    "./Res/image/sport_720_038.png", /* PNG_sport_008 */
    "./Res/image/sport_720_039.png", /* PNG_sport_009 */
    "./Res/image/sport_720_040.png", /* PNG_sport_010 */
    "./Res/image/sport_720_041.png", /* PNG_sport_011 */
    "./Res/image/sport_720_042.png", /* PNG_sport_012 */
    "./Res/image/sport_720_043.png", /* PNG_sport_013 */
    "./Res/image/sport_720_044.png", /* PNG_sport_014 */
    "./Res/image/sport_720_045.png", /* PNG_sport_015 */
    "./Res/image/sport_720_046.png", /* PNG_sport_016 */
    "./Res/image/sport_720_047.png", /* PNG_sport_017 */
    "./Res/image/sport_720_048.png", /* PNG_sport_018 */
    "./Res/image/sport_720_049.png", /* PNG_sport_019 */
    "./Res/image/sport_720_050.png", /* PNG_sport_020 */
    "./Res/image/sport_720_051.png", /* PNG_sport_021 */
    "./Res/image/sport_720_052.png", /* PNG_sport_022 */
    "./Res/image/sport_720_053.png", /* PNG_sport_023 */
    "./Res/image/sport_720_054.png", /* PNG_sport_024 */
    "./Res/image/sport_720_055.png", /* PNG_sport_025 */
    "./Res/image/sport_720_056.png", /* PNG_sport_026 */
    "./Res/image/sport_720_057.png", /* PNG_sport_027 */
    "./Res/image/sport_720_058.png", /* PNG_sport_028 */
    "./Res/image/sport_720_059.png", /* PNG_sport_029 */
    "./Res/image/sport_720_060.png", /* PNG_sport_030 */
    "./Res/image/sport_720_061.png", /* PNG_sport_031 */
    "./Res/image/sport_720_062.png", /* PNG_sport_032 */
    "./Res/image/sport_720_063.png", /* PNG_sport_033 */
    "./Res/image/sport_720_064.png", /* PNG_sport_034 */
    "./Res/image/sport_720_065.png", /* PNG_sport_035 */
    "./Res/image/sport_720_066.png", /* PNG_sport_036 */
    "./Res/image/sport_720_067.png", /* PNG_sport_037 */
    "./Res/image/sport_720_068.png", /* PNG_sport_038 */
    "./Res/image/sport_720_069.png", /* PNG_sport_039 */
    "./Res/image/sport_720_070.png", /* PNG_sport_040 */
    "./Res/image/sport_720_071.png", /* PNG_sport_041 */
    "./Res/image/sport_720_072.png", /* PNG_sport_042 */
    "./Res/image/style_led_eco.png", /* PNG_style_led_eco */
    "./Res/image/style_led_sport.png", /* PNG_style_led_sport */
    "./Res/image/module_clock_bg.png", /* PNG_module_clock_bg */
    "./Res/image/module_clock_shadow.png", /* PNG_module_clock_shadow */
    "./Res/image/module_clock_hour.png", /* PNG_module_clock_hour */
    "./Res/image/module_clock_minute.png", /* PNG_module_clock_minute */
    "./Res/image/module_media_black_tape.png", /* PNG_module_media_black_tape */
    "./Res/image/module_media_cover_fm_default.png", /* PNG_module_media_cover_fm_default */
    "./Res/image/module_media_cover_music_default.png", /* PNG_module_media_cover_music_default */
    "./Res/image/module_media_cover_netbook_default.png", /* PNG_module_media_cover_netbook_default */
    "./Res/image/module_media_fm_bg.png", /* PNG_module_media_fm_bg */
    "./Res/image/module_media_progress_bar.png", /* PNG_module_media_progress_bar */
    "./Res/image/module_media_progress_bar_bg.png", /* PNG_module_media_progress_bar_bg */
    "./Res/image/module_media_progress_cursor.png", /* PNG_module_media_progress_cursor */
    "./Res/image/module_media_shadow.png", /* PNG_module_media_shadow */
    "./Res/image/menu_right_icon_mediasrc.png", /* PNG_menu_right_icon_mediasrc */
    "./Res/image/menu_right_icon_mediasrc_gray.png", /* PNG_menu_right_icon_mediasrc_gray */
    "./Res/image/menu_right_icon_setsun.png", /* PNG_menu_right_icon_setsun */
    "./Res/image/menu_right_icon_settemp.png", /* PNG_menu_right_icon_settemp */
    "./Res/image/menu_right_icon_setwindpwr.png", /* PNG_menu_right_icon_setwindpwr */
    "./Res/image/menu_right_icon_sun.png", /* PNG_menu_right_icon_sun */
    "./Res/image/menu_right_icon_sun_gray.png", /* PNG_menu_right_icon_sun_gray */
    "./Res/image/menu_right_icon_temp.png", /* PNG_menu_right_icon_temp */
    "./Res/image/menu_right_icon_temp_gray.png", /* PNG_menu_right_icon_temp_gray */
    "./Res/image/menu_right_icon_windmd.png", /* PNG_menu_right_icon_windmd */
    "./Res/image/menu_right_icon_windmd_gray.png", /* PNG_menu_right_icon_windmd_gray */
    "./Res/image/menu_right_icon_windpwr.png", /* PNG_menu_right_icon_windpwr */
    "./Res/image/menu_right_icon_windpwr_gray.png", /* PNG_menu_right_icon_windpwr_gray */
    "./Res/image/menu_right_shadow.png", /* PNG_menu_right_shadow */
    "./Res/image/menu_right_value_set_bg.png", /* PNG_menu_right_value_set_bg */
    "./Res/image/menu_right_value_set_pcursor.png", /* PNG_menu_right_value_set_pcursor */
    "./Res/image/menu_right_value_set_progress.png", /* PNG_menu_right_value_set_progress */
    "./Res/image/module_energy_cost_avg_unit.png", /* PNG_module_energy_cost_avg_unit */
    "./Res/image/module_energy_cost_bar_negative.png", /* PNG_module_energy_cost_bar_negative */
    "./Res/image/module_energy_cost_bar_positive.png", /* PNG_module_energy_cost_bar_positive */
    "./Res/image/module_energy_cost_bar_zero.png", /* PNG_module_energy_cost_bar_zero */
    "./Res/image/module_energy_cost_bg.png", /* PNG_module_energy_cost_bg */
    "./Res/image/module_energy_cost_cursor.png", /* PNG_module_energy_cost_cursor */
    "./Res/image/module_energy_cost_graph_line_bottom.png", /* PNG_module_energy_cost_graph_line_bottom */
    "./Res/image/module_energy_cost_graph_line_zero.png", /* PNG_module_energy_cost_graph_line_zero */
    "./Res/image/module_energy_cost_power_cursor.png", /* PNG_module_energy_cost_power_cursor */
    "./Res/image/module_energy_cost_shadow.png", /* PNG_module_energy_cost_shadow */
    "./Res/image/module_L0_decoration.png", /* PNG_module_L0_decoration */
    "./Res/image/module_L0_icon_energy_cost.png", /* PNG_module_L0_icon_energy_cost */
    "./Res/image/module_L0_icon_media.png", /* PNG_module_L0_icon_media */
    "./Res/image/module_L0_icon_navigation.png", /* PNG_module_L0_icon_navigation */
    "./Res/image/module_L0_icon_null.png", /* PNG_module_L0_icon_null */
    "./Res/image/module_L0_icon_phone.png", /* PNG_module_L0_icon_phone */
    "./Res/image/module_L0_icon_vehicle_status.png", /* PNG_module_L0_icon_vehicle_status */
    "./Res/image/module_L0_icon_weather.png", /* PNG_module_L0_icon_weather */
    "./Res/image/module_L0_icon__trip.png", /* PNG_module_L0_icon_trip */
    "./Res/image/module_L0_icon_clock.png", /* PNG_module_L0_icon_clock */
    "./Res/image/module_trip_bg.png", /* PNG_module_trip_bg */
    "./Res/image/module_trip_shadow.png", /* PNG_module_trip_shadow */
    "./Res/image/module_vehicle_status_backtrunk_close.png", /* PNG_module_vehicle_status_backtrunk_close */
    "./Res/image/module_vehicle_status_backtrunk_open.png", /* PNG_module_vehicle_status_backtrunk_open */
    "./Res/image/module_vehicle_status_body.png", /* PNG_module_vehicle_status_body */
    "./Res/image/module_vehicle_status_fronttrunk_close.png", /* PNG_module_vehicle_status_fronttrunk_close */
    "./Res/image/module_vehicle_status_fronttrunk_open.png", /* PNG_module_vehicle_status_fronttrunk_open */
    "./Res/image/module_vehicle_status_lbdoor_close.png", /* PNG_module_vehicle_status_lbdoor_close */
    "./Res/image/module_vehicle_status_lbdoor_open.png", /* PNG_module_vehicle_status_lbdoor_open */
    "./Res/image/module_vehicle_status_lfdoor_close.png", /* PNG_module_vehicle_status_lfdoor_close */
    "./Res/image/module_vehicle_status_lfdoor_open.png", /* PNG_module_vehicle_status_lfdoor_open */
    "./Res/image/module_vehicle_status_rbdoor_close.png", /* PNG_module_vehicle_status_rbdoor_close */
    "./Res/image/module_vehicle_status_rbdoor_open.png", /* PNG_module_vehicle_status_rbdoor_open */
    "./Res/image/module_vehicle_status_rfdoor_close.png", /* PNG_module_vehicle_status_rfdoor_close */
    "./Res/image/module_vehicle_status_rfdoor_open.png", /* PNG_module_vehicle_status_rfdoor_open */
    "./Res/image/module_vehicle_status_shadow.png", /* PNG_module_vehicle_status_shadow */
    "./Res/image/module_vehicle_status_wheel_alarm.png", /* PNG_module_vehicle_status_wheel_alarm */
    "./Res/image/module_vehicle_status_wheel_alarm_add.png", /* PNG_module_vehicle_status_wheel_alarm_add */
    "./Res/image/module_vehicle_status_wheel_normal.png", /* PNG_module_vehicle_status_wheel_normal */
    "./Res/image/module_vehicle_shadow.png", /* PNG_module_vehicle_shadow */
    "./Res/image/module_phone_icon_incall_answer.png", /* PNG_module_phone_icon_incall_answer */
    "./Res/image/module_phone_icon_incall_hangup.png", /* PNG_module_phone_icon_incall_hangup */
    "./Res/image/module_phone_icon_incall_mute.png", /* PNG_module_phone_icon_incall_mute */
    "./Res/image/module_phone_icon_waiting.png", /* PNG_module_phone_icon_waiting */
    "./Res/image/module_phone_incall_bg_new.png", /* PNG_module_phone_incall_bg */
    "./Res/image/module_phone_list_bg.png", /* PNG_module_phone_list_bg */
    "./Res/image/module_phone_list_select_dec.png", /* PNG_module_phone_list_select_dec */
    "./Res/image/module_phone_shadow.png", /* PNG_module_phone_shadow */
    "./Res/image/module_phone_speaking_bg.png", /* PNG_module_phone_speaking_bg */
    "./Res/image/module_phone_tips_list_loading.png", /* PNG_module_phone_tips_list_loading */
    "./Res/image/module_phone_tips_no_record.png", /* PNG_module_phone_tips_no_record */
    "./Res/image/module_phone_tips_unavailable.png", /* PNG_module_phone_tips_unavailable */
    "./Res/image/parking_car_blue_base.png", /* PNG_parking_car_blue_base */
    "./Res/image/parking_car_blue_camer.png", /* PNG_parking_car_blue_camera */
    "./Res/image/parking_car_blue_trunk_close.png", /* PNG_parking_car_blue_trunk_close */
    "./Res/image/parking_car_blue_trunk_open.png", /* PNG_parking_car_blue_trunk_open */
    "./Res/image/parking_car_blue_chargeport_close.png", /* PNG_parking_car_blue_chargeport_close */
    "./Res/image/parking_car_blue_chargeport_open.png", /* PNG_parking_car_blue_chargeport_open */
    "./Res/image/parking_car_blue_enginetop_close.png", /* PNG_parking_car_blue_enginetop_close */
    "./Res/image/parking_car_blue_enginetop_open.png", /* PNG_parking_car_blue_enginetop_open */
    "./Res/image/parking_car_blue_lbdoor_close.png", /* PNG_parking_car_blue_lbdoor_close */
    "./Res/image/parking_car_blue_lbdoor_open.png", /* PNG_parking_car_blue_lbdoor_open */
    "./Res/image/parking_car_blue_lfdoor_close.png", /* PNG_parking_car_blue_lfdoor_close */
    "./Res/image/parking_car_blue_lfdoor_open.png", /* PNG_parking_car_blue_lfdoor_open */
    "./Res/image/parking_car_blue_rbdoor_close.png", /* PNG_parking_car_blue_rbdoor_close */
    "./Res/image/parking_car_blue_rbdoor_open.png", /* PNG_parking_car_blue_rbdoor_open */
    "./Res/image/parking_car_blue_rfdoor_close.png", /* PNG_parking_car_blue_rfdoor_close */
    "./Res/image/parking_car_blue_rfdoor_open.png", /* PNG_parking_car_blue_rfdoor_open */
    "./Res/image/parking_car_darkgray_base.png", /* PNG_parking_car_darkgray_base */
    "./Res/image/parking_car_darkgray_camer.png", /* PNG_parking_car_darkgray_camera */
    "./Res/image/parking_car_darkgray_trunk_close.png", /* PNG_parking_car_darkgray_trunk_close */
    "./Res/image/parking_car_darkgray_trunk_open.png", /* PNG_parking_car_darkgray_trunk_open */
    "./Res/image/parking_car_darkgray_chargeport_close.png", /* PNG_parking_car_darkgray_chargeport_close */
    "./Res/image/parking_car_darkgray_chargeport_open.png", /* PNG_parking_car_darkgray_chargeport_open */
    "./Res/image/parking_car_darkgray_enginetop_close.png", /* PNG_parking_car_darkgray_enginetop_close */
    "./Res/image/parking_car_darkgray_enginetop_open.png", /* PNG_parking_car_darkgray_enginetop_open */
    "./Res/image/parking_car_darkgray_lbdoor_close.png", /* PNG_parking_car_darkgray_lbdoor_close */
    "./Res/image/parking_car_darkgray_lbdoor_open.png", /* PNG_parking_car_darkgray_lbdoor_open */
    "./Res/image/parking_car_darkgray_lfdoor_close.png", /* PNG_parking_car_darkgray_lfdoor_close */
    "./Res/image/parking_car_darkgray_lfdoor_open.png", /* PNG_parking_car_darkgray_lfdoor_open */
    "./Res/image/parking_car_darkgray_rbdoor_close.png", /* PNG_parking_car_darkgray_rbdoor_close */
    "./Res/image/parking_car_darkgray_rbdoor_open.png", /* PNG_parking_car_darkgray_rbdoor_open */
    "./Res/image/parking_car_darkgray_rfdoor_close.png", /* PNG_parking_car_darkgray_rfdoor_close */
    "./Res/image/parking_car_darkgray_rfdoor_open.png", /* PNG_parking_car_darkgray_rfdoor_open */
    "./Res/image/parking_car_gray_base.png", /* PNG_parking_car_gray_base */
    "./Res/image/parking_car_gray_camer.png", /* PNG_parking_car_gray_camera */
    "./Res/image/parking_car_gray_trunk_close.png", /* PNG_parking_car_gray_trunk_close */
    "./Res/image/parking_car_gray_trunk_open.png", /* PNG_parking_car_gray_trunk_open */
    "./Res/image/parking_car_gray_chargeport_close.png", /* PNG_parking_car_gray_chargeport_close */
    "./Res/image/parking_car_gray_chargeport_open.png", /* PNG_parking_car_gray_chargeport_open */
    "./Res/image/parking_car_gray_enginetop_close.png", /* PNG_parking_car_gray_enginetop_close */
    "./Res/image/parking_car_gray_enginetop_open.png", /* PNG_parking_car_gray_enginetop_open */
    "./Res/image/parking_car_gray_lbdoor_close.png", /* PNG_parking_car_gray_lbdoor_close */
    "./Res/image/parking_car_gray_lbdoor_open.png", /* PNG_parking_car_gray_lbdoor_open */
    "./Res/image/parking_car_gray_lfdoor_close.png", /* PNG_parking_car_gray_lfdoor_close */
    "./Res/image/parking_car_gray_lfdoor_open.png", /* PNG_parking_car_gray_lfdoor_open */
    "./Res/image/parking_car_gray_rbdoor_close.png", /* PNG_parking_car_gray_rbdoor_close */
    "./Res/image/parking_car_gray_rbdoor_open.png", /* PNG_parking_car_gray_rbdoor_open */
    "./Res/image/parking_car_gray_rfdoor_close.png", /* PNG_parking_car_gray_rfdoor_close */
    "./Res/image/parking_car_gray_rfdoor_open.png", /* PNG_parking_car_gray_rfdoor_open */
    "./Res/image/parking_car_all_red_base.png", /* PNG_parking_car_all_red_base */
    "./Res/image/parking_car_all_red_camer.png", /* PNG_parking_car_all_red_camera */
    "./Res/image/parking_car_all_red_trunk_close.png", /* PNG_parking_car_all_red_trunk_close */
    "./Res/image/parking_car_all_red_trunk_open.png", /* PNG_parking_car_all_red_trunk_open */
    "./Res/image/parking_car_all_gray_base.png", /* PNG_parking_car_all_gray_base */
    "./Res/image/parking_car_all_gray_camer.png", /* PNG_parking_car_all_gray_camera */
    "./Res/image/parking_car_all_gray_trunk_close.png", /* PNG_parking_car_all_gray_trunk_close */
    "./Res/image/parking_car_all_gray_trunk_open.png", /* PNG_parking_car_all_gray_trunk_open */
    "./Res/image/parking_car_all_blue_base.png", /* PNG_parking_car_all_blue_base */
    "./Res/image/parking_car_all_blue_camer.png", /* PNG_parking_car_all_blue_camera */
    "./Res/image/parking_car_all_blue_trunk_close.png", /* PNG_parking_car_all_blue_trunk_close */
    "./Res/image/parking_car_all_blue_trunk_open.png", /* PNG_parking_car_all_blue_trunk_open */
    "./Res/image/parking_car_red_base.png", /* PNG_parking_car_red_base */
    "./Res/image/parking_car_red_camer.png", /* PNG_parking_car_red_camer */
    "./Res/image/parking_car_red_trunk_close.png", /* PNG_parking_car_red_trunk_close */
    "./Res/image/parking_car_red_trunk_open.png", /* PNG_parking_car_red_trunk_open */
    "./Res/image/parking_car_red_chargeport_close.png", /* PNG_parking_car_red_chargeport_close */
    "./Res/image/parking_car_red_chargeport_open.png", /* PNG_parking_car_red_chargeport_open */
    "./Res/image/parking_car_red_enginetop_close.png", /* PNG_parking_car_red_enginetop_close */
    "./Res/image/parking_car_red_enginetop_open.png", /* PNG_parking_car_red_enginetop_open */
    "./Res/image/parking_car_red_lbdoor_close.png", /* PNG_parking_car_red_lbdoor_close */
    "./Res/image/parking_car_red_lbdoor_open.png", /* PNG_parking_car_red_lbdoor_open */
    "./Res/image/parking_car_red_lfdoor_close.png", /* PNG_parking_car_red_lfdoor_close */
    "./Res/image/parking_car_red_lfdoor_open.png", /* PNG_parking_car_red_lfdoor_open */
    "./Res/image/parking_car_red_rbdoor_close.png", /* PNG_parking_car_red_rbdoor_close */
    "./Res/image/parking_car_red_rbdoor_open.png", /* PNG_parking_car_red_rbdoor_open */
    "./Res/image/parking_car_red_rfdoor_close.png", /* PNG_parking_car_red_rfdoor_close */
    "./Res/image/parking_car_red_rfdoor_open.png", /* PNG_parking_car_red_rfdoor_open */
    "./Res/image/parking_car_wheel_0.png", /* PNG_parking_car_wheel_0 */
    "./Res/image/parking_car_wheel_l30.png", /* PNG_parking_car_wheel_l30 */
    "./Res/image/parking_car_wheel_l45.png", /* PNG_parking_car_wheel_l45 */
    "./Res/image/parking_car_wheel_l60.png", /* PNG_parking_car_wheel_l60 */
    "./Res/image/parking_car_wheel_r30.png", /* PNG_parking_car_wheel_r30 */
    "./Res/image/parking_car_wheel_r45.png", /* PNG_parking_car_wheel_r45 */
    "./Res/image/parking_car_wheel_r60.png", /* PNG_parking_car_wheel_r60 */
    "./Res/image/parking_car_white_base.png", /* PNG_parking_car_white_base */
    "./Res/image/parking_car_white_camer.png", /* PNG_parking_car_white_camer */
    "./Res/image/parking_car_white_trunk_close.png", /* PNG_parking_car_white_trunk_close */
    "./Res/image/parking_car_white_trunk_open.png", /* PNG_parking_car_white_trunk_open */
    "./Res/image/parking_car_white_chargeport_close.png", /* PNG_parking_car_white_chargeport_close */
    "./Res/image/parking_car_white_chargeport_open.png", /* PNG_parking_car_white_chargeport_open */
    "./Res/image/parking_car_white_enginetop_close.png", /* PNG_parking_car_white_enginetop_close */
    "./Res/image/parking_car_white_enginetop_open.png", /* PNG_parking_car_white_enginetop_open */
    "./Res/image/parking_car_white_lbdoor_close.png", /* PNG_parking_car_white_lbdoor_close */
    "./Res/image/parking_car_white_lbdoor_open.png", /* PNG_parking_car_white_lbdoor_open */
    "./Res/image/parking_car_white_lfdoor_close.png", /* PNG_parking_car_white_lfdoor_close */
    "./Res/image/parking_car_white_lfdoor_open.png", /* PNG_parking_car_white_lfdoor_open */
    "./Res/image/parking_car_white_rbdoor_close.png", /* PNG_parking_car_white_rbdoor_close */
    "./Res/image/parking_car_white_rbdoor_open.png", /* PNG_parking_car_white_rbdoor_open */
    "./Res/image/parking_car_white_rfdoor_close.png", /* PNG_parking_car_white_rfdoor_close */
    "./Res/image/parking_car_white_rfdoor_open.png", /* PNG_parking_car_white_rfdoor_open */
    "./Res/image/radar_car_front_blue.png", /* PNG_radar_car_front_blue */
    "./Res/image/radar_car_front_dark_grey.png", /* PNG_radar_car_front_dark_grey */
    "./Res/image/radar_car_front_grey.png", /* PNG_radar_car_front_grey */
    "./Res/image/radar_car_front_red.png", /* PNG_radar_car_front_red */
    "./Res/image/radar_car_front_white.png", /* PNG_radar_car_front_white */
    "./Res/image/radar_car_rear_blue.png", /* PNG_radar_car_rear_blue */
    "./Res/image/radar_car_rear_dark_grey.png", /* PNG_radar_car_rear_dark_grey */
    "./Res/image/radar_car_rear_grey.png", /* PNG_radar_car_rear_grey */
    "./Res/image/radar_car_rear_red.png", /* PNG_radar_car_rear_red */
    "./Res/image/radar_car_rear_white.png", /* PNG_radar_car_rear_white */
    "./Res/image/radar_car_rear_all_red.png", /* PNG_radar_car_rear_all_red */
    "./Res/image/radar_car_rear_all_gray.png", /* PNG_radar_car_rear_all_grey */
    "./Res/image/radar_car_rear_all_blue.png", /* PNG_radar_car_rear_all_blue */
    "./Res/image/radar_mask_front.png", /* PNG_radar_mask_front */
    "./Res/image/radar_mask_rear.png", /* PNG_radar_mask_rear */
    "./Res/image/rolling_00.png", /* PNG_rolling_00 */
    "./Res/image/rolling_01.png", /* PNG_rolling_01 */
    "./Res/image/rolling_02.png", /* PNG_rolling_02 */
    "./Res/image/rolling_03.png", /* PNG_rolling_03 */
    "./Res/image/rolling_04.png", /* PNG_rolling_04 */
    "./Res/image/rolling_05.png", /* PNG_rolling_05 */
    "./Res/image/rolling_06.png", /* PNG_rolling_06 */
    "./Res/image/rolling_07.png", /* PNG_rolling_07 */
    "./Res/image/rolling_08.png", /* PNG_rolling_08 */
    "./Res/image/rolling_09.png", /* PNG_rolling_09 */
    "./Res/image/rolling_10.png", /* PNG_rolling_10 */
    "./Res/image/rolling_11.png", /* PNG_rolling_11 */
    "./Res/image/VAI_in_000.png", /* PNG_VAI_in_000 */
    "./Res/image/VAI_in_001.png", /* PNG_VAI_in_001 */
    "./Res/image/VAI_in_002.png", /* PNG_VAI_in_002 */
    "./Res/image/VAI_in_003.png", /* PNG_VAI_in_003 */
    "./Res/image/VAI_in_004.png", /* PNG_VAI_in_004 */
    "./Res/image/VAI_in_005.png", /* PNG_VAI_in_005 */
    "./Res/image/VAI_in_006.png", /* PNG_VAI_in_006 */
    "./Res/image/VAI_in_007.png", /* PNG_VAI_in_007 */
    "./Res/image/VAI_in_008.png", /* PNG_VAI_in_008 */
    "./Res/image/VAI_in_009.png", /* PNG_VAI_in_009 */
    "./Res/image/VAI_in_010.png", /* PNG_VAI_in_010 */
    "./Res/image/VAI_in_011.png", /* PNG_VAI_in_011 */
    "./Res/image/VAI_in_012.png", /* PNG_VAI_in_012 */
    "./Res/image/VAI_in_013.png", /* PNG_VAI_in_013 */
    "./Res/image/VAI_in_014.png", /* PNG_VAI_in_014 */
    "./Res/image/VAI_in_015.png", /* PNG_VAI_in_015 */
    "./Res/image/VAI_in_016.png", /* PNG_VAI_in_016 */
    "./Res/image/VAI_in_017.png", /* PNG_VAI_in_017 */
    "./Res/image/VAI_in_018.png", /* PNG_VAI_in_018 */
    "./Res/image/VAI_in_019.png", /* PNG_VAI_in_019 */
    "./Res/image/VAI_in_020.png", /* PNG_VAI_in_020 */
    "./Res/image/VAI_in_021.png", /* PNG_VAI_in_021 */
    "./Res/image/VAI_in_022.png", /* PNG_VAI_in_022 */
    "./Res/image/VAI_in_023.png", /* PNG_VAI_in_023 */
    "./Res/image/VAI_in_024.png", /* PNG_VAI_in_024 */
    "./Res/image/VAI_in_025.png", /* PNG_VAI_in_025 */
    "./Res/image/VAI_in_026.png", /* PNG_VAI_in_026 */
    "./Res/image/VAI_in_027.png", /* PNG_VAI_in_027 */
    "./Res/image/VAI_in_028.png", /* PNG_VAI_in_028 */
    "./Res/image/VAI_in_029.png", /* PNG_VAI_in_029 */
    "./Res/image/VAI_in_030.png", /* PNG_VAI_in_030 */
    "./Res/image/VAI_in_031.png", /* PNG_VAI_in_031 */
    "./Res/image/VAI_in_032.png", /* PNG_VAI_in_032 */
    "./Res/image/VAI_in_033.png", /* PNG_VAI_in_033 */
    "./Res/image/VAI_in_034.png", /* PNG_VAI_in_034 */
    "./Res/image/VAI_in_035.png", /* PNG_VAI_in_035 */
    "./Res/image/VAI_in_036.png", /* PNG_VAI_in_036 */
    "./Res/image/VAI_in_037.png", /* PNG_VAI_in_037 */
    "./Res/image/VAI_in_038.png", /* PNG_VAI_in_038 */
    "./Res/image/VAI_in_039.png", /* PNG_VAI_in_039 */
    "./Res/image/VAI_waiting_000.png", /* PNG_VAI_waiting_000 */
    "./Res/image/VAI_waiting_001.png", /* PNG_VAI_waiting_001 */
    "./Res/image/VAI_waiting_002.png", /* PNG_VAI_waiting_002 */
    "./Res/image/VAI_waiting_003.png", /* PNG_VAI_waiting_003 */
    "./Res/image/VAI_waiting_004.png", /* PNG_VAI_waiting_004 */
    "./Res/image/VAI_waiting_005.png", /* PNG_VAI_waiting_005 */
    "./Res/image/VAI_waiting_006.png", /* PNG_VAI_waiting_006 */
    "./Res/image/VAI_waiting_007.png", /* PNG_VAI_waiting_007 */
    "./Res/image/VAI_waiting_008.png", /* PNG_VAI_waiting_008 */
    "./Res/image/VAI_waiting_009.png", /* PNG_VAI_waiting_009 */
    "./Res/image/VAI_waiting_010.png", /* PNG_VAI_waiting_010 */
    "./Res/image/VAI_waiting_011.png", /* PNG_VAI_waiting_011 */
    "./Res/image/VAI_waiting_012.png", /* PNG_VAI_waiting_012 */
    "./Res/image/VAI_waiting_013.png", /* PNG_VAI_waiting_013 */
    "./Res/image/VAI_waiting_014.png", /* PNG_VAI_waiting_014 */
    "./Res/image/VAI_waiting_015.png", /* PNG_VAI_waiting_015 */
    "./Res/image/VAI_waiting_016.png", /* PNG_VAI_waiting_016 */
    "./Res/image/VAI_waiting_017.png", /* PNG_VAI_waiting_017 */
    "./Res/image/VAI_waiting_018.png", /* PNG_VAI_waiting_018 */
    "./Res/image/VAI_waiting_019.png", /* PNG_VAI_waiting_019 */
    "./Res/image/VAI_waiting_020.png", /* PNG_VAI_waiting_020 */
    "./Res/image/VAI_waiting_021.png", /* PNG_VAI_waiting_021 */
    "./Res/image/VAI_waiting_022.png", /* PNG_VAI_waiting_022 */
    "./Res/image/VAI_waiting_023.png", /* PNG_VAI_waiting_023 */
    "./Res/image/VAI_waiting_024.png", /* PNG_VAI_waiting_024 */
    "./Res/image/VAI_waiting_025.png", /* PNG_VAI_waiting_025 */
    "./Res/image/VAI_waiting_026.png", /* PNG_VAI_waiting_026 */
    "./Res/image/VAI_waiting_027.png", /* PNG_VAI_waiting_027 */
    "./Res/image/VAI_waiting_028.png", /* PNG_VAI_waiting_028 */
    "./Res/image/VAI_waiting_029.png", /* PNG_VAI_waiting_029 */
    "./Res/image/VAI_waiting_030.png", /* PNG_VAI_waiting_030 */
    "./Res/image/VAI_waiting_031.png", /* PNG_VAI_waiting_031 */
    "./Res/image/VAI_waiting_032.png", /* PNG_VAI_waiting_032 */
    "./Res/image/VAI_waiting_033.png", /* PNG_VAI_waiting_033 */
    "./Res/image/VAI_waiting_034.png", /* PNG_VAI_waiting_034 */
    "./Res/image/VAI_waiting_035.png", /* PNG_VAI_waiting_035 */
    "./Res/image/VAI_waiting_036.png", /* PNG_VAI_waiting_036 */
    "./Res/image/VAI_waiting_037.png", /* PNG_VAI_waiting_037 */
    "./Res/image/VAI_waiting_038.png", /* PNG_VAI_waiting_038 */
    "./Res/image/VAI_waiting_039.png", /* PNG_VAI_waiting_039 */
    "./Res/image/VAI_recognizing_000.png", /* PNG_VAI_recognizing_000 */
    "./Res/image/VAI_recognizing_001.png", /* PNG_VAI_recognizing_001 */
    "./Res/image/VAI_recognizing_002.png", /* PNG_VAI_recognizing_002 */
    "./Res/image/VAI_recognizing_003.png", /* PNG_VAI_recognizing_003 */
    "./Res/image/VAI_recognizing_004.png", /* PNG_VAI_recognizing_004 */
    "./Res/image/VAI_recognizing_005.png", /* PNG_VAI_recognizing_005 */
    "./Res/image/VAI_recognizing_006.png", /* PNG_VAI_recognizing_006 */
    "./Res/image/VAI_recognizing_007.png", /* PNG_VAI_recognizing_007 */
    "./Res/image/VAI_recognizing_008.png", /* PNG_VAI_recognizing_008 */
    "./Res/image/VAI_recognizing_009.png", /* PNG_VAI_recognizing_009 */
    "./Res/image/VAI_recognizing_010.png", /* PNG_VAI_recognizing_010 */
    "./Res/image/VAI_recognizing_011.png", /* PNG_VAI_recognizing_011 */
    "./Res/image/VAI_recognizing_012.png", /* PNG_VAI_recognizing_012 */
    "./Res/image/VAI_recognizing_013.png", /* PNG_VAI_recognizing_013 */
    "./Res/image/VAI_recognizing_014.png", /* PNG_VAI_recognizing_014 */
    "./Res/image/VAI_recognizing_015.png", /* PNG_VAI_recognizing_015 */
    "./Res/image/VAI_recognizing_016.png", /* PNG_VAI_recognizing_016 */
    "./Res/image/VAI_recognizing_017.png", /* PNG_VAI_recognizing_017 */
    "./Res/image/VAI_recognizing_018.png", /* PNG_VAI_recognizing_018 */
    "./Res/image/VAI_recognizing_019.png", /* PNG_VAI_recognizing_019 */
    "./Res/image/VAI_recognizing_020.png", /* PNG_VAI_recognizing_020 */
    "./Res/image/VAI_recognizing_021.png", /* PNG_VAI_recognizing_021 */
    "./Res/image/VAI_recognizing_022.png", /* PNG_VAI_recognizing_022 */
    "./Res/image/VAI_recognizing_023.png", /* PNG_VAI_recognizing_023 */
    "./Res/image/VAI_recognizing_024.png", /* PNG_VAI_recognizing_024 */
    "./Res/image/VAI_recognizing_025.png", /* PNG_VAI_recognizing_025 */
    "./Res/image/VAI_recognizing_026.png", /* PNG_VAI_recognizing_026 */
    "./Res/image/VAI_recognizing_027.png", /* PNG_VAI_recognizing_027 */
    "./Res/image/VAI_recognizing_028.png", /* PNG_VAI_recognizing_028 */
    "./Res/image/VAI_recognizing_029.png", /* PNG_VAI_recognizing_029 */
    "./Res/image/VAI_recognizing_030.png", /* PNG_VAI_recognizing_030 */
    "./Res/image/VAI_recognizing_031.png", /* PNG_VAI_recognizing_031 */
    "./Res/image/VAI_recognizing_032.png", /* PNG_VAI_recognizing_032 */
    "./Res/image/VAI_recognizing_033.png", /* PNG_VAI_recognizing_033 */
    "./Res/image/VAI_recognizing_034.png", /* PNG_VAI_recognizing_034 */
    "./Res/image/VAI_recognizing_035.png", /* PNG_VAI_recognizing_035 */
    "./Res/image/VAI_recognizing_036.png", /* PNG_VAI_recognizing_036 */
    "./Res/image/VAI_recognizing_037.png", /* PNG_VAI_recognizing_037 */
    "./Res/image/VAI_recognizing_038.png", /* PNG_VAI_recognizing_038 */
    "./Res/image/VAI_recognizing_039.png", /* PNG_VAI_recognizing_039 */
    "./Res/image/VAI_speaking_000.png", /* PNG_VAI_speaking_000 */
    "./Res/image/VAI_speaking_001.png", /* PNG_VAI_speaking_001 */
    "./Res/image/VAI_speaking_002.png", /* PNG_VAI_speaking_002 */
    "./Res/image/VAI_speaking_003.png", /* PNG_VAI_speaking_003 */
    "./Res/image/VAI_speaking_004.png", /* PNG_VAI_speaking_004 */
    "./Res/image/VAI_speaking_005.png", /* PNG_VAI_speaking_005 */
    "./Res/image/VAI_speaking_006.png", /* PNG_VAI_speaking_006 */
    "./Res/image/VAI_speaking_007.png", /* PNG_VAI_speaking_007 */
    "./Res/image/VAI_speaking_008.png", /* PNG_VAI_speaking_008 */
    "./Res/image/VAI_speaking_009.png", /* PNG_VAI_speaking_009 */
    "./Res/image/VAI_speaking_010.png", /* PNG_VAI_speaking_010 */
    "./Res/image/VAI_speaking_011.png", /* PNG_VAI_speaking_011 */
    "./Res/image/VAI_speaking_012.png", /* PNG_VAI_speaking_012 */
    "./Res/image/VAI_speaking_013.png", /* PNG_VAI_speaking_013 */
    "./Res/image/VAI_speaking_014.png", /* PNG_VAI_speaking_014 */
    "./Res/image/VAI_speaking_015.png", /* PNG_VAI_speaking_015 */
    "./Res/image/VAI_speaking_016.png", /* PNG_VAI_speaking_016 */
    "./Res/image/VAI_speaking_017.png", /* PNG_VAI_speaking_017 */
    "./Res/image/VAI_speaking_018.png", /* PNG_VAI_speaking_018 */
    "./Res/image/VAI_speaking_019.png", /* PNG_VAI_speaking_019 */
    "./Res/image/VAI_speaking_020.png", /* PNG_VAI_speaking_020 */
    "./Res/image/VAI_speaking_021.png", /* PNG_VAI_speaking_021 */
    "./Res/image/VAI_speaking_022.png", /* PNG_VAI_speaking_022 */
    "./Res/image/VAI_speaking_023.png", /* PNG_VAI_speaking_023 */
    "./Res/image/VAI_speaking_024.png", /* PNG_VAI_speaking_024 */
    "./Res/image/VAI_speaking_025.png", /* PNG_VAI_speaking_025 */
    "./Res/image/VAI_speaking_026.png", /* PNG_VAI_speaking_026 */
    "./Res/image/VAI_speaking_027.png", /* PNG_VAI_speaking_027 */
    "./Res/image/VAI_speaking_028.png", /* PNG_VAI_speaking_028 */
    "./Res/image/VAI_speaking_029.png", /* PNG_VAI_speaking_029 */
    "./Res/image/VAI_speaking_030.png", /* PNG_VAI_speaking_030 */
    "./Res/image/VAI_speaking_031.png", /* PNG_VAI_speaking_031 */
    "./Res/image/VAI_speaking_032.png", /* PNG_VAI_speaking_032 */
    "./Res/image/VAI_speaking_033.png", /* PNG_VAI_speaking_033 */
    "./Res/image/VAI_speaking_034.png", /* PNG_VAI_speaking_034 */
    "./Res/image/VAI_speaking_035.png", /* PNG_VAI_speaking_035 */
    "./Res/image/VAI_speaking_036.png", /* PNG_VAI_speaking_036 */
    "./Res/image/VAI_speaking_037.png", /* PNG_VAI_speaking_037 */
    "./Res/image/VAI_speaking_038.png", /* PNG_VAI_speaking_038 */
    "./Res/image/VAI_speaking_039.png", /* PNG_VAI_speaking_039 */
    "./Res/image/vai_shadow.png", /* PNG_VAI_shadow */
    "./Res/image/ui3_speed_digit_0.png", /* PNG_ui3_speed_digit_0 */
    "./Res/image/ui3_speed_digit_1.png", /* PNG_ui3_speed_digit_1 */
    "./Res/image/ui3_speed_digit_2.png", /* PNG_ui3_speed_digit_2 */
    "./Res/image/ui3_speed_digit_3.png", /* PNG_ui3_speed_digit_3 */
    "./Res/image/ui3_speed_digit_4.png", /* PNG_ui3_speed_digit_4 */
    "./Res/image/ui3_speed_digit_5.png", /* PNG_ui3_speed_digit_5 */
    "./Res/image/ui3_speed_digit_6.png", /* PNG_ui3_speed_digit_6 */
    "./Res/image/ui3_speed_digit_7.png", /* PNG_ui3_speed_digit_7 */
    "./Res/image/ui3_speed_digit_8.png", /* PNG_ui3_speed_digit_8 */
    "./Res/image/ui3_speed_digit_9.png", /* PNG_ui3_speed_digit_9 */
    "./Res/image/ui3_speed_digit_dot.png", /* PNG_ui3_speed_digit_dot */
    "./Res/image/ui3_speed_digit_red_0.png", /* PNG_ui3_speed_digit_red_0 */
    "./Res/image/ui3_speed_digit_red_1.png", /* PNG_ui3_speed_digit_red_1 */
    "./Res/image/ui3_speed_digit_red_2.png", /* PNG_ui3_speed_digit_red_2 */
    "./Res/image/ui3_speed_digit_red_3.png", /* PNG_ui3_speed_digit_red_3 */
    "./Res/image/ui3_speed_digit_red_4.png", /* PNG_ui3_speed_digit_red_4 */
    "./Res/image/ui3_speed_digit_red_5.png", /* PNG_ui3_speed_digit_red_5 */
    "./Res/image/ui3_speed_digit_red_6.png", /* PNG_ui3_speed_digit_red_6 */
    "./Res/image/ui3_speed_digit_red_7.png", /* PNG_ui3_speed_digit_red_7 */
    "./Res/image/ui3_speed_digit_red_8.png", /* PNG_ui3_speed_digit_red_8 */
    "./Res/image/ui3_speed_digit_red_9.png", /* PNG_ui3_speed_digit_red_9 */
    "./Res/image/ui3_speed_digit_red_dot.png", /* PNG_ui3_speed_digit_red_dot */
    "./Res/image/ui3_speed_digit_degree.png", /* PNG_ui3_speed_digit_degree */
    "./Res/image/ui3_speed_digit_negative.png", /* PNG_ui3_speed_digit_negative */
    "./Res/image/ui3_speed_invalid.png", /* PNG_ui3_speed_invalid */
    "./Res/image/ui3_speed_unit_kmph.png", /* PNG_ui3_speed_unit_kmph */
    "./Res/image/upgrade_icon_waiting.png", /* PNG_upgrade_icon_waiting */
    "./Res/image/upgrade_logo.png", /* PNG_upgrade_logo */
    "./Res/image/upgrade_tips_waiting.png", /* PNG_upgrade_tips_waiting */
    "./Res/image/weather_icon_01.png", /* PNG_weather_icon_01 */
    "./Res/image/weather_icon_02.png", /* PNG_weather_icon_02 */
    "./Res/image/weather_icon_03.png", /* PNG_weather_icon_03 */
    "./Res/image/weather_icon_04.png", /* PNG_weather_icon_04 */
    "./Res/image/weather_icon_05.png", /* PNG_weather_icon_05 */
    "./Res/image/weather_icon_06.png", /* PNG_weather_icon_06 */
    "./Res/image/weather_icon_07.png", /* PNG_weather_icon_07 */
    "./Res/image/weather_icon_08.png", /* PNG_weather_icon_08 */
    "./Res/image/weather_icon_09.png", /* PNG_weather_icon_09 */
    "./Res/image/weather_icon_10.png", /* PNG_weather_icon_10 */
    "./Res/image/weather_icon_11.png", /* PNG_weather_icon_11 */
    "./Res/image/weather_icon_12.png", /* PNG_weather_icon_12 */
    "./Res/image/weather_icon_13.png", /* PNG_weather_icon_13 */
    "./Res/image/weather_icon_14.png", /* PNG_weather_icon_14 */
    "./Res/image/weather_icon_15.png", /* PNG_weather_icon_15 */
    "./Res/image/weather_icon_16.png", /* PNG_weather_icon_16 */
    "./Res/image/weather_icon_17.png", /* PNG_weather_icon_17 */
    "./Res/image/weather_icon_18.png", /* PNG_weather_icon_18 */
    "./Res/image/weather_icon_19.png", /* PNG_weather_icon_19 */
    "./Res/image/weather_icon_20.png", /* PNG_weather_icon_20 */
    "./Res/image/weather_icon_21.png", /* PNG_weather_icon_21 */
    "./Res/image/weather_icon_22.png", /* PNG_weather_icon_22 */
    "./Res/image/weather_icon_23.png", /* PNG_weather_icon_23 */
    "./Res/image/weather_icon_24.png", /* PNG_weather_icon_24 */
    "./Res/image/weather_icon_25.png", /* PNG_weather_icon_25 */
    "./Res/image/weather_icon_26.png", /* PNG_weather_icon_26 */
    "./Res/image/weather_icon_27.png", /* PNG_weather_icon_27 */
    "./Res/image/weather_icon_28.png", /* PNG_weather_icon_28 */
    "./Res/image/weather_icon_29.png", /* PNG_weather_icon_29 */
    "./Res/image/weather_icon_30.png", /* PNG_weather_icon_30 */
    "./Res/image/weather_icon_31.png", /* PNG_weather_icon_31 */
    "./Res/image/weather_icon_32.png", /* PNG_weather_icon_32 */
    "./Res/image/weather_icon_33.png", /* PNG_weather_icon_33 */
    "./Res/image/weather_icon_34.png", /* PNG_weather_icon_34 */
    "./Res/image/weather_icon_35.png", /* PNG_weather_icon_35 */
    "./Res/image/weather_icon_36.png", /* PNG_weather_icon_36 */
    "./Res/image/weather_icon_37.png", /* PNG_weather_icon_37 */
    "./Res/image/weather_shadow.png", /* PNG_weather_shadow */
    "./Res/model3d/Truck_Simple_Model_blue.png", /* PNG_uv_TexCarLarge_Blue */
    "./Res/model3d/Truck_Simple_Model_gray.png", /* PNG_uv_TexCarLarge_Gray */
    "./Res/model3d/Truck_Simple_Model_red.png", /* PNG_uv_TexCarLarge_Red */
    "./Res/model3d/Truck_Simple_Model_yellow.png", /* PNG_uv_TexCarLarge_Yellow */
    "./Res/model3d/Car_Simple_Model_blue.png", /* PNG_uv_TexCarMedium_Blue */
    "./Res/model3d/Car_Simple_Model_gray.png", /* PNG_uv_TexCarMedium_Gray */
    "./Res/model3d/Car_Simple_Model_red.png", /* PNG_uv_TexCarMedium_Red */
    "./Res/model3d/Car_Simple_Model_yellow.png", /* PNG_uv_TexCarMedium_Yellow */
    "./Res/model3d/Bicycle_Simple_Model_blue.png", /* PNG_uv_TexCarSmall_Blue */
    "./Res/model3d/Bicycle_Simple_Model_gray.png", /* PNG_uv_TexCarSmall_Gray */
    "./Res/model3d/Bicycle_Simple_Model_red.png", /* PNG_uv_TexCarSmall_Red */
    "./Res/model3d/Bicycle_Simple_Model_yellow.png", /* PNG_uv_TexCarSmall_Yellow */
    "./Res/image/sampling_000.png", /* PNG_sampling_000 */
    "./Res/image/sampling_001.png", /* PNG_sampling_001 */
    "./Res/image/sampling_002.png", /* PNG_sampling_002 */
    "./Res/image/sampling_003.png", /* PNG_sampling_003 */
    "./Res/image/sampling_004.png", /* PNG_sampling_004 */
    "./Res/image/sampling_005.png", /* PNG_sampling_005 */
    "./Res/image/sampling_006.png", /* PNG_sampling_006 */
    "./Res/image/sampling_007.png", /* PNG_sampling_007 */
    "./Res/image/sampling_008.png", /* PNG_sampling_008 */
    "./Res/image/sampling_009.png", /* PNG_sampling_009 */
    "./Res/image/sampling_010.png", /* PNG_sampling_010 */
    "./Res/image/sampling_011.png", /* PNG_sampling_011 */
    "./Res/image/sampling_012.png", /* PNG_sampling_012 */
    "./Res/image/sampling_013.png", /* PNG_sampling_013 */
    "./Res/image/sampling_014.png", /* PNG_sampling_014 */
    "./Res/image/sampling_015.png", /* PNG_sampling_015 */
    "./Res/image/sampling_016.png", /* PNG_sampling_016 */
    "./Res/image/sampling_017.png", /* PNG_sampling_017 */
    "./Res/image/sampling_018.png", /* PNG_sampling_018 */
    "./Res/image/sampling_019.png", /* PNG_sampling_019 */
    "./Res/image/sampling_020.png", /* PNG_sampling_020 */
    "./Res/image/sampling_021.png", /* PNG_sampling_021 */
    "./Res/image/sampling_022.png", /* PNG_sampling_022 */
    "./Res/image/sampling_023.png", /* PNG_sampling_023 */
    "./Res/image/sampling_024.png", /* PNG_sampling_024 */
    "./Res/image/sampling_025.png", /* PNG_sampling_025 */
    "./Res/image/sampling_026.png", /* PNG_sampling_026 */
    "./Res/image/sampling_027.png", /* PNG_sampling_027 */
    "./Res/image/sampling_028.png", /* PNG_sampling_028 */
    "./Res/image/sampling_029.png", /* PNG_sampling_029 */
    "./Res/image/sampling_030.png", /* PNG_sampling_030 */
    "./Res/image/sampling_031.png", /* PNG_sampling_031 */
    "./Res/image/sampling_032.png", /* PNG_sampling_032 */
    "./Res/image/sampling_033.png", /* PNG_sampling_033 */
    "./Res/image/sampling_034.png", /* PNG_sampling_034 */
    "./Res/image/sampling_035.png", /* PNG_sampling_035 */
    "./Res/image/sampling_036.png", /* PNG_sampling_036 */
    "./Res/image/sampling_037.png", /* PNG_sampling_037 */
    "./Res/image/sampling_038.png", /* PNG_sampling_038 */
    "./Res/image/sampling_039.png", /* PNG_sampling_039 */
    "./Res/image/sampling_040.png", /* PNG_sampling_040 */
    "./Res/image/sampling_041.png", /* PNG_sampling_041 */
    "./Res/image/sampling_042.png", /* PNG_sampling_042 */
    "./Res/image/sampling_043.png", /* PNG_sampling_043 */
    "./Res/image/sampling_044.png", /* PNG_sampling_044 */
    "./Res/image/sampling_045.png", /* PNG_sampling_045 */
    "./Res/image/sampling_046.png", /* PNG_sampling_046 */
    "./Res/image/sampling_047.png", /* PNG_sampling_047 */
    "./Res/image/sampling_048.png", /* PNG_sampling_048 */
    "./Res/image/sampling_049.png", /* PNG_sampling_049 */
    "./Res/image/sampling_050.png", /* PNG_sampling_050 */
    "./Res/image/sampling_051.png", /* PNG_sampling_051 */
    "./Res/image/sampling_052.png", /* PNG_sampling_052 */
    "./Res/image/sampling_053.png", /* PNG_sampling_053 */
    "./Res/image/sampling_054.png", /* PNG_sampling_054 */
    "./Res/image/sampling_055.png", /* PNG_sampling_055 */
    "./Res/image/sampling_056.png", /* PNG_sampling_056 */
    "./Res/image/sampling_057.png", /* PNG_sampling_057 */
    "./Res/image/sampling_058.png", /* PNG_sampling_058 */
    "./Res/image/sampling_059.png", /* PNG_sampling_059 */
    "./Res/image/sampling_060.png", /* PNG_sampling_060 */
    "./Res/image/sampling_061.png", /* PNG_sampling_061 */
    "./Res/image/sampling_062.png", /* PNG_sampling_062 */
    "./Res/image/sampling_063.png", /* PNG_sampling_063 */
    "./Res/image/sampling_064.png", /* PNG_sampling_064 */
    "./Res/image/sampling_065.png", /* PNG_sampling_065 */
    "./Res/image/sampling_066.png", /* PNG_sampling_066 */
    "./Res/image/sampling_067.png", /* PNG_sampling_067 */
    "./Res/image/sampling_068.png", /* PNG_sampling_068 */
    "./Res/image/sampling_069.png", /* PNG_sampling_069 */
    "./Res/image/sampling_070.png", /* PNG_sampling_070 */
    "./Res/image/sampling_071.png", /* PNG_sampling_071 */
    "./Res/image/sampling_072.png", /* PNG_sampling_072 */
    "./Res/image/sampling_073.png", /* PNG_sampling_073 */
    "./Res/image/sampling_074.png", /* PNG_sampling_074 */
    "./Res/image/sampling_075.png", /* PNG_sampling_075 */
    "./Res/image/sampling_076.png", /* PNG_sampling_076 */
    "./Res/image/sampling_077.png", /* PNG_sampling_077 */
    "./Res/image/sampling_078.png", /* PNG_sampling_078 */
    "./Res/image/sampling_079.png", /* PNG_sampling_079 */
    "./Res/image/sampling_080.png", /* PNG_sampling_080 */
    "./Res/image/sampling_081.png", /* PNG_sampling_081 */
    "./Res/image/sampling_082.png", /* PNG_sampling_082 */
    "./Res/image/sampling_083.png", /* PNG_sampling_083 */
    "./Res/image/sampling_084.png", /* PNG_sampling_084 */
    "./Res/image/sampling_085.png", /* PNG_sampling_085 */
    "./Res/image/sampling_086.png", /* PNG_sampling_086 */
    "./Res/image/sampling_087.png", /* PNG_sampling_087 */
    "./Res/image/sampling_088.png", /* PNG_sampling_088 */
    "./Res/image/sampling_089.png", /* PNG_sampling_089 */
    "./Res/image/sampling_090.png", /* PNG_sampling_090 */
    "./Res/image/sampling_091.png", /* PNG_sampling_091 */
    "./Res/image/sampling_092.png", /* PNG_sampling_092 */
    "./Res/image/sampling_093.png", /* PNG_sampling_093 */
    "./Res/image/sampling_094.png", /* PNG_sampling_094 */
    "./Res/image/sampling_095.png", /* PNG_sampling_095 */
    "./Res/image/sampling_096.png", /* PNG_sampling_096 */
    "./Res/image/sampling_097.png", /* PNG_sampling_097 */
    "./Res/image/sampling_098.png", /* PNG_sampling_098 */
    "./Res/image/sampling_099.png", /* PNG_sampling_099 */
    "./Res/image/sampling_100.png", /* PNG_sampling_100 */
    "./Res/image/sampling_101.png", /* PNG_sampling_101 */
    "./Res/image/sampling_102.png", /* PNG_sampling_102 */
    "./Res/image/sampling_103.png", /* PNG_sampling_103 */
    "./Res/image/sampling_104.png", /* PNG_sampling_104 */
    "./Res/image/sampling_105.png", /* PNG_sampling_105 */
    "./Res/image/sampling_106.png", /* PNG_sampling_106 */
    "./Res/image/sampling_107.png", /* PNG_sampling_107 */
    "./Res/image/sampling_108.png", /* PNG_sampling_108 */
    "./Res/image/sampling_109.png", /* PNG_sampling_109 */
    "./Res/image/sampling_110.png", /* PNG_sampling_110 */
    "./Res/image/sampling_111.png", /* PNG_sampling_111 */
    "./Res/image/sampling_112.png", /* PNG_sampling_112 */
    "./Res/image/sampling_113.png", /* PNG_sampling_113 */
    "./Res/image/sampling_114.png", /* PNG_sampling_114 */
    "./Res/image/sampling_115.png", /* PNG_sampling_115 */
    "./Res/image/sampling_116.png", /* PNG_sampling_116 */
    "./Res/image/sampling_117.png", /* PNG_sampling_117 */
    "./Res/image/sampling_118.png", /* PNG_sampling_118 */
    "./Res/image/sampling_119.png", /* PNG_sampling_119 */
    "./Res/image/sampling_120.png", /* PNG_sampling_120 */
    "./Res/image/sampling_121.png", /* PNG_sampling_121 */
    "./Res/image/sampling_122.png", /* PNG_sampling_122 */
    "./Res/image/sampling_123.png", /* PNG_sampling_123 */
    "./Res/image/sampling_124.png", /* PNG_sampling_124 */
    "./Res/image/sampling_125.png", /* PNG_sampling_125 */
    "./Res/image/sampling_126.png", /* PNG_sampling_126 */
    "./Res/image/sampling_127.png", /* PNG_sampling_127 */
    "./Res/image/sampling_128.png", /* PNG_sampling_128 */
    "./Res/image/sampling_129.png", /* PNG_sampling_129 */
    "./Res/image/sampling_130.png", /* PNG_sampling_130 */
    "./Res/image/sampling_131.png", /* PNG_sampling_131 */
    "./Res/image/sampling_132.png", /* PNG_sampling_132 */
    "./Res/image/sampling_133.png", /* PNG_sampling_133 */
    "./Res/image/sampling_134.png", /* PNG_sampling_134 */
    "./Res/image/sampling_135.png", /* PNG_sampling_135 */
    "./Res/image/sampling_136.png", /* PNG_sampling_136 */
    "./Res/image/sampling_137.png", /* PNG_sampling_137 */
    "./Res/image/sampling_138.png", /* PNG_sampling_138 */
    "./Res/image/sampling_139.png", /* PNG_sampling_139 */
    "./Res/image/sampling_140.png", /* PNG_sampling_140 */
    "./Res/image/sampling_141.png", /* PNG_sampling_141 */
    "./Res/image/sampling_142.png", /* PNG_sampling_142 */
    "./Res/image/sampling_143.png", /* PNG_sampling_143 */
    "./Res/image/sampling_144.png", /* PNG_sampling_144 */
    "./Res/image/sampling_145.png", /* PNG_sampling_145 */
    "./Res/image/sampling_146.png", /* PNG_sampling_146 */
    "./Res/image/sampling_147.png", /* PNG_sampling_147 */
    "./Res/image/sampling_148.png", /* PNG_sampling_148 */
    "./Res/image/sampling_149.png", /* PNG_sampling_149 */
    "./Res/image/sampling_250.png", /* PNG_sampling_250 */
    "./Res/image/sampling_251.png", /* PNG_sampling_251 */
    "./Res/image/sampling_252.png", /* PNG_sampling_252 */
    "./Res/image/sampling_253.png", /* PNG_sampling_253 */
    "./Res/image/sampling_254.png", /* PNG_sampling_254 */
    "./Res/image/sampling_255.png", /* PNG_sampling_255 */
    "./Res/image/sampling_256.png", /* PNG_sampling_256 */
    "./Res/image/sampling_257.png", /* PNG_sampling_257 */
    "./Res/image/sampling_258.png", /* PNG_sampling_258 */
    "./Res/image/sampling_259.png", /* PNG_sampling_259 */
    "./Res/image/sampling_260.png", /* PNG_sampling_260 */
    "./Res/image/sampling_261.png", /* PNG_sampling_261 */
    "./Res/image/sampling_262.png", /* PNG_sampling_262 */
    "./Res/image/sampling_263.png", /* PNG_sampling_263 */
    "./Res/image/sampling_264.png", /* PNG_sampling_264 */
    "./Res/image/sampling_265.png", /* PNG_sampling_265 */
    "./Res/image/sampling_266.png", /* PNG_sampling_266 */
    "./Res/image/sampling_267.png", /* PNG_sampling_267 */
    "./Res/image/sampling_268.png", /* PNG_sampling_268 */
    "./Res/image/sampling_269.png", /* PNG_sampling_269 */
    "./Res/image/sampling_wait.png", /* PNG_sampling_wait */
    "./Res/image/sampling_cover.png", /* PNG_sampling_cover */
    "./Res/image/sampling_error.png", /* PNG_sampling_error */
    "./Res/image/alert_dialog_confirm_single_change.png", /* PNG_alert_dialog_confirm_single_change */
    "./Res/image/alert_dialog_confirm_single_retry.png", /* PNG_alert_dialog_confirm_single_retry */
    "./Res/image/alarm_font_collision_failure.png", /* PNG_alarm_font_collision_failure */
    "./Res/image/alarm_lane_warning_failure.png", /* PNG_alarm_lane_warning_failure */
    "./Res/image/alarm_blind_auxiliary_failure.png", /* PNG_alarm_blind_auxiliary_failure */
    "./Res/image/alarm_rear_auxiliary_failure.png", /* PNG_alarm_rear_auxiliary_failure */
    "./Res/image/alarm_ACC_failure.png", /* PNG_alarm_ACC_failure */
    "./Res/image/Lane_assist_left.png", /* PNG_lane_assist_left */
    "./Res/image/Lane_assist_left_alarm.png", /* PNG_lane_assist_left_alarm */
    "./Res/image/Lane_assist_right.png", /* PNG_lane_assist_right */
    "./Res/image/Lane_assist_right_alarm.png", /* PNG_lane_assist_right_alarm */
    "./Res/image/hint_head_s.png", /* PNG_hint_head_s */
    "./Res/image/hint_head_big.png", /* PNG_hint_head_big */
    "./Res/image/hint_head_background.png", /* PNG_hint_head_background */
    "./Res/image/hint_icon_tired.png", /* PNG_hint_icon_tired */
    "./Res/image/hint_icon_tired_2.png", /* PNG_hint_icon_tired_2 */
    "./Res/image/hint_icon_distraction.png", /* PNG_hint_icon_distraction */
    "./Res/image/hint_icon_distraction_lcc.png", /* PNG_hint_icon_distraction_lcc */
    "./Res/image/ACC_009.png", /* PNG_ACC_009 */
    "./Res/image/ACC_028.png", /* PNG_ACC_028 */
    "./Res/image/LCC_009.png", /* PNG_LCC_009 */
    "./Res/image/LCC_027.png", /* PNG_LCC_027 */
    "./Res/image/ui3_basic_bg_backing.png", /* PNG_ui3_basic_bg_backing */
    "./Res/image/ui3_basic_bg_parking.png", /* PNG_ui3_basic_bg_parking */
    "./Res/image/ui3_basic_bg_driving.png", /* PNG_ui3_basic_bg_driving */
    "./Res/image/ui3_basic_bg_backing_night.png", /* PNG_ui3_basic_bg_backing_night */
    "./Res/image/ui3_basic_bg_parking_night.png", /* PNG_ui3_basic_bg_parking_night */
    "./Res/image/ui3_basic_bg_driving_night.png", /* PNG_ui3_basic_bg_driving_night */
    "./Res/image/Nimbo_loading.png", /* PNG_Nimbo_loading */
    "./Res/image/Nimbo_logo.png", /* PNG_Nimbo_logo */
    "./Res/image/Nimbo_symbol.png", /* PNG_Nimbo_symbol */
    "./Res/image/Nimbo_hint_1.png", /* PNG_Nimbo_hint_1 */
    "./Res/image/Nimbo_hint_2.png", /* PNG_Nimbo_hint_2 */
    "./Res/image/logo.png", /* PNG_logo */
};

const Vec2i pngLtp[PNG_NUM] = {
    {0, 0}, /* PNG_charge_background_charging */
    {0, 0}, /* PNG_charge_background_normal */
    {471, 175}, /* PNG_charge_background_car */
    {1069, 404}, /* PNG_charge_range_unit_km */
    {227, 360}, /* PNG_charge_charging */
    {227, 360}, /* PNG_charge_ready */
    {567, 176}, /* PNG_charge_charging_background */
    {644, 208}, /* PNG_charge_charging_bright */
    {778, 294}, /* PNG_charge_charging_progress */
    {567, 176}, /* PNG_charge_full */
    {567, 176}, /* PNG_charge_ready_background */
    {644, 208}, /* PNG_charge_ready_bright */
    {778, 294}, /* PNG_charge_ready_progress */
    {855, 331}, /* PNG_charge_number_shadow */
    {180, 312}, /* PNG_charge_status_shadow */
    {285, 380}, /* PNG_charge_hint_ready */
    {285, 380}, /* PNG_charge_hint_charging */
    {285, 380}, /* PNG_charge_hint_finish */
    {245, 284}, /* PNG_charge_hint_pull_gun */
    {227, 360}, /* PNG_charge_error */
    {285, 380}, /* PNG_charge_hint_stop */
    {245, 284}, /* PNG_charge_hint_contact_maintenance */
    {0, 299}, /* PNG_Charge_Charging_000 */
    {0, 299}, /* PNG_Charge_Charging_001 */
    {0, 299}, /* PNG_Charge_Charging_002 */
    {0, 299}, /* PNG_Charge_Charging_003 */
    {0, 299}, /* PNG_Charge_Charging_004 */
    {0, 299}, /* PNG_Charge_Charging_005 */
    {0, 299}, /* PNG_Charge_Charging_006 */
    {0, 299}, /* PNG_Charge_Charging_007 */
    {0, 299}, /* PNG_Charge_Charging_008 */
    {0, 299}, /* PNG_Charge_Charging_009 */
    {0, 299}, /* PNG_Charge_Charging_010 */
    {0, 299}, /* PNG_Charge_Charging_011 */
    {0, 299}, /* PNG_Charge_Charging_012 */
    {0, 299}, /* PNG_Charge_Charging_013 */
    {0, 299}, /* PNG_Charge_Charging_014 */
    {0, 299}, /* PNG_Charge_Charging_015 */
    {0, 299}, /* PNG_Charge_Charging_016 */
    {0, 299}, /* PNG_Charge_Charging_017 */
    {0, 299}, /* PNG_Charge_Charging_018 */
    {0, 299}, /* PNG_Charge_Charging_019 */
    {0, 299}, /* PNG_Charge_Charging_020 */
    {0, 299}, /* PNG_Charge_Charging_021 */
    {0, 299}, /* PNG_Charge_Charging_022 */
    {0, 299}, /* PNG_Charge_Charging_023 */
    {0, 299}, /* PNG_Charge_Charging_024 */
    {0, 299}, /* PNG_Charge_Charging_025 */
    {0, 299}, /* PNG_Charge_Charging_026 */
    {0, 299}, /* PNG_Charge_Charging_027 */
    {0, 299}, /* PNG_Charge_Charging_028 */
    {0, 299}, /* PNG_Charge_Charging_029 */
    {0, 299}, /* PNG_Charge_Charging_030 */
    {0, 299}, /* PNG_Charge_Charging_031 */
    {0, 299}, /* PNG_Charge_Charging_032 */
    {0, 299}, /* PNG_Charge_Charging_033 */
    {0, 299}, /* PNG_Charge_Charging_034 */
    {0, 299}, /* PNG_Charge_Charging_035 */
    {0, 299}, /* PNG_Charge_Charging_036 */
    {0, 299}, /* PNG_Charge_Charging_037 */
    {0, 299}, /* PNG_Charge_Charging_038 */
    {0, 299}, /* PNG_Charge_Charging_039 */
    {0, 299}, /* PNG_Charge_Charging_040 */
    {0, 299}, /* PNG_Charge_Charging_041 */
    {0, 299}, /* PNG_Charge_Charging_042 */
    {0, 299}, /* PNG_Charge_Charging_043 */
    {560, 160}, /* PNG_check_main_car_blue */
    {560, 160}, /* PNG_check_main_car_blue_cam */
    {560, 160}, /* PNG_check_main_car_Dark_grey */
    {560, 160}, /* PNG_check_main_car_Dark_grey_cam */
    {560, 160}, /* PNG_check_main_car_Grey */
    {560, 160}, /* PNG_check_main_car_Grey_cam */
    {560, 160}, /* PNG_check_main_car_red */
    {560, 160}, /* PNG_check_main_car_red_cam */
    {560, 160}, /* PNG_check_main_car_white */
    {560, 160}, /* PNG_check_main_car_white_cam */
    {560, 160}, /* PNG_check_main_car_all_red */
    {560, 160}, /* PNG_check_main_car_all_red_cam */
    {560, 160}, /* PNG_check_main_car_all_gray */
    {560, 160}, /* PNG_check_main_car_all_gray_cam */
    {560, 160}, /* PNG_check_main_car_all_blue */
    {560, 160}, /* PNG_check_main_car_all_blue_cam */
    {0, 0}, /* PNG_check_background */
    {560, 110}, /* PNG_check_000 */
    {560, 110}, /* PNG_check_001 */
    {560, 110}, /* PNG_check_002 */
    {560, 110}, /* PNG_check_003 */
    {560, 110}, /* PNG_check_004 */
    {560, 110}, /* PNG_check_005 */
    {560, 110}, /* PNG_check_006 */
    {560, 110}, /* PNG_check_007 */
    {560, 110}, /* PNG_check_008 */
    {560, 110}, /* PNG_check_009 */
    {560, 110}, /* PNG_check_010 */
    {560, 110}, /* PNG_check_011 */
    {560, 110}, /* PNG_check_012 */
    {560, 110}, /* PNG_check_013 */
    {560, 110}, /* PNG_check_014 */
    {560, 110}, /* PNG_check_015 */
    {560, 110}, /* PNG_check_016 */
    {560, 110}, /* PNG_check_017 */
    {560, 110}, /* PNG_check_018 */
    {560, 110}, /* PNG_check_019 */
    {560, 110}, /* PNG_check_020 */
    {560, 110}, /* PNG_check_021 */
    {560, 110}, /* PNG_check_022 */
    {560, 110}, /* PNG_check_023 */
    {560, 110}, /* PNG_check_024 */
    {560, 110}, /* PNG_check_025 */
    {560, 110}, /* PNG_check_026 */
    {560, 110}, /* PNG_check_027 */
    {560, 110}, /* PNG_check_028 */
    {560, 110}, /* PNG_check_029 */
    {560, 110}, /* PNG_check_030 */
    {560, 110}, /* PNG_check_031 */
    {560, 110}, /* PNG_check_032 */
    {560, 110}, /* PNG_check_033 */
    {560, 110}, /* PNG_check_034 */
    {560, 110}, /* PNG_check_035 */
    {560, 110}, /* PNG_check_036 */
    {560, 110}, /* PNG_check_037 */
    {560, 110}, /* PNG_check_038 */
    {560, 110}, /* PNG_check_039 */
    {560, 110}, /* PNG_check_040 */
    {560, 110}, /* PNG_check_041 */
    {560, 110}, /* PNG_check_042 */
    {560, 110}, /* PNG_check_043 */
    {560, 110}, /* PNG_check_044 */
    {560, 110}, /* PNG_check_045 */
    {560, 110}, /* PNG_check_046 */
    {560, 110}, /* PNG_check_047 */
    {560, 110}, /* PNG_check_048 */
    {560, 110}, /* PNG_check_049 */
    {560, 110}, /* PNG_check_050 */
    {560, 110}, /* PNG_check_051 */
    {560, 110}, /* PNG_check_052 */
    {560, 110}, /* PNG_check_053 */
    {560, 110}, /* PNG_check_054 */
    {560, 110}, /* PNG_check_055 */
    {560, 110}, /* PNG_check_056 */
    {560, 110}, /* PNG_check_057 */
    {560, 110}, /* PNG_check_058 */
    {560, 110}, /* PNG_check_059 */
    {560, 110}, /* PNG_check_060 */
    {560, 110}, /* PNG_check_061 */
    {560, 110}, /* PNG_check_062 */
    {560, 110}, /* PNG_check_063 */
    {560, 110}, /* PNG_check_064 */
    {560, 110}, /* PNG_check_065 */
    {560, 110}, /* PNG_check_066 */
    {560, 110}, /* PNG_check_067 */
    {560, 110}, /* PNG_check_068 */
    {560, 110}, /* PNG_check_069 */
    {560, 110}, /* PNG_check_070 */
    {560, 110}, /* PNG_check_071 */
    {560, 110}, /* PNG_check_072 */
    {560, 110}, /* PNG_check_073 */
    {560, 110}, /* PNG_check_074 */
    {560, 110}, /* PNG_check_075 */
    {560, 110}, /* PNG_check_076 */
    {560, 110}, /* PNG_check_077 */
    {560, 110}, /* PNG_check_078 */
    {560, 110}, /* PNG_check_079 */
    {560, 110}, /* PNG_check_080 */
    {560, 110}, /* PNG_check_081 */
    {560, 110}, /* PNG_check_082 */
    {560, 110}, /* PNG_check_083 */
    {560, 110}, /* PNG_check_084 */
    {560, 110}, /* PNG_check_085 */
    {560, 110}, /* PNG_check_086 */
    {560, 110}, /* PNG_check_087 */
    {560, 110}, /* PNG_check_088 */
    {560, 110}, /* PNG_check_089 */
    {560, 110}, /* PNG_check_090 */
    {560, 110}, /* PNG_check_091 */
    {560, 110}, /* PNG_check_092 */
    {886, 500}, /* PNG_driving_car_blue_base */
    {950, 502}, /* PNG_driving_car_blue_camera */
    {886, 500}, /* PNG_driving_car_darkgray_base */
    {950, 503}, /* PNG_driving_car_darkgray_camera */
    {886, 500}, /* PNG_driving_car_gray_base */
    {951, 501}, /* PNG_driving_car_gray_camera */
    {886, 500}, /* PNG_driving_car_red_base */
    {951, 504}, /* PNG_driving_car_red_camera */
    {886, 500}, /* PNG_driving_car_white_base */
    {951, 504}, /* PNG_driving_car_white_camera */
    {886, 500}, /* PNG_driving_car_all_red_base */
    {955, 505}, /* PNG_driving_car_all_red_camera */
    {886, 500}, /* PNG_driving_car_all_gray_base */
    {955, 505}, /* PNG_driving_car_all_gray_camera */
    {886, 500}, /* PNG_driving_car_all_blue_base */
    {955, 505}, /* PNG_driving_car_all_blue_camera */
    {901, 551}, /* PNG_driving_car_tail_lamp_brake */
    {951, 613}, /* PNG_driving_car_tail_lamp_fog */
    {910, 577}, /* PNG_driving_car_tail_lamp_left */
    {908, 562}, /* PNG_driving_car_tail_lamp_off */
    {908, 562}, /* PNG_driving_car_tail_lamp_position */
    {980, 578}, /* PNG_driving_car_tail_lamp_right */
    {911, 601}, /* PNG_driving_car_tail_shelter */
    {850, 430}, /* PNG_driving_high_beam */
    {850, 430}, /* PNG_driving_low_beam */
    {0, 630}, /* PNG_eco_001 */
    {0, 630}, /* PNG_eco_002 */
    {0, 630}, /* PNG_eco_003 */
    {0, 630}, /* PNG_eco_004 */
    {0, 630}, /* PNG_eco_005 */
    {0, 630}, /* PNG_eco_006 */
    {0, 630}, /* PNG_eco_007 */
    {0, 630}, /* PNG_eco_008 */
    {0, 630}, /* PNG_eco_009 */
    {0, 630}, /* PNG_eco_010 */
    {0, 630}, /* PNG_eco_011 */
    {0, 630}, /* PNG_eco_012 */
    {0, 630}, /* PNG_eco_013 */
    {0, 630}, /* PNG_eco_014 */
    {0, 630}, /* PNG_eco_015 */
    {0, 630}, /* PNG_eco_016 */
    {0, 630}, /* PNG_eco_017 */
    {0, 630}, /* PNG_eco_018 */
    {0, 630}, /* PNG_eco_019 */
    {0, 630}, /* PNG_eco_020 */
    {0, 630}, /* PNG_eco_021 */
    {0, 630}, /* PNG_eco_022 */
    {0, 630}, /* PNG_eco_023 */
    {0, 630}, /* PNG_eco_024 */
    {0, 630}, /* PNG_eco_025 */
    {0, 630}, /* PNG_eco_026 */
    {0, 630}, /* PNG_eco_027 */
    {0, 630}, /* PNG_eco_028 */
    {0, 630}, /* PNG_eco_029 */
    {0, 630}, /* PNG_eco_030 */
    {0, 630}, /* PNG_eco_031 */
    {0, 630}, /* PNG_eco_032 */
    {0, 630}, /* PNG_eco_033 */
    {0, 630}, /* PNG_eco_034 */
    {0, 630}, /* PNG_eco_035 */
    {0, 630}, /* PNG_eco_036 */
    {0, 630}, /* PNG_eco_037 */
    {0, 630}, /* PNG_eco_038 */
    {0, 630}, /* PNG_eco_039 */
    {0, 630}, /* PNG_eco_040 */
    {0, 630}, /* PNG_eco_041 */
    {0, 630}, /* PNG_eco_042 */
    {0, 630}, /* PNG_sport_000 */
    {0, 630}, /* PNG_sport_001 */
    {0, 630}, /* PNG_sport_002 */
    {0, 630}, /* PNG_sport_003 */
    {0, 630}, /* PNG_sport_004 */
    {0, 630}, /* PNG_sport_005 */
    {0, 630}, /* PNG_sport_006 */
    {0, 630}, /* PNG_sport_007 */
    {0, 630}, /* PNG_sport_008 */
    {0, 630}, /* PNG_sport_009 */
    {0, 630}, /* PNG_sport_010 */
    {0, 630}, /* PNG_sport_011 */
    {0, 630}, /* PNG_sport_012 */
    {0, 630}, /* PNG_sport_013 */
    {0, 630}, /* PNG_sport_014 */
    {0, 630}, /* PNG_sport_015 */
    {0, 630}, /* PNG_sport_016 */
    {0, 630}, /* PNG_sport_017 */
    {0, 630}, /* PNG_sport_018 */
    {0, 630}, /* PNG_sport_019 */
    {0, 630}, /* PNG_sport_020 */
    {0, 630}, /* PNG_sport_021 */
    {0, 630}, /* PNG_sport_022 */
    {0, 630}, /* PNG_sport_023 */
    {0, 630}, /* PNG_sport_024 */
    {0, 630}, /* PNG_sport_025 */
    {0, 630}, /* PNG_sport_026 */
    {0, 630}, /* PNG_sport_027 */
    {0, 630}, /* PNG_sport_028 */
    {0, 630}, /* PNG_sport_029 */
    {0, 630}, /* PNG_sport_030 */
    {0, 630}, /* PNG_sport_031 */
    {0, 630}, /* PNG_sport_032 */
    {0, 630}, /* PNG_sport_033 */
    {0, 630}, /* PNG_sport_034 */
    {0, 630}, /* PNG_sport_035 */
    {0, 630}, /* PNG_sport_036 */
    {0, 630}, /* PNG_sport_037 */
    {0, 630}, /* PNG_sport_038 */
    {0, 630}, /* PNG_sport_039 */
    {0, 630}, /* PNG_sport_040 */
    {0, 630}, /* PNG_sport_041 */
    {0, 630}, /* PNG_sport_042 */
    {900, 636}, /* PNG_style_led_eco */
    {900, 636}, /* PNG_style_led_sport */
    {305, 205}, /* PNG_module_clock_bg */
    {315, 510}, /* PNG_module_clock_shadow */
    {305, 205}, /* PNG_module_clock_hour */
    {305, 205}, /* PNG_module_clock_minute */
    {199, 253}, /* PNG_module_media_black_tape */
    {166, 263}, /* PNG_module_media_cover_fm_default */
    {166, 263}, /* PNG_module_media_cover_music_default */
    {166, 263}, /* PNG_module_media_cover_netbook_default */
    {218, 262}, /* PNG_module_media_fm_bg */
    {391, 421}, /* PNG_module_media_progress_bar */
    {391, 421}, /* PNG_module_media_progress_bar_bg */
    {381, 389}, /* PNG_module_media_progress_cursor */
    {208, 483}, /* PNG_module_media_shadow */
    {1384, 172}, /* PNG_menu_right_icon_mediasrc */
    {1384, 172}, /* PNG_menu_right_icon_mediasrc_gray */
    {1470, 215}, /* PNG_menu_right_icon_setsun */
    {1470, 215}, /* PNG_menu_right_icon_settemp */
    {1470, 215}, /* PNG_menu_right_icon_setwindpwr */
    {1384, 172}, /* PNG_menu_right_icon_sun */
    {1384, 172}, /* PNG_menu_right_icon_sun_gray */
    {1384, 172}, /* PNG_menu_right_icon_temp */
    {1384, 172}, /* PNG_menu_right_icon_temp_gray */
    {1384, 172}, /* PNG_menu_right_icon_windmd */
    {1384, 172}, /* PNG_menu_right_icon_windmd_gray */
    {1384, 172}, /* PNG_menu_right_icon_windpwr */
    {1384, 172}, /* PNG_menu_right_icon_windpwr_gray */
    {1270, 540}, /* PNG_menu_right_shadow */
    {1250, 150}, /* PNG_menu_right_value_set_bg */
    {1688, 190}, /* PNG_menu_right_value_set_pcursor */
    {1700, 190}, /* PNG_menu_right_value_set_progress */
    {404, 484}, /* PNG_module_energy_cost_avg_unit */
    {243, 193}, /* PNG_module_energy_cost_bar_negative */
    {243, 193}, /* PNG_module_energy_cost_bar_positive */
    {621, 386}, /* PNG_module_energy_cost_bar_zero */
    {243, 193}, /* PNG_module_energy_cost_bg */
    {591, 300}, /* PNG_module_energy_cost_cursor */
    {275, 452}, /* PNG_module_energy_cost_graph_line_bottom */
    {275, 400}, /* PNG_module_energy_cost_graph_line_zero */
    {0, 0}, /* PNG_module_energy_cost_power_cursor */
    {243, 560}, /* PNG_module_energy_cost_shadow */
    {233, 386}, /* PNG_module_L0_decoration */
    {0, 0}, /* PNG_module_L0_icon_energy_cost */
    {0, 0}, /* PNG_module_L0_icon_media */
    {0, 0}, /* PNG_module_L0_icon_navigation */
    {0, 0}, /* PNG_module_L0_icon_null */
    {0, 0}, /* PNG_module_L0_icon_phone */
    {0, 0}, /* PNG_module_L0_icon_vehicle_status */
    {0, 0}, /* PNG_module_L0_icon_weather */
    {0, 0}, /* PNG_module_L0_icon_trip */
    {0, 0}, /* PNG_module_L0_icon_clock */
    {150, 220}, /* PNG_module_trip_bg */
    {150, 540}, /* PNG_module_trip_shadow */
    {395, 220}, /* PNG_module_vehicle_status_backtrunk_close */
    {395, 220}, /* PNG_module_vehicle_status_backtrunk_open */
    {395, 220}, /* PNG_module_vehicle_status_body */
    {395, 220}, /* PNG_module_vehicle_status_fronttrunk_close */
    {395, 220}, /* PNG_module_vehicle_status_fronttrunk_open */
    {395, 220}, /* PNG_module_vehicle_status_lbdoor_close */
    {395, 220}, /* PNG_module_vehicle_status_lbdoor_open */
    {395, 220}, /* PNG_module_vehicle_status_lfdoor_close */
    {395, 220}, /* PNG_module_vehicle_status_lfdoor_open */
    {395, 220}, /* PNG_module_vehicle_status_rbdoor_close */
    {395, 220}, /* PNG_module_vehicle_status_rbdoor_open */
    {395, 220}, /* PNG_module_vehicle_status_rfdoor_close */
    {395, 220}, /* PNG_module_vehicle_status_rfdoor_open */
    {335, 545}, /* PNG_module_vehicle_status_shadow */
    {378, 256}, /* PNG_module_vehicle_status_wheel_alarm */
    {378, 256}, /* PNG_module_vehicle_status_wheel_alarm_add */
    {378, 256}, /* PNG_module_vehicle_status_wheel_normal */
    {380, 520}, /* PNG_module_vehicle_shadow */
    {1416, 317}, /* PNG_module_phone_icon_incall_answer */
    {1411, 392}, /* PNG_module_phone_icon_incall_hangup */
    {1412, 452}, /* PNG_module_phone_icon_incall_mute */
    {1513, 337}, /* PNG_module_phone_icon_waiting */
    {1297, 181}, /* PNG_module_phone_incall_bg */
    {1295, 200}, /* PNG_module_phone_list_bg */
    {1244, 249}, /* PNG_module_phone_list_select_dec */
    {1300, 557}, /* PNG_module_phone_shadow */
    {1297, 227}, /* PNG_module_phone_speaking_bg */
    {1374, 348}, /* PNG_module_phone_tips_list_loading */
    {1405, 349}, /* PNG_module_phone_tips_no_record */
    {1381, 348}, /* PNG_module_phone_tips_unavailable */
    {606, 300}, /* PNG_parking_car_blue_base */
    {606, 300}, /* PNG_parking_car_blue_camera */
    {606, 300}, /* PNG_parking_car_blue_trunk_close */
    {606, 300}, /* PNG_parking_car_blue_trunk_open */
    {606, 300}, /* PNG_parking_car_blue_chargeport_close */
    {606, 300}, /* PNG_parking_car_blue_chargeport_open */
    {606, 300}, /* PNG_parking_car_blue_enginetop_close */
    {606, 300}, /* PNG_parking_car_blue_enginetop_open */
    {606, 300}, /* PNG_parking_car_blue_lbdoor_close */
    {606, 300}, /* PNG_parking_car_blue_lbdoor_open */
    {606, 300}, /* PNG_parking_car_blue_lfdoor_close */
    {606, 300}, /* PNG_parking_car_blue_lfdoor_open */
    {606, 300}, /* PNG_parking_car_blue_rbdoor_close */
    {606, 300}, /* PNG_parking_car_blue_rbdoor_open */
    {606, 300}, /* PNG_parking_car_blue_rfdoor_close */
    {606, 300}, /* PNG_parking_car_blue_rfdoor_open */
    {606, 300}, /* PNG_parking_car_darkgray_base */
    {606, 300}, /* PNG_parking_car_darkgray_camera */
    {606, 300}, /* PNG_parking_car_darkgray_trunk_close */
    {606, 300}, /* PNG_parking_car_darkgray_trunk_open */
    {606, 300}, /* PNG_parking_car_darkgray_chargeport_close */
    {606, 300}, /* PNG_parking_car_darkgray_chargeport_open */
    {606, 300}, /* PNG_parking_car_darkgray_enginetop_close */
    {606, 300}, /* PNG_parking_car_darkgray_enginetop_open */
    {606, 300}, /* PNG_parking_car_darkgray_lbdoor_close */
    {606, 300}, /* PNG_parking_car_darkgray_lbdoor_open */
    {606, 300}, /* PNG_parking_car_darkgray_lfdoor_close */
    {606, 300}, /* PNG_parking_car_darkgray_lfdoor_open */
    {606, 300}, /* PNG_parking_car_darkgray_rbdoor_close */
    {606, 300}, /* PNG_parking_car_darkgray_rbdoor_open */
    {606, 300}, /* PNG_parking_car_darkgray_rfdoor_close */
    {606, 300}, /* PNG_parking_car_darkgray_rfdoor_open */
    {606, 300}, /* PNG_parking_car_gray_base */
    {606, 300}, /* PNG_parking_car_gray_camera */
    {606, 300}, /* PNG_parking_car_gray_trunk_close */
    {606, 300}, /* PNG_parking_car_gray_trunk_open */
    {606, 300}, /* PNG_parking_car_gray_chargeport_close */
    {606, 300}, /* PNG_parking_car_gray_chargeport_open */
    {606, 300}, /* PNG_parking_car_gray_enginetop_close */
    {606, 300}, /* PNG_parking_car_gray_enginetop_open */
    {606, 300}, /* PNG_parking_car_gray_lbdoor_close */
    {606, 300}, /* PNG_parking_car_gray_lbdoor_open */
    {606, 300}, /* PNG_parking_car_gray_lfdoor_close */
    {606, 300}, /* PNG_parking_car_gray_lfdoor_open */
    {606, 300}, /* PNG_parking_car_gray_rbdoor_close */
    {606, 300}, /* PNG_parking_car_gray_rbdoor_open */
    {606, 300}, /* PNG_parking_car_gray_rfdoor_close */
    {606, 300}, /* PNG_parking_car_gray_rfdoor_open */
    {606, 300}, /* PNG_parking_car_all_red_base */
    {606, 300}, /* PNG_parking_car_all_red_camera */
    {606, 300}, /* PNG_parking_car_all_red_trunk_close */
    {606, 300}, /* PNG_parking_car_all_red_trunk_open */
    {606, 300}, /* PNG_parking_car_all_gray_base */
    {606, 300}, /* PNG_parking_car_all_gray_camera */
    {606, 300}, /* PNG_parking_car_all_gray_trunk_close */
    {606, 300}, /* PNG_parking_car_all_gray_trunk_open */
    {606, 300}, /* PNG_parking_car_all_blue_base */
    {606, 300}, /* PNG_parking_car_all_blue_camera */
    {606, 300}, /* PNG_parking_car_all_blue_trunk_close */
    {606, 300}, /* PNG_parking_car_all_blue_trunk_open */
    {606, 300}, /* PNG_parking_car_red_base */
    {606, 300}, /* PNG_parking_car_red_camer */
    {606, 300}, /* PNG_parking_car_red_trunk_close */
    {606, 300}, /* PNG_parking_car_red_trunk_open */
    {606, 300}, /* PNG_parking_car_red_chargeport_close */
    {606, 300}, /* PNG_parking_car_red_chargeport_open */
    {606, 300}, /* PNG_parking_car_red_enginetop_close */
    {606, 300}, /* PNG_parking_car_red_enginetop_open */
    {606, 300}, /* PNG_parking_car_red_lbdoor_close */
    {606, 300}, /* PNG_parking_car_red_lbdoor_open */
    {606, 300}, /* PNG_parking_car_red_lfdoor_close */
    {606, 300}, /* PNG_parking_car_red_lfdoor_open */
    {606, 300}, /* PNG_parking_car_red_rbdoor_close */
    {606, 300}, /* PNG_parking_car_red_rbdoor_open */
    {606, 300}, /* PNG_parking_car_red_rfdoor_close */
    {606, 300}, /* PNG_parking_car_red_rfdoor_open */
    {606, 300}, /* PNG_parking_car_wheel_0 */
    {606, 300}, /* PNG_parking_car_wheel_l30 */
    {606, 300}, /* PNG_parking_car_wheel_l45 */
    {606, 300}, /* PNG_parking_car_wheel_l60 */
    {606, 300}, /* PNG_parking_car_wheel_r30 */
    {606, 300}, /* PNG_parking_car_wheel_r45 */
    {606, 300}, /* PNG_parking_car_wheel_r60 */
    {606, 300}, /* PNG_parking_car_white_base */
    {606, 300}, /* PNG_parking_car_white_camer */
    {606, 300}, /* PNG_parking_car_white_trunk_close */
    {606, 300}, /* PNG_parking_car_white_trunk_open */
    {606, 300}, /* PNG_parking_car_white_chargeport_close */
    {606, 300}, /* PNG_parking_car_white_chargeport_open */
    {606, 300}, /* PNG_parking_car_white_enginetop_close */
    {606, 300}, /* PNG_parking_car_white_enginetop_open */
    {606, 300}, /* PNG_parking_car_white_lbdoor_close */
    {606, 300}, /* PNG_parking_car_white_lbdoor_open */
    {606, 300}, /* PNG_parking_car_white_lfdoor_close */
    {606, 300}, /* PNG_parking_car_white_lfdoor_open */
    {606, 300}, /* PNG_parking_car_white_rbdoor_close */
    {606, 300}, /* PNG_parking_car_white_rbdoor_open */
    {606, 300}, /* PNG_parking_car_white_rfdoor_close */
    {606, 300}, /* PNG_parking_car_white_rfdoor_open */
    {748, 392}, /* PNG_radar_car_front_blue */
    {748, 392}, /* PNG_radar_car_front_dark_grey */
    {748, 392}, /* PNG_radar_car_front_grey */
    {748, 392}, /* PNG_radar_car_front_red */
    {748, 392}, /* PNG_radar_car_front_white */
    {196, 0}, /* PNG_radar_car_rear_blue */
    {196, 0}, /* PNG_radar_car_rear_dark_grey */
    {196, 0}, /* PNG_radar_car_rear_grey */
    {196, 0}, /* PNG_radar_car_rear_red */
    {196, 0}, /* PNG_radar_car_rear_white */
    {196, 0}, /* PNG_radar_car_rear_all_red */
    {196, 0}, /* PNG_radar_car_rear_all_grey */
    {196, 0}, /* PNG_radar_car_rear_all_blue */
    {718, 304}, /* PNG_radar_mask_front */
    {163, 159}, /* PNG_radar_mask_rear */
    {709, 497}, /* PNG_rolling_00 */
    {709, 497}, /* PNG_rolling_01 */
    {709, 497}, /* PNG_rolling_02 */
    {709, 497}, /* PNG_rolling_03 */
    {709, 497}, /* PNG_rolling_04 */
    {709, 497}, /* PNG_rolling_05 */
    {709, 497}, /* PNG_rolling_06 */
    {709, 497}, /* PNG_rolling_07 */
    {709, 497}, /* PNG_rolling_08 */
    {709, 497}, /* PNG_rolling_09 */
    {709, 497}, /* PNG_rolling_10 */
    {709, 497}, /* PNG_rolling_11 */
    {0, 0}, /* PNG_VAI_in_000 */
    {0, 0}, /* PNG_VAI_in_001 */
    {0, 0}, /* PNG_VAI_in_002 */
    {0, 0}, /* PNG_VAI_in_003 */
    {0, 0}, /* PNG_VAI_in_004 */
    {0, 0}, /* PNG_VAI_in_005 */
    {0, 0}, /* PNG_VAI_in_006 */
    {0, 0}, /* PNG_VAI_in_007 */
    {0, 0}, /* PNG_VAI_in_008 */
    {0, 0}, /* PNG_VAI_in_009 */
    {0, 0}, /* PNG_VAI_in_010 */
    {0, 0}, /* PNG_VAI_in_011 */
    {0, 0}, /* PNG_VAI_in_012 */
    {0, 0}, /* PNG_VAI_in_013 */
    {0, 0}, /* PNG_VAI_in_014 */
    {0, 0}, /* PNG_VAI_in_015 */
    {0, 0}, /* PNG_VAI_in_016 */
    {0, 0}, /* PNG_VAI_in_017 */
    {0, 0}, /* PNG_VAI_in_018 */
    {0, 0}, /* PNG_VAI_in_019 */
    {0, 0}, /* PNG_VAI_in_020 */
    {0, 0}, /* PNG_VAI_in_021 */
    {0, 0}, /* PNG_VAI_in_022 */
    {0, 0}, /* PNG_VAI_in_023 */
    {0, 0}, /* PNG_VAI_in_024 */
    {0, 0}, /* PNG_VAI_in_025 */
    {0, 0}, /* PNG_VAI_in_026 */
    {0, 0}, /* PNG_VAI_in_027 */
    {0, 0}, /* PNG_VAI_in_028 */
    {0, 0}, /* PNG_VAI_in_029 */
    {0, 0}, /* PNG_VAI_in_030 */
    {0, 0}, /* PNG_VAI_in_031 */
    {0, 0}, /* PNG_VAI_in_032 */
    {0, 0}, /* PNG_VAI_in_033 */
    {0, 0}, /* PNG_VAI_in_034 */
    {0, 0}, /* PNG_VAI_in_035 */
    {0, 0}, /* PNG_VAI_in_036 */
    {0, 0}, /* PNG_VAI_in_037 */
    {0, 0}, /* PNG_VAI_in_038 */
    {0, 0}, /* PNG_VAI_in_039 */
    {0, 0}, /* PNG_VAI_waiting_000 */
    {0, 0}, /* PNG_VAI_waiting_001 */
    {0, 0}, /* PNG_VAI_waiting_002 */
    {0, 0}, /* PNG_VAI_waiting_003 */
    {0, 0}, /* PNG_VAI_waiting_004 */
    {0, 0}, /* PNG_VAI_waiting_005 */
    {0, 0}, /* PNG_VAI_waiting_006 */
    {0, 0}, /* PNG_VAI_waiting_007 */
    {0, 0}, /* PNG_VAI_waiting_008 */
    {0, 0}, /* PNG_VAI_waiting_009 */
    {0, 0}, /* PNG_VAI_waiting_010 */
    {0, 0}, /* PNG_VAI_waiting_011 */
    {0, 0}, /* PNG_VAI_waiting_012 */
    {0, 0}, /* PNG_VAI_waiting_013 */
    {0, 0}, /* PNG_VAI_waiting_014 */
    {0, 0}, /* PNG_VAI_waiting_015 */
    {0, 0}, /* PNG_VAI_waiting_016 */
    {0, 0}, /* PNG_VAI_waiting_017 */
    {0, 0}, /* PNG_VAI_waiting_018 */
    {0, 0}, /* PNG_VAI_waiting_019 */
    {0, 0}, /* PNG_VAI_waiting_020 */
    {0, 0}, /* PNG_VAI_waiting_021 */
    {0, 0}, /* PNG_VAI_waiting_022 */
    {0, 0}, /* PNG_VAI_waiting_023 */
    {0, 0}, /* PNG_VAI_waiting_024 */
    {0, 0}, /* PNG_VAI_waiting_025 */
    {0, 0}, /* PNG_VAI_waiting_026 */
    {0, 0}, /* PNG_VAI_waiting_027 */
    {0, 0}, /* PNG_VAI_waiting_028 */
    {0, 0}, /* PNG_VAI_waiting_029 */
    {0, 0}, /* PNG_VAI_waiting_030 */
    {0, 0}, /* PNG_VAI_waiting_031 */
    {0, 0}, /* PNG_VAI_waiting_032 */
    {0, 0}, /* PNG_VAI_waiting_033 */
    {0, 0}, /* PNG_VAI_waiting_034 */
    {0, 0}, /* PNG_VAI_waiting_035 */
    {0, 0}, /* PNG_VAI_waiting_036 */
    {0, 0}, /* PNG_VAI_waiting_037 */
    {0, 0}, /* PNG_VAI_waiting_038 */
    {0, 0}, /* PNG_VAI_waiting_039 */
    {0, 0}, /* PNG_VAI_recognizing_000 */
    {0, 0}, /* PNG_VAI_recognizing_001 */
    {0, 0}, /* PNG_VAI_recognizing_002 */
    {0, 0}, /* PNG_VAI_recognizing_003 */
    {0, 0}, /* PNG_VAI_recognizing_004 */
    {0, 0}, /* PNG_VAI_recognizing_005 */
    {0, 0}, /* PNG_VAI_recognizing_006 */
    {0, 0}, /* PNG_VAI_recognizing_007 */
    {0, 0}, /* PNG_VAI_recognizing_008 */
    {0, 0}, /* PNG_VAI_recognizing_009 */
    {0, 0}, /* PNG_VAI_recognizing_010 */
    {0, 0}, /* PNG_VAI_recognizing_011 */
    {0, 0}, /* PNG_VAI_recognizing_012 */
    {0, 0}, /* PNG_VAI_recognizing_013 */
    {0, 0}, /* PNG_VAI_recognizing_014 */
    {0, 0}, /* PNG_VAI_recognizing_015 */
    {0, 0}, /* PNG_VAI_recognizing_016 */
    {0, 0}, /* PNG_VAI_recognizing_017 */
    {0, 0}, /* PNG_VAI_recognizing_018 */
    {0, 0}, /* PNG_VAI_recognizing_019 */
    {0, 0}, /* PNG_VAI_recognizing_020 */
    {0, 0}, /* PNG_VAI_recognizing_021 */
    {0, 0}, /* PNG_VAI_recognizing_022 */
    {0, 0}, /* PNG_VAI_recognizing_023 */
    {0, 0}, /* PNG_VAI_recognizing_024 */
    {0, 0}, /* PNG_VAI_recognizing_025 */
    {0, 0}, /* PNG_VAI_recognizing_026 */
    {0, 0}, /* PNG_VAI_recognizing_027 */
    {0, 0}, /* PNG_VAI_recognizing_028 */
    {0, 0}, /* PNG_VAI_recognizing_029 */
    {0, 0}, /* PNG_VAI_recognizing_030 */
    {0, 0}, /* PNG_VAI_recognizing_031 */
    {0, 0}, /* PNG_VAI_recognizing_032 */
    {0, 0}, /* PNG_VAI_recognizing_033 */
    {0, 0}, /* PNG_VAI_recognizing_034 */
    {0, 0}, /* PNG_VAI_recognizing_035 */
    {0, 0}, /* PNG_VAI_recognizing_036 */
    {0, 0}, /* PNG_VAI_recognizing_037 */
    {0, 0}, /* PNG_VAI_recognizing_038 */
    {0, 0}, /* PNG_VAI_recognizing_039 */
    {0, 0}, /* PNG_VAI_speaking_000 */
    {0, 0}, /* PNG_VAI_speaking_001 */
    {0, 0}, /* PNG_VAI_speaking_002 */
    {0, 0}, /* PNG_VAI_speaking_003 */
    {0, 0}, /* PNG_VAI_speaking_004 */
    {0, 0}, /* PNG_VAI_speaking_005 */
    {0, 0}, /* PNG_VAI_speaking_006 */
    {0, 0}, /* PNG_VAI_speaking_007 */
    {0, 0}, /* PNG_VAI_speaking_008 */
    {0, 0}, /* PNG_VAI_speaking_009 */
    {0, 0}, /* PNG_VAI_speaking_010 */
    {0, 0}, /* PNG_VAI_speaking_011 */
    {0, 0}, /* PNG_VAI_speaking_012 */
    {0, 0}, /* PNG_VAI_speaking_013 */
    {0, 0}, /* PNG_VAI_speaking_014 */
    {0, 0}, /* PNG_VAI_speaking_015 */
    {0, 0}, /* PNG_VAI_speaking_016 */
    {0, 0}, /* PNG_VAI_speaking_017 */
    {0, 0}, /* PNG_VAI_speaking_018 */
    {0, 0}, /* PNG_VAI_speaking_019 */
    {0, 0}, /* PNG_VAI_speaking_020 */
    {0, 0}, /* PNG_VAI_speaking_021 */
    {0, 0}, /* PNG_VAI_speaking_022 */
    {0, 0}, /* PNG_VAI_speaking_023 */
    {0, 0}, /* PNG_VAI_speaking_024 */
    {0, 0}, /* PNG_VAI_speaking_025 */
    {0, 0}, /* PNG_VAI_speaking_026 */
    {0, 0}, /* PNG_VAI_speaking_027 */
    {0, 0}, /* PNG_VAI_speaking_028 */
    {0, 0}, /* PNG_VAI_speaking_029 */
    {0, 0}, /* PNG_VAI_speaking_030 */
    {0, 0}, /* PNG_VAI_speaking_031 */
    {0, 0}, /* PNG_VAI_speaking_032 */
    {0, 0}, /* PNG_VAI_speaking_033 */
    {0, 0}, /* PNG_VAI_speaking_034 */
    {0, 0}, /* PNG_VAI_speaking_035 */
    {0, 0}, /* PNG_VAI_speaking_036 */
    {0, 0}, /* PNG_VAI_speaking_037 */
    {0, 0}, /* PNG_VAI_speaking_038 */
    {0, 0}, /* PNG_VAI_speaking_039 */
    {165, 221}, /* PNG_VAI_shadow */
    {932, 104}, /* PNG_ui3_speed_digit_0 */
    {932, 104}, /* PNG_ui3_speed_digit_1 */
    {932, 104}, /* PNG_ui3_speed_digit_2 */
    {932, 104}, /* PNG_ui3_speed_digit_3 */
    {932, 104}, /* PNG_ui3_speed_digit_4 */
    {932, 104}, /* PNG_ui3_speed_digit_5 */
    {932, 104}, /* PNG_ui3_speed_digit_6 */
    {932, 104}, /* PNG_ui3_speed_digit_7 */
    {932, 104}, /* PNG_ui3_speed_digit_8 */
    {932, 104}, /* PNG_ui3_speed_digit_9 */
    {932, 104}, /* PNG_ui3_speed_digit_dot */
    {932, 104}, /* PNG_ui3_speed_digit_red_0 */
    {932, 104}, /* PNG_ui3_speed_digit_red_1 */
    {932, 104}, /* PNG_ui3_speed_digit_red_2 */
    {932, 104}, /* PNG_ui3_speed_digit_red_3 */
    {932, 104}, /* PNG_ui3_speed_digit_red_4 */
    {932, 104}, /* PNG_ui3_speed_digit_red_5 */
    {932, 104}, /* PNG_ui3_speed_digit_red_6 */
    {932, 104}, /* PNG_ui3_speed_digit_red_7 */
    {932, 104}, /* PNG_ui3_speed_digit_red_8 */
    {932, 104}, /* PNG_ui3_speed_digit_red_9 */
    {932, 104}, /* PNG_ui3_speed_digit_red_dot */
    {932, 104}, /* PNG_ui3_speed_digit_degree */
    {932, 104}, /* PNG_ui3_speed_digit_negative */
    {880, 104}, /* PNG_ui3_speed_invalid */
    {915, 190}, /* PNG_ui3_speed_unit_kmph */
    {1167, 475}, /* PNG_upgrade_icon_waiting */
    {678, 273}, /* PNG_upgrade_logo */
    {802, 492}, /* PNG_upgrade_tips_waiting */
    {123, 210}, /* PNG_weather_icon_01 */
    {123, 210}, /* PNG_weather_icon_02 */
    {123, 210}, /* PNG_weather_icon_03 */
    {123, 210}, /* PNG_weather_icon_04 */
    {123, 210}, /* PNG_weather_icon_05 */
    {123, 210}, /* PNG_weather_icon_06 */
    {123, 210}, /* PNG_weather_icon_07 */
    {123, 210}, /* PNG_weather_icon_08 */
    {123, 210}, /* PNG_weather_icon_09 */
    {123, 210}, /* PNG_weather_icon_10 */
    {123, 210}, /* PNG_weather_icon_11 */
    {123, 210}, /* PNG_weather_icon_12 */
    {123, 210}, /* PNG_weather_icon_13 */
    {123, 210}, /* PNG_weather_icon_14 */
    {123, 210}, /* PNG_weather_icon_15 */
    {123, 210}, /* PNG_weather_icon_16 */
    {123, 210}, /* PNG_weather_icon_17 */
    {123, 210}, /* PNG_weather_icon_18 */
    {123, 210}, /* PNG_weather_icon_19 */
    {123, 210}, /* PNG_weather_icon_20 */
    {123, 210}, /* PNG_weather_icon_21 */
    {123, 210}, /* PNG_weather_icon_22 */
    {123, 210}, /* PNG_weather_icon_23 */
    {123, 210}, /* PNG_weather_icon_24 */
    {123, 210}, /* PNG_weather_icon_25 */
    {123, 210}, /* PNG_weather_icon_26 */
    {123, 210}, /* PNG_weather_icon_27 */
    {123, 210}, /* PNG_weather_icon_28 */
    {123, 210}, /* PNG_weather_icon_29 */
    {123, 210}, /* PNG_weather_icon_30 */
    {123, 210}, /* PNG_weather_icon_31 */
    {123, 210}, /* PNG_weather_icon_32 */
    {123, 210}, /* PNG_weather_icon_33 */
    {123, 210}, /* PNG_weather_icon_34 */
    {123, 210}, /* PNG_weather_icon_35 */
    {123, 210}, /* PNG_weather_icon_36 */
    {123, 210}, /* PNG_weather_icon_37 */
    {159, 534}, /* PNG_weather_shadow */
    {0, 0}, /* PNG_uv_TexCarLarge_Blue */
    {0, 0}, /* PNG_uv_TexCarLarge_Gray */
    {0, 0}, /* PNG_uv_TexCarLarge_Red */
    {0, 0}, /* PNG_uv_TexCarLarge_Yellow */
    {0, 0}, /* PNG_uv_TexCarMedium_Blue */
    {0, 0}, /* PNG_uv_TexCarMedium_Gray */
    {0, 0}, /* PNG_uv_TexCarMedium_Red */
    {0, 0}, /* PNG_uv_TexCarMedium_Yellow */
    {0, 0}, /* PNG_uv_TexCarSmall_Blue */
    {0, 0}, /* PNG_uv_TexCarSmall_Gray */
    {0, 0}, /* PNG_uv_TexCarSmall_Red */
    {0, 0}, /* PNG_uv_TexCarSmall_Yellow */
    {1317, 167}, /* PNG_sampling_000 */
    {1317, 167}, /* PNG_sampling_001 */
    {1317, 167}, /* PNG_sampling_002 */
    {1317, 167}, /* PNG_sampling_003 */
    {1317, 167}, /* PNG_sampling_004 */
    {1317, 167}, /* PNG_sampling_005 */
    {1317, 167}, /* PNG_sampling_006 */
    {1317, 167}, /* PNG_sampling_007 */
    {1317, 167}, /* PNG_sampling_008 */
    {1317, 167}, /* PNG_sampling_009 */
    {1317, 167}, /* PNG_sampling_010 */
    {1317, 167}, /* PNG_sampling_011 */
    {1317, 167}, /* PNG_sampling_012 */
    {1317, 167}, /* PNG_sampling_013 */
    {1317, 167}, /* PNG_sampling_014 */
    {1317, 167}, /* PNG_sampling_015 */
    {1317, 167}, /* PNG_sampling_016 */
    {1317, 167}, /* PNG_sampling_017 */
    {1317, 167}, /* PNG_sampling_018 */
    {1317, 167}, /* PNG_sampling_019 */
    {1317, 167}, /* PNG_sampling_020 */
    {1317, 167}, /* PNG_sampling_021 */
    {1317, 167}, /* PNG_sampling_022 */
    {1317, 167}, /* PNG_sampling_023 */
    {1317, 167}, /* PNG_sampling_024 */
    {1317, 167}, /* PNG_sampling_025 */
    {1317, 167}, /* PNG_sampling_026 */
    {1317, 167}, /* PNG_sampling_027 */
    {1317, 167}, /* PNG_sampling_028 */
    {1317, 167}, /* PNG_sampling_029 */
    {1317, 167}, /* PNG_sampling_030 */
    {1317, 167}, /* PNG_sampling_031 */
    {1317, 167}, /* PNG_sampling_032 */
    {1317, 167}, /* PNG_sampling_033 */
    {1317, 167}, /* PNG_sampling_034 */
    {1317, 167}, /* PNG_sampling_035 */
    {1317, 167}, /* PNG_sampling_036 */
    {1317, 167}, /* PNG_sampling_037 */
    {1317, 167}, /* PNG_sampling_038 */
    {1317, 167}, /* PNG_sampling_039 */
    {1317, 167}, /* PNG_sampling_040 */
    {1317, 167}, /* PNG_sampling_041 */
    {1317, 167}, /* PNG_sampling_042 */
    {1317, 167}, /* PNG_sampling_043 */
    {1317, 167}, /* PNG_sampling_044 */
    {1317, 167}, /* PNG_sampling_045 */
    {1317, 167}, /* PNG_sampling_046 */
    {1317, 167}, /* PNG_sampling_047 */
    {1317, 167}, /* PNG_sampling_048 */
    {1317, 167}, /* PNG_sampling_049 */
    {1317, 167}, /* PNG_sampling_050 */
    {1317, 167}, /* PNG_sampling_051 */
    {1317, 167}, /* PNG_sampling_052 */
    {1317, 167}, /* PNG_sampling_053 */
    {1317, 167}, /* PNG_sampling_054 */
    {1317, 167}, /* PNG_sampling_055 */
    {1317, 167}, /* PNG_sampling_056 */
    {1317, 167}, /* PNG_sampling_057 */
    {1317, 167}, /* PNG_sampling_058 */
    {1317, 167}, /* PNG_sampling_059 */
    {1317, 167}, /* PNG_sampling_060 */
    {1317, 167}, /* PNG_sampling_061 */
    {1317, 167}, /* PNG_sampling_062 */
    {1317, 167}, /* PNG_sampling_063 */
    {1317, 167}, /* PNG_sampling_064 */
    {1317, 167}, /* PNG_sampling_065 */
    {1317, 167}, /* PNG_sampling_066 */
    {1317, 167}, /* PNG_sampling_067 */
    {1317, 167}, /* PNG_sampling_068 */
    {1317, 167}, /* PNG_sampling_069 */
    {1317, 167}, /* PNG_sampling_070 */
    {1317, 167}, /* PNG_sampling_071 */
    {1317, 167}, /* PNG_sampling_072 */
    {1317, 167}, /* PNG_sampling_073 */
    {1317, 167}, /* PNG_sampling_074 */
    {1317, 167}, /* PNG_sampling_075 */
    {1317, 167}, /* PNG_sampling_076 */
    {1317, 167}, /* PNG_sampling_077 */
    {1317, 167}, /* PNG_sampling_078 */
    {1317, 167}, /* PNG_sampling_079 */
    {1317, 167}, /* PNG_sampling_080 */
    {1317, 167}, /* PNG_sampling_081 */
    {1317, 167}, /* PNG_sampling_082 */
    {1317, 167}, /* PNG_sampling_083 */
    {1317, 167}, /* PNG_sampling_084 */
    {1317, 167}, /* PNG_sampling_085 */
    {1317, 167}, /* PNG_sampling_086 */
    {1317, 167}, /* PNG_sampling_087 */
    {1317, 167}, /* PNG_sampling_088 */
    {1317, 167}, /* PNG_sampling_089 */
    {1317, 167}, /* PNG_sampling_090 */
    {1317, 167}, /* PNG_sampling_091 */
    {1317, 167}, /* PNG_sampling_092 */
    {1317, 167}, /* PNG_sampling_093 */
    {1317, 167}, /* PNG_sampling_094 */
    {1317, 167}, /* PNG_sampling_095 */
    {1317, 167}, /* PNG_sampling_096 */
    {1317, 167}, /* PNG_sampling_097 */
    {1317, 167}, /* PNG_sampling_098 */
    {1317, 167}, /* PNG_sampling_099 */
    {1317, 167}, /* PNG_sampling_100 */
    {1317, 167}, /* PNG_sampling_101 */
    {1317, 167}, /* PNG_sampling_102 */
    {1317, 167}, /* PNG_sampling_103 */
    {1317, 167}, /* PNG_sampling_104 */
    {1317, 167}, /* PNG_sampling_105 */
    {1317, 167}, /* PNG_sampling_106 */
    {1317, 167}, /* PNG_sampling_107 */
    {1317, 167}, /* PNG_sampling_108 */
    {1317, 167}, /* PNG_sampling_109 */
    {1317, 167}, /* PNG_sampling_110 */
    {1317, 167}, /* PNG_sampling_111 */
    {1317, 167}, /* PNG_sampling_112 */
    {1317, 167}, /* PNG_sampling_113 */
    {1317, 167}, /* PNG_sampling_114 */
    {1317, 167}, /* PNG_sampling_115 */
    {1317, 167}, /* PNG_sampling_116 */
    {1317, 167}, /* PNG_sampling_117 */
    {1317, 167}, /* PNG_sampling_118 */
    {1317, 167}, /* PNG_sampling_119 */
    {1317, 167}, /* PNG_sampling_120 */
    {1317, 167}, /* PNG_sampling_121 */
    {1317, 167}, /* PNG_sampling_122 */
    {1317, 167}, /* PNG_sampling_123 */
    {1317, 167}, /* PNG_sampling_124 */
    {1317, 167}, /* PNG_sampling_125 */
    {1317, 167}, /* PNG_sampling_126 */
    {1317, 167}, /* PNG_sampling_127 */
    {1317, 167}, /* PNG_sampling_128 */
    {1317, 167}, /* PNG_sampling_129 */
    {1317, 167}, /* PNG_sampling_130 */
    {1317, 167}, /* PNG_sampling_131 */
    {1317, 167}, /* PNG_sampling_132 */
    {1317, 167}, /* PNG_sampling_133 */
    {1317, 167}, /* PNG_sampling_134 */
    {1317, 167}, /* PNG_sampling_135 */
    {1317, 167}, /* PNG_sampling_136 */
    {1317, 167}, /* PNG_sampling_137 */
    {1317, 167}, /* PNG_sampling_138 */
    {1317, 167}, /* PNG_sampling_139 */
    {1317, 167}, /* PNG_sampling_140 */
    {1317, 167}, /* PNG_sampling_141 */
    {1317, 167}, /* PNG_sampling_142 */
    {1317, 167}, /* PNG_sampling_143 */
    {1317, 167}, /* PNG_sampling_144 */
    {1317, 167}, /* PNG_sampling_145 */
    {1317, 167}, /* PNG_sampling_146 */
    {1317, 167}, /* PNG_sampling_147 */
    {1317, 167}, /* PNG_sampling_148 */
    {1317, 167}, /* PNG_sampling_149 */
    {1317, 167}, /* PNG_sampling_250 */
    {1317, 167}, /* PNG_sampling_251 */
    {1317, 167}, /* PNG_sampling_252 */
    {1317, 167}, /* PNG_sampling_253 */
    {1317, 167}, /* PNG_sampling_254 */
    {1317, 167}, /* PNG_sampling_255 */
    {1317, 167}, /* PNG_sampling_256 */
    {1317, 167}, /* PNG_sampling_257 */
    {1317, 167}, /* PNG_sampling_258 */
    {1317, 167}, /* PNG_sampling_259 */
    {1317, 167}, /* PNG_sampling_260 */
    {1317, 167}, /* PNG_sampling_261 */
    {1317, 167}, /* PNG_sampling_262 */
    {1317, 167}, /* PNG_sampling_263 */
    {1317, 167}, /* PNG_sampling_264 */
    {1317, 167}, /* PNG_sampling_265 */
    {1317, 167}, /* PNG_sampling_266 */
    {1317, 167}, /* PNG_sampling_267 */
    {1317, 167}, /* PNG_sampling_268 */
    {1317, 167}, /* PNG_sampling_269 */
    {1317, 167}, /* PNG_sampling_wait */
    {1317, 167}, /* PNG_sampling_cover */
    {1317, 167}, /* PNG_sampling_error */
    {840, 546}, /* PNG_alert_dialog_confirm_single_change */
    {840, 546}, /* PNG_alert_dialog_confirm_single_retry */
    {0, 0}, /* PNG_alarm_font_collision_failure */
    {0, 0}, /* PNG_alarm_lane_warning_failure */
    {0, 0}, /* PNG_alarm_blind_auxiliary_failure */
    {0, 0}, /* PNG_alarm_rear_auxiliary_failure */
    {0, 0}, /* PNG_alarm_ACC_failure */
    {852, 349}, /* PNG_lane_assist_left */
    {862, 349}, /* PNG_lane_assist_left_alarm */
    {925, 349}, /* PNG_lane_assist_right */
    {925, 349}, /* PNG_lane_assist_right_alarm */
    {740, 285}, /* PNG_hint_head_s */
    {780, 215}, /* PNG_hint_head_big */
    {683, 150}, /* PNG_hint_head_background */
    {740, 285}, /* PNG_hint_icon_tired */
    {850, 230}, /* PNG_hint_icon_tired_2 */
    {740, 285}, /* PNG_hint_icon_distraction */
    {906, 263}, /* PNG_hint_icon_distraction_lcc */
    {792, 117}, /* PNG_ACC_009 */
    {792, 117}, /* PNG_ACC_028 */
    {1067, 117}, /* PNG_LCC_009 */
    {1067, 117}, /* PNG_LCC_027 */
    {0, 0}, /* PNG_ui3_basic_bg_backing */
    {0, 0}, /* PNG_ui3_basic_bg_parking */
    {0, 0}, /* PNG_ui3_basic_bg_driving */
    {0, 0}, /* PNG_ui3_basic_bg_backing_night */
    {0, 0}, /* PNG_ui3_basic_bg_parking_night */
    {0, 0}, /* PNG_ui3_basic_bg_driving_night */
    {862, 220}, /* PNG_Nimbo_loading */
    {902, 290}, /* PNG_Nimbo_logo */
    {813, 633}, /* PNG_Nimbo_symbol */
    {801, 459}, /* PNG_Nimbo_hint_1 */
    {856, 631}, /* PNG_Nimbo_hint_2 */
    {531, 312}, /* PNG_logo */
};

UInt08 pngStatus[PNG_NUM];
Image pngImg[PNG_NUM];

Image* const pModuleLeftIcon[8] = {
    &pngImg[PNG_module_L0_icon_clock],      &pngImg[PNG_module_L0_icon_weather],
    &pngImg[PNG_module_L0_icon_trip],       &pngImg[PNG_module_L0_icon_energy_cost],
    &pngImg[PNG_module_L0_icon_navigation], &pngImg[PNG_module_L0_icon_vehicle_status],
    &pngImg[PNG_module_L0_icon_media],      &pngImg[PNG_module_L0_icon_null],
};

Image* const pModuleRightIcon[9] = {
    &pngImg[PNG_module_L0_icon_clock],      &pngImg[PNG_module_L0_icon_weather],
    &pngImg[PNG_module_L0_icon_phone],      &pngImg[PNG_module_L0_icon_trip],
    &pngImg[PNG_module_L0_icon_energy_cost], &pngImg[PNG_module_L0_icon_navigation],
    &pngImg[PNG_module_L0_icon_vehicle_status], &pngImg[PNG_module_L0_icon_media],
    &pngImg[PNG_module_L0_icon_null],
};
