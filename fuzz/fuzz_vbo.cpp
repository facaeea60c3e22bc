// Model files: the input is the file. A model that loads has every index inside its vertices.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "OrvRender/RenderUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/orv_fuzz_vbo_" + std::to_string(getpid()) + ".vbo";
    FILE* fp = fopen(path.c_str(), "wb");
    if (fp == nullptr) return 0;
    fwrite(data, 1, size, fp);
    fclose(fp);
    Model3DVbo model = {};
    if (LoadVbo(&model, path.c_str()) == 1) {
        if (model.vtxs == nullptr || model.idx == nullptr) __builtin_trap();
        ((volatile Flt32*)model.vtxs)[(size_t)model.idx_num * 3 - 1];
    }
    free(model.vtxs);
    free(model.txcs);
    free(model.nors);
    free(model.idx);
    return 0;
}
