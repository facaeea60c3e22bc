/* Pixel formats the picture decoders report. They are the OpenGL format numbers, so that a decoded
 * picture goes to glTexImage2D as it is; defined here for modules that must not include OpenGL.
 * glew.h defines the same names with the same values, so either order of inclusion is fine. */
#ifndef ORV_PIX_FMT_H
#define ORV_PIX_FMT_H

#ifndef GL_RGB
#define GL_RGB 0x1907
#endif
#ifndef GL_RGBA
#define GL_RGBA 0x1908
#endif

/* Largest width or height the picture decoders accept: beyond every picture of the cluster (the
 * screen is 1920 x 720), and low enough that a header that lies about its size cannot make a
 * decoder allocate gigabytes or work for minutes on a few bytes. */
#define ORV_PIC_MAX_SIDE 4096

#endif
