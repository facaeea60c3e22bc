/* The GL calls of the render sources that the frame recorder (RenderRecord.h) must see, mapped
 * onto it by name, so that the call sites keep the GL names. Included after the GL headers by
 * every render source that draws or uploads; the recorder's own source does not include it.
 *
 * Draws and clears are recorded while a frame is recorded and run at once otherwise; state calls
 * run at once and are tracked; uploads and deletions run at once and step the content version of
 * the texture or buffer they change. */
#ifndef RENDER_RECORD_GL_H
#define RENDER_RECORD_GL_H

#include <GL/glew.h>

#include "OrvRender/RenderRecord.h"

/* Draws and clears. */
void RenderRec_DrawArrays(GLenum mode, GLint first, GLsizei count);
void RenderRec_DrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices);
void RenderRec_Clear(GLbitfield mask);
/* State that a draw depends on. */
void RenderRec_UseProgram(GLuint program);
void RenderRec_Uniform1f(GLint loc, GLfloat v);
void RenderRec_Uniform1i(GLint loc, GLint v);
void RenderRec_Uniform3fv(GLint loc, GLsizei count, const GLfloat* v);
void RenderRec_Uniform4fv(GLint loc, GLsizei count, const GLfloat* v);
void RenderRec_UniformMatrix4fv(GLint loc, GLsizei count, GLboolean transpose, const GLfloat* v);
void RenderRec_EnableVertexAttribArray(GLuint index);
void RenderRec_DisableVertexAttribArray(GLuint index);
void RenderRec_VertexAttribPointer(GLuint index, GLint size, GLenum type, GLboolean norm, GLsizei stride,
                                   const void* ptr);
void RenderRec_Enable(GLenum cap);
void RenderRec_Disable(GLenum cap);
void RenderRec_BlendFunc(GLenum src, GLenum dst);
void RenderRec_DepthFunc(GLenum func);
void RenderRec_ClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a);
void RenderRec_ClearDepth(GLdouble depth);
void RenderRec_LineWidth(GLfloat width);
void RenderRec_Viewport(GLint x, GLint y, GLsizei w, GLsizei h);
void RenderRec_ActiveTexture(GLenum unit);
void RenderRec_BindTexture(GLenum target, GLuint tex);
void RenderRec_BindBuffer(GLenum target, GLuint buf);
/* Resources: run at once, step versions. */
void RenderRec_TexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei w, GLsizei h, GLint border,
                          GLenum format, GLenum type, const void* px);
void RenderRec_TexSubImage2D(GLenum target, GLint level, GLint x, GLint y, GLsizei w, GLsizei h, GLenum format,
                             GLenum type, const void* px);
void RenderRec_TexParameteri(GLenum target, GLenum name, GLint value);
void RenderRec_TexParameterfv(GLenum target, GLenum name, const GLfloat* values);
void RenderRec_GenerateMipmap(GLenum target);
void RenderRec_DeleteTextures(GLsizei n, const GLuint* textures);
void RenderRec_BufferData(GLenum target, GLsizeiptr size, const void* data, GLenum usage);
void RenderRec_DeleteBuffers(GLsizei n, const GLuint* buffers);
void RenderRec_LinkProgram(GLuint program);
void RenderRec_DeleteProgram(GLuint program);

#undef glDrawArrays
#undef glDrawElements
#undef glClear
#undef glUseProgram
#undef glUniform1f
#undef glUniform1i
#undef glUniform3fv
#undef glUniform4fv
#undef glUniformMatrix4fv
#undef glEnableVertexAttribArray
#undef glDisableVertexAttribArray
#undef glVertexAttribPointer
#undef glEnable
#undef glDisable
#undef glBlendFunc
#undef glDepthFunc
#undef glClearColor
#undef glClearDepth
#undef glLineWidth
#undef glViewport
#undef glActiveTexture
#undef glBindTexture
#undef glBindBuffer
#undef glTexImage2D
#undef glTexSubImage2D
#undef glTexParameteri
#undef glTexParameterfv
#undef glGenerateMipmap
#undef glDeleteTextures
#undef glBufferData
#undef glDeleteBuffers
#undef glLinkProgram
#undef glDeleteProgram

#define glDrawArrays RenderRec_DrawArrays
#define glDrawElements RenderRec_DrawElements
#define glClear RenderRec_Clear
#define glUseProgram RenderRec_UseProgram
#define glUniform1f RenderRec_Uniform1f
#define glUniform1i RenderRec_Uniform1i
#define glUniform3fv RenderRec_Uniform3fv
#define glUniform4fv RenderRec_Uniform4fv
#define glUniformMatrix4fv RenderRec_UniformMatrix4fv
#define glEnableVertexAttribArray RenderRec_EnableVertexAttribArray
#define glDisableVertexAttribArray RenderRec_DisableVertexAttribArray
#define glVertexAttribPointer RenderRec_VertexAttribPointer
#define glEnable RenderRec_Enable
#define glDisable RenderRec_Disable
#define glBlendFunc RenderRec_BlendFunc
#define glDepthFunc RenderRec_DepthFunc
#define glClearColor RenderRec_ClearColor
#define glClearDepth RenderRec_ClearDepth
#define glLineWidth RenderRec_LineWidth
#define glViewport RenderRec_Viewport
#define glActiveTexture RenderRec_ActiveTexture
#define glBindTexture RenderRec_BindTexture
#define glBindBuffer RenderRec_BindBuffer
#define glTexImage2D RenderRec_TexImage2D
#define glTexSubImage2D RenderRec_TexSubImage2D
#define glTexParameteri RenderRec_TexParameteri
#define glTexParameterfv RenderRec_TexParameterfv
#define glGenerateMipmap RenderRec_GenerateMipmap
#define glDeleteTextures RenderRec_DeleteTextures
#define glBufferData RenderRec_BufferData
#define glDeleteBuffers RenderRec_DeleteBuffers
#define glLinkProgram RenderRec_LinkProgram
#define glDeleteProgram RenderRec_DeleteProgram

#endif
