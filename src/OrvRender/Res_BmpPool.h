/* The picture pool: 100 slots for pictures that screens render themselves at run time (text
 * bitmaps, covers, the energy graph). A slot holds a pixel buffer and a texture of its own. */
#ifndef RES_BMP_POOL_H
#define RES_BMP_POOL_H

#include <GL/glew.h>

#include "BaseTypes.h"

#define BMP_POOL_NUM 100

/* The marker of a reserved slot that has no buffer yet (the all-ones pointer value). */
#define BMP_POOL_RESERVED ((UInt08*)(~(uintptr_t)0))

/* Per slot: NULL = free; BMP_POOL_RESERVED = reserved, nothing allocated yet; any other value = a
 * pixel buffer owned by the slot. */
extern UInt08* bmpPool[BMP_POOL_NUM];
/* The slot's texture, 0xFFFFFFFF when none. */
extern GLuint texPool[BMP_POOL_NUM];

#endif
