// Every phone page and every menu on the whole cluster page: the committed snapshot scenarios
// (main-board frames and head-unit documents, from power-on) played through the real render loop,
// what the elements chose checked, and the pictures written to the build's snapshots folder.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "OrvRender/Render.h"
#include "OrvRender/Res_Png.h"
#include "OrvRender/Res_Tga.h"
#include "OrvRender/Screens/Show.h"
#include "Protocol/Cdu_TCP_App.h"
#include "Protocol/MainBoard_IIC_App.h"
#include "Snapshot.h"
#include "support/RenderTestGl.h"

namespace {

// Plays one scenario from a fresh start (signals, store and tick at their start values; the
// cluster powers on as in a car) and writes its last picture as <name>.png.
void PlayScenario(const std::string& name)
{
    const std::string path = std::string(SNAPSHOT_SCENARIOS) + "/" + name + ".scn";
    std::ifstream in(path);
    ASSERT_TRUE(in.good()) << path;
    Snapshot_Begin();
    std::string line, err;
    while (std::getline(in, line)) ASSERT_TRUE(Snapshot_Command(line, SNAPSHOT_SCENARIOS, &err)) << line << ": " << err;
    ASSERT_TRUE(Snapshot_WritePng(std::string(SNAPSHOT_DIR) + "/" + name + ".png", Snapshot_ReadPicture(), 1920, 720));
}

// Pixels brighter than the dark page in a rectangle of the framebuffer.
int BrightPixels(const Recti& r)
{
    return RenderTestGl_CountBrighter(r.x, r.y, r.w, r.h, 300);
}

const Recti kRightPanel = {1240, 160, 600, 420};
const Recti kLeftPanel = {80, 160, 600, 420};

class PhoneMenusPage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RenderTestGl_Open()); }
    static void TearDownTestSuite()
    {
        CleanUpRender(nullptr);
        RenderTestGl_Close();
    }
};

TEST_F(PhoneMenusPage, EveryPhonePage)
{
    struct Case { const char* name; UInt08 page; Int08 cursorNum; };
    const Case cases[] = {
        {"phone-unavailable", SHOW_PHONE_PAGE_UNAVAILABLE, 0}, {"phone-loading", SHOW_PHONE_PAGE_LOADING, 0},
        {"phone-no-record", SHOW_PHONE_PAGE_NO_RECORD, 0},     {"phone-list", SHOW_PHONE_PAGE_LIST, 8},
        {"phone-incall", SHOW_PHONE_PAGE_INCALL, 2},           {"phone-outcall", SHOW_PHONE_PAGE_OUTCALL, 1},
        {"phone-connect", SHOW_PHONE_PAGE_CONNECT, 1},
    };
    for (const Case& c : cases) {
        PlayScenario(c.name);
        const ShowPhoneView* v = ShowPhone_View();
        EXPECT_EQ(v->page, c.page) << c.name;
        EXPECT_EQ(BlutPhoneCursorNum, c.cursorNum) << c.name;
        EXPECT_FLOAT_EQ(v->invAlpha, 0.0f) << c.name << ": faded in";
        EXPECT_GT(BrightPixels(kRightPanel), 200) << c.name << ": something readable on the right";
        if (c.page == SHOW_PHONE_PAGE_LIST) {
            EXPECT_EQ(v->preCursor, 3) << "scrolled to the driver's cursor";
            EXPECT_EQ(v->rowEntry[2], 3);
        }
        if (c.page == SHOW_PHONE_PAGE_INCALL) {
            EXPECT_EQ(v->icon, PNG_module_phone_icon_incall_hangup);
        }
        if (c.page == SHOW_PHONE_PAGE_CONNECT) {
            EXPECT_EQ(v->timeLen, 5) << "MM:SS";
        }
    }
}

TEST_F(PhoneMenusPage, EveryMenu)
{
    struct Case { const char* name; std::function<void(const ShowMenusView*)> check; Recti where; };
    const Case cases[] = {
        {"menu-list", [](const ShowMenusView* v) {
             EXPECT_EQ(v->list.count, 6);
             EXPECT_EQ(v->list.icon[2], &pngImg[PNG_menu_right_icon_sun]);
         }, kRightPanel},
        {"menu-temperature", [](const ShowMenusView* v) {
             EXPECT_EQ(v->valueMenu, MENU_AC_TEMP);
             EXPECT_EQ(v->valueGlyphNum, 4);
             EXPECT_EQ(v->valueGlyph[3], PNG_ui3_speed_digit_0 + 5) << "24.5";
             EXPECT_FLOAT_EQ(v->valueInvAlpha, 0.0f);
         }, kRightPanel},
        {"menu-fan-power", [](const ShowMenusView* v) { EXPECT_EQ(v->valueNumber, 5); }, kRightPanel},
        {"menu-brightness", [](const ShowMenusView* v) { EXPECT_EQ(v->valueNumber, 75); }, kRightPanel},
        {"menu-media-source", [](const ShowMenusView* v) {
             EXPECT_EQ(v->mediaSrc.count, 4);
             EXPECT_EQ(v->mediaSrc.icon[2], &tgaImg[TGA_menu_2nd_icon_music_blt]);
         }, kRightPanel},
        {"menu-air-flow", [](const ShowMenusView* v) {
             EXPECT_EQ(v->windyMode.icon[2], &tgaImg[TGA_menu_icon_windymode]);
         }, kRightPanel},
        {"menu-version", [](const ShowMenusView* v) { EXPECT_EQ(v->versionLen, 11u); }, kRightPanel},
        {"menu-last-used", [](const ShowMenusView* v) {
             EXPECT_EQ(v->nullIcon, PNG_menu_right_icon_temp_gray);
         }, Recti{1743, 298, 80, 80}},
        {"menu-left-sound", [](const ShowMenusView* v) {
             EXPECT_EQ(v->leftDrawn, 1);
             EXPECT_EQ(v->leftLabel, TGA_menu_left_txt_voice_media);
             EXPECT_EQ(v->leftLevel, 18);
         }, kLeftPanel},
        {"menu-left-acc", [](const ShowMenusView* v) {
             EXPECT_EQ(v->leftDrawn, 1);
             EXPECT_EQ(v->leftAccPicture, TGA_menu_left_acc_3);
         }, kLeftPanel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayScenario(c.name);
        c.check(ShowMenus_View());
        EXPECT_GT(BrightPixels(c.where), 50) << "drawn where it belongs";
    }
}

} // namespace
