/* The picture pool's slots. Once_InitBmpPoolInfo marks every slot free on the render thread's first
 * pass; until then the zero-initialised buffers read as free as well. */
#include "OrvRender/Res_BmpPool.h"

UInt08* bmpPool[BMP_POOL_NUM];
GLuint texPool[BMP_POOL_NUM];
