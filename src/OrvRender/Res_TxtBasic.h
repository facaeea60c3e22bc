/* Fixed texts drawn from the glyph atlas: the basic character table and the glyph-index strings
 * built on it. Glyph i of each atlas is the character Basic_FONT_CODE[i]; index 0 is never drawn
 * (it ends a text), indices 1 to 95 are the printable ASCII characters 0x20 to 0x7E (index =
 * code - 31), the rest are the other characters the fixed texts need.
 *
 * The arrays are generated at build time from the readable texts in Res_TxtBasic.txt; the list
 * below fixes each text's glyph count, and the build fails when a text does not match it. */
#ifndef RES_TXT_BASIC_H
#define RES_TXT_BASIC_H

#include "BaseTypes.h"

#define BASIC_FONT_CODE_NUM 179
extern const UInt32 Basic_FONT_CODE[BASIC_FONT_CODE_NUM];

/* Every text of the basic table with its number of glyphs. */
#define RES_TXT_BASIC_LIST(X) \
    X(str_LETTERs_idx, 26) \
    X(str_afternoon_cn_idx, 2) \
    X(str_charge_almost_finished_idx, 6) \
    X(str_charge_left_time_idx, 4) \
    X(str_charge_time_calculating_idx, 3) \
    X(str_charge_unit_hour_idx, 2) \
    X(str_charge_unit_minute_idx, 2) \
    X(str_day_cn_idx, 1) \
    X(str_digits_idx, 10) \
    X(str_forenoon_cn_idx, 2) \
    X(str_invalid_char_idx, 1) \
    X(str_letters_idx, 26) \
    X(str_menu_tips_brightness_idx, 4) \
    X(str_menu_tips_windpwr_idx, 4) \
    X(str_menu_txt_audiobook_idx, 4) \
    X(str_menu_txt_bluetooth_idx, 4) \
    X(str_menu_txt_brightness_idx, 4) \
    X(str_menu_txt_localmusic_idx, 2) \
    X(str_menu_txt_localradio_idx, 4) \
    X(str_menu_txt_mediasrc_idx, 3) \
    X(str_menu_txt_netradio_idx, 4) \
    X(str_menu_txt_temperature_idx, 4) \
    X(str_menu_txt_verinfo_idx, 4) \
    X(str_menu_txt_windmode_idx, 4) \
    X(str_menu_txt_windmode_down_idx, 2) \
    X(str_menu_txt_windmode_side_idx, 4) \
    X(str_menu_txt_windmode_up_idx, 2) \
    X(str_menu_txt_windmode_up_and_down_idx, 4) \
    X(str_menu_txt_windpwr_idx, 4) \
    X(str_module_phone_cancel_idx, 2) \
    X(str_module_phone_connect_idx, 2) \
    X(str_module_phone_end_idx, 4) \
    X(str_module_phone_incall_idx, 2) \
    X(str_module_phone_mute_idx, 2) \
    X(str_module_phone_outcall_idx, 2) \
    X(str_module_phone_unmute_idx, 4) \
    X(str_module_tips_no_weather_info_idx, 5) \
    X(str_month_cn_idx, 1) \
    X(str_outer_cn_idx, 2) \
    X(str_punctuation_idx, 33) \
    X(str_radar_info_stop_idx, 2) \
    X(str_unit_temperature_idx, 2)

#ifndef RES_TXT_DECLARE
/* Declares one text: its glyph indices and the terminating 0. */
#define RES_TXT_DECLARE(name, len) extern const unsigned int name[(len) + 1];
#endif

RES_TXT_BASIC_LIST(RES_TXT_DECLARE)

#endif
