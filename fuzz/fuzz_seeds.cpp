// Writes the seed corpora of the fuzz targets from what the repository already holds: the hu-sim
// scenarios (head-unit streams, documents, covers), the mb-sim drive scripts (frames, datagrams,
// field texts, the scripts themselves), the snapshot scenarios, the cluster's texts and the
// generated pictures and models of Res/. Usage: fuzz_seeds OUTDIR REPODIR RESDIR
#include <cjson/cJSON.h>
#include <cstdio>
#include <dirent.h>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "DriveScript.h"
#include "FuzzCommon.h"
#include "HuSimClient.h"
#include "HuSimImage.h"

namespace {

std::string gOut;

std::vector<std::string> Files(const std::string& dir, const std::string& ext)
{
    std::vector<std::string> out;
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n.size() > ext.size() && n.compare(n.size() - ext.size(), ext.size(), ext) == 0) out.push_back(dir + "/" + n);
        }
        closedir(d);
    }
    return out;
}

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Seed(const std::string& target, const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::string dir = gOut + "/" + target;
    mkdir(dir.c_str(), 0755);
    std::ofstream(dir + "/" + name, std::ios::binary).write((const char*)bytes.data(), (std::streamsize)bytes.size());
}

void Seed(const std::string& target, const std::string& name, const std::string& text)
{
    Seed(target, name, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string Base(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// "gen:jpeg:WxH[:SEED]" at a seed's size (at most 48 x 48).
std::vector<uint8_t> Cover(const char* spec)
{
    char kind[8] = {0};
    int w = 0, h = 0;
    unsigned seed = 1;
    if (spec == nullptr || sscanf(spec, "gen:%7[a-z]:%dx%d:%u", kind, &w, &h, &seed) < 3) return {};
    w = w > 48 ? 48 : w, h = h > 48 ? 48 : h;
    auto px = HuSim_CoverPixels(w, h, seed);
    if (std::string(kind) == "png") return HuSim_EncodePng(px.data(), w, h, HuSimPngOptions{});
    return HuSim_EncodeJpeg(px.data(), w, h, 3, 70);
}

void HeadUnitSeeds(const std::string& repo)
{
    int n = 0;
    for (const std::string& path : Files(repo + "/tools/hu-sim/scenarios", ".json")) {
        cJSON* scn = cJSON_Parse(Read(path).c_str());
        std::vector<uint8_t> stream = HuSim_FrameBytes(HuSim_StartFrame(1));
        uint32_t msgNo = 2;
        for (const cJSON* step = cJSON_GetObjectItem(scn, "steps") ? cJSON_GetObjectItem(scn, "steps")->child : nullptr;
             step != nullptr; step = step->next) {
            int srv = HuSim_ServiceByName(cJSON_GetStringValue(cJSON_GetObjectItem(step, "service")) ?: "");
            char* doc = cJSON_PrintUnformatted(cJSON_GetObjectItem(step, "doc"));
            if (srv < 0 || doc == nullptr) continue;
            std::vector<uint8_t> cover = Cover(cJSON_GetStringValue(cJSON_GetObjectItem(step, "cover")));
            auto frame = HuSim_FrameBytes(HuSim_DataFrame((uint8_t)srv, doc, cover, msgNo++));
            stream.insert(stream.end(), frame.begin(), frame.end());
            // The decoder's own form: service index, JSON length, JSON, binary part.
            uint8_t idx = 0;
            while (idx < sizeof kFuzz_CduServices && kFuzz_CduServices[idx] != srv) idx++;
            std::string json = doc;
            std::vector<uint8_t> dec = {idx, (uint8_t)json.size(), (uint8_t)(json.size() >> 8)};
            dec.insert(dec.end(), json.begin(), json.end());
            dec.insert(dec.end(), cover.begin(), cover.end());
            Seed("fuzz_cdu_decode", Base(path) + "." + std::to_string(n++), dec);
            if (!cover.empty()) Seed("fuzz_image_mem", "cover." + std::to_string(n), cover);
            cJSON_free(doc);
        }
        auto heart = HuSim_FrameBytes(HuSim_HeartBeatFrame(msgNo++));
        auto end = HuSim_FrameBytes(HuSim_EndFrame(msgNo));
        stream.insert(stream.end(), heart.begin(), heart.end());
        stream.insert(stream.end(), end.begin(), end.end());
        Seed("fuzz_hu_stream", Base(path), stream);
        cJSON_Delete(scn);
    }
    HuSimPngOptions rgba;
    rgba.colorType = HUSIM_PNG_RGBA;
    auto px = HuSim_CoverPixels(16, 16, 5);
    std::vector<uint8_t> px4(16 * 16 * 4, 200);
    Seed("fuzz_image_mem", "rgba.png", HuSim_EncodePng(px4.data(), 16, 16, rgba));
    Seed("fuzz_image_mem", "grey.jpg", HuSim_EncodeJpeg(px.data(), 16, 16, 1, 50));
}

void MainBoardSeeds(const std::string& repo)
{
    for (const std::string& path : Files(repo + "/tools/mb-sim/drives", ".drive")) {
        std::string text = Read(path);
        Seed("fuzz_drive_script", Base(path), text);
        std::vector<DriveFrame> frames;
        std::string err;
        if (!DriveScript_Parse(text, path, &frames, &err)) continue;
        std::vector<uint8_t> records, datagrams;
        std::string fields;
        for (size_t i = 0; i < frames.size() && i < 400; i++) {
            const DriveFrame& f = frames[i];
            uint8_t sum = f.Frame;
            records.push_back(f.Frame);
            datagrams.push_back(10);
            datagrams.push_back(f.Frame);
            char text8[32];
            snprintf(text8, sizeof text8, "%02X %02X %02X %02X %02X %02X %02X %02X", f.Data[0], f.Data[1], f.Data[2],
                     f.Data[3], f.Data[4], f.Data[5], f.Data[6], f.Data[7]);
            if (i < 8) Seed("fuzz_format", Base(path) + "." + std::to_string(i), std::string(text8));
            for (uint8_t b : f.Data) sum = (uint8_t)(sum + b), records.push_back(b), datagrams.push_back(b);
            records.push_back(f.BadSum ? (uint8_t)(sum + 1) : sum);
            datagrams.push_back(f.BadSum ? (uint8_t)(sum + 1) : sum);
        }
        Seed("fuzz_mb_frames", Base(path), records);
        Seed("fuzz_bus_datagram", Base(path), std::vector<uint8_t>(datagrams.begin(), datagrams.begin() + (datagrams.size() < 11 * 64 ? datagrams.size() : 11 * 64)));
    }
    Seed("fuzz_format", "lone", std::string("5 05 a  Bc"));
}

void RenderSeeds(const std::string& repo, const std::string& res)
{
    for (const std::string& path : Files(repo + "/tools/snapshot/scenarios", ".scn")) Seed("fuzz_snapshot_scn", Base(path), Read(path));
    Seed("fuzz_snapshot_scn", "inline", std::string("fps 30\ntick 0xFFFFFF00\nstall 10\nframe 00 00 50 00 7D 04 40 09 00\n"
                                                    "json music {\"enable\":\"1\",\"msgtype\":\"1\",\"music\":{\"song\":\"S\"}}\nrestart\n"));
    std::istringstream texts(Read(repo + "/src/OrvRender/Res_TxtBasic.txt") + Read(repo + "/src/OrvRender/Res_TxtHintAlarm.txt"));
    int n = 0;
    for (std::string line; std::getline(texts, line) && n < 40;) Seed("fuzz_utf8", "text." + std::to_string(n++), std::string(1, (char)64) + line);
    // The smallest generated pictures and models keep runs fast.
    int tga = 0;
    for (const std::string& path : Files(res + "/image", ".tga")) {
        std::string bytes = Read(path);
        if (bytes.size() <= 16384 && tga++ < 6) Seed("fuzz_tga", Base(path), bytes);
    }
    for (const std::string& path : Files(res + "/model3d", ".vbo")) {
        std::string bytes = Read(path);
        if (bytes.size() <= 262144) Seed("fuzz_vbo", Base(path), bytes);
    }
    // A model file of one triangle: header, bounds, index size, counts, positions, indices.
    std::vector<uint8_t> tri = {0};
    for (int i = 0; i < 6 * 4; i++) tri.push_back(0);
    tri.push_back(1);
    uint32_t one = 1, three = 3;
    tri.insert(tri.end(), (uint8_t*)&one, (uint8_t*)&one + 4);
    tri.insert(tri.end(), (uint8_t*)&three, (uint8_t*)&three + 4);
    for (int i = 0; i < 9 * 4; i++) tri.push_back(0);
    tri.push_back(0), tri.push_back(1), tri.push_back(2);
    Seed("fuzz_vbo", "triangle.vbo", tri);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: fuzz_seeds OUTDIR REPODIR RESDIR\n");
        return 2;
    }
    gOut = argv[1];
    mkdir(gOut.c_str(), 0755);
    HeadUnitSeeds(argv[2]);
    MainBoardSeeds(argv[2]);
    RenderSeeds(argv[2], argv[3]);
    return 0;
}
