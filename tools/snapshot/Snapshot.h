/* Snapshot scenarios: drives the real renderer frame by frame from a small text scenario and writes
 * the 1920 x 720 picture as a PNG. Used by the snapshot tool and by the rendering tests.
 *
 * A scenario is a list of lines; '#' starts a comment, blank lines are ignored, words are separated
 * by blanks. The renderer's tick is driven: time passes only through the commands below, at the
 * frame rate (60 frames per second unless changed), however long a frame takes to draw.
 *
 *   frame ID B0 B1 B2 B3 B4 B5 B6 B7 [CS]
 *       A main-board source frame: ID and bytes in hexadecimal ("00", "0B", "7D"). The checksum
 *       (ID + bytes, mod 256) is added unless CS is given. The frame goes through
 *       MB_IIC_VerifyAndStore and MB_IIC_DecodeData like a received one; a refused frame is an error.
 *   set NAME VALUE [NAME VALUE]...
 *       Signals by name, as mb-sim --signals lists them ("set Speed 120", "set Gear D",
 *       "set LeftModuleID MODULE_L_TRIP"): each changes its field in the current bytes of its frame
 *       (the last accepted ones), and every frame so changed is delivered like a received one.
 *       An unknown name or a value outside the field is an error.
 *   play FILE [BASE]
 *       Plays a drive script or a candump log of mb-sim (relative to the scenario's folder): each
 *       frame is delivered at its time from now, rendering at the frame rate in between; the
 *       frame number of a candump line is its CAN identifier minus BASE (default 0x100). Frames
 *       the cluster refuses (bad checksum, number above 0E) change nothing, as on the bus.
 *   doc SERVICE FILE [BINFILE]
 *       A head-unit document from a JSON file (and its binary part) applied through CDU_TCP_Decode.
 *       BINFILE may be a generated cover picture instead of a file: gen:jpeg:WxH[:SEED] or
 *       gen:png:WxH[:SEED], as in the head-unit simulator.
 *       SERVICE is nav, music, radio, bluetooth, weather, account, notification, netradio, upgrade
 *       or a service number. Relative paths are taken from the scenario file's folder.
 *   json SERVICE TEXT...
 *       The same with the JSON document written inline (the rest of the line).
 *   wait MS        renders frames at the frame rate until MS more milliseconds have passed
 *   frames N       renders N frames
 *   fps N          frame rate of the following waits and frames (1..1000)
 *   stall MS       lets MS milliseconds pass without a frame (the next frame sees the gap)
 *   tick T         sets the tick counter (decimal or 0x hexadecimal), e.g. to just below a wrap
 *   restart        the program counts as restarted (globReboot = 1); only before the first frame
 *   shot FILE      writes the current picture as a PNG (relative to the scenario's folder)
 *
 * Before the first command the signals and the infotainment store have their start values and
 * the tick is 1000. Everything runs on the calling thread, which must have an OpenGL context
 * current with a 1920 x 720 framebuffer bound. */
#ifndef SNAPSHOT_H
#define SNAPSHOT_H

#include <cstdint>
#include <string>
#include <vector>

/* Puts signals, store and tick to their start values; call once before the first command. */
void Snapshot_Begin(void);
/* Runs one scenario line; baseDir resolves relative file names. false with *err set on a bad line. */
bool Snapshot_Command(const std::string& line, const std::string& baseDir, std::string* err);
/* Runs every line of a scenario file; errors name the file and the line. */
bool Snapshot_RunFile(const std::string& path, std::string* err);
/* Frames rendered so far. */
uint32_t Snapshot_FrameCount(void);
/* A function called after every frame the scenario renders (null for none), for tests that look
 * at each frame. */
void Snapshot_SetFrameHook(void (*hook)(void));

/* The bound framebuffer's 1920 x 720 picture as RGBA rows, top row first. */
std::vector<uint8_t> Snapshot_ReadPicture(void);
/* Writes RGBA rows (top row first) as an RGB PNG; false when the file cannot be written. */
bool Snapshot_WritePng(const std::string& path, const std::vector<uint8_t>& rgba, int w, int h);

/* An offscreen 1920 x 720 framebuffer on the platform's hidden render window, for the tool. */
bool Snapshot_OpenOffscreen(void);
void Snapshot_CloseOffscreen(void);

#endif
