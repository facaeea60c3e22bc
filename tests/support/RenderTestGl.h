/* An OpenGL context for the renderer's tests: the platform's hidden render window with a
 * 1920 x 720 framebuffer object bound in place of its back buffer, so that pixels are read back
 * whatever the window's place on the display. */
#ifndef RENDER_TEST_GL_H
#define RENDER_TEST_GL_H

#include <GL/glew.h>

#include <cstdint>
#include <vector>

#include "BaseTypes.h"

/* Opens the window and the framebuffer object (1920 x 720 RGBA, 16-bit depth) once per process;
 * false when no display or no framebuffer objects. */
bool RenderTestGl_Open();
/* For the benchmarks, started from anywhere: enters the executable's folder, where ./Res/ lies, as
 * the cluster does, then opens as RenderTestGl_Open. False, with the reason on stderr after the
 * program's name, when Res/ is missing or there is no display. */
bool RenderTestGl_OpenBesideRes(const char* argv0);
/* Destroys the framebuffer object and the window. */
void RenderTestGl_Close();

/* Clears colour (to r, g, b, 1) and depth. */
void RenderTestGl_Clear(float r, float g, float b);
/* RGBA bytes of a screen rectangle in screen pixels (origin top left, y downward), top row first. */
std::vector<uint8_t> RenderTestGl_Read(int x, int y, int w, int h);
/* Pixels of a screen rectangle (as for RenderTestGl_Read) whose r + g + b exceeds minSum. */
int RenderTestGl_CountBrighter(int x, int y, int w, int h, int minSum);
/* One pixel of the last read, as 0xRRGGBBAA. */
uint32_t RenderTestGl_Pixel(const std::vector<uint8_t>& px, int w, int x, int y);

/* Sets the GL state the page composition sets before the elements draw: back faces culled, 2D
 * textures, straight-alpha blending, depth compared less-or-equal (the depth test stays off). */
void RenderTestGl_PageState();
/* Prepares what the screen elements draw from, as the page's start does: builds the given shader
 * programs, the font, picture, pool and model tables, and the basic character atlas of each style
 * in atlasStyles. Once per process each; the loaders report on stdout. */
void RenderTestGl_PrepareScreens(const std::vector<Int32>& programs, const std::vector<Int32>& atlasStyles);
/* Both matrix stacks back to their base: the page's perspective projection and an identity
 * model-view. */
void RenderTestGl_ResetMatrices();

/* A texture from packed pixels (bottom row first), nearest filtering, clamped. */
GLuint RenderTestGl_Texture(int w, int h, GLenum fmt, const uint8_t* px);

#endif
