// Model files: the input is the file. A model that loads has every index inside its vertices.
#include <cstdint>
#include <cstdlib>

#include "FuzzCommon.h"
#include "OrvRender/RenderUtils.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = Fuzz_InputFile(data, size, "vbo");
    if (path.empty()) return 0;
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
