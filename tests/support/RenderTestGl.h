/* An OpenGL context for the renderer's tests: the platform's hidden render window with a
 * 1920 x 720 framebuffer object bound in place of its back buffer, so that pixels are read back
 * whatever the window's place on the display. */
#ifndef RENDER_TEST_GL_H
#define RENDER_TEST_GL_H

#include <GL/glew.h>

#include <cstdint>
#include <vector>

/* Opens the window and the framebuffer object (1920 x 720 RGBA, 16-bit depth) once per process;
 * false when no display or no framebuffer objects. */
bool RenderTestGl_Open();
/* Destroys the framebuffer object and the window. */
void RenderTestGl_Close();

/* Clears colour (to r, g, b, 1) and depth. */
void RenderTestGl_Clear(float r, float g, float b);
/* RGBA bytes of a screen rectangle in screen pixels (origin top left, y downward), top row first. */
std::vector<uint8_t> RenderTestGl_Read(int x, int y, int w, int h);
/* One pixel of the last read, as 0xRRGGBBAA. */
uint32_t RenderTestGl_Pixel(const std::vector<uint8_t>& px, int w, int x, int y);

/* A texture from packed pixels (bottom row first), nearest filtering, clamped. */
GLuint RenderTestGl_Texture(int w, int h, GLenum fmt, const uint8_t* px);

#endif
