/* The three vehicle models: a box truck, a hatchback and a bicycle with its rider. */
#include "Models.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct V3 { float x, y, z; };
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V3 Norm(V3 a)
{
    float l = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return l > 0 ? V3{a.x / l, a.y / l, a.z / l} : V3{0, 0, 1};
}

/* Regions of the texture atlas in GL texture coordinates (t = 0 is the picture's bottom row). */
struct Region { float s0, t0, s1, t1; };
constexpr Region kBody{0.02f, 0.52f, 0.48f, 0.98f};
constexpr Region kGlass{0.52f, 0.52f, 0.98f, 0.98f};
constexpr Region kTyre{0.02f, 0.02f, 0.48f, 0.48f};
constexpr Region kRedLamp{0.55f, 0.30f, 0.95f, 0.45f};
constexpr Region kWhiteLamp{0.55f, 0.05f, 0.95f, 0.20f};

struct Mesh {
    std::vector<float> pos, txc, nor;
    std::vector<uint32_t> idx;
    float zTop = 1.0f; /* height used to shade the body paint (brighter at the top) */

    uint32_t Vertex(V3 p, V3 n, float s, float t)
    {
        pos.insert(pos.end(), {p.x, p.y, p.z});
        nor.insert(nor.end(), {n.x, n.y, n.z});
        txc.insert(txc.end(), {s, t});
        return (uint32_t)(pos.size() / 3 - 1);
    }

    /* A flat convex polygon given counter-clockwise as seen from outside. */
    void Poly(const std::vector<V3>& p, Region r)
    {
        V3 n = Norm(Cross(p[1] - p[0], p[2] - p[0]));
        std::vector<uint32_t> ids;
        for (const V3& q : p) {
            /* height picks the shade, the horizontal extent spreads along s */
            float fz = std::fmin(1.0f, std::fmax(0.0f, q.z / zTop));
            float fh = 0.5f + 0.25f * (std::sin(q.x * 0.7f) + std::cos(q.y * 0.5f)) * 0.5f;
            ids.push_back(Vertex(q, n, r.s0 + (r.s1 - r.s0) * fh, r.t0 + (r.t1 - r.t0) * (0.1f + 0.8f * fz)));
        }
        for (size_t i = 1; i + 1 < ids.size(); i++) idx.insert(idx.end(), {ids[0], ids[i], ids[i + 1]});
    }

    /* An axis-aligned box; faces get the region of their kind. */
    void Box(V3 a, V3 b, Region sides, Region top, Region front, Region back)
    {
        V3 c[8] = {{a.x, a.y, a.z}, {b.x, a.y, a.z}, {b.x, b.y, a.z}, {a.x, b.y, a.z},
                   {a.x, a.y, b.z}, {b.x, a.y, b.z}, {b.x, b.y, b.z}, {a.x, b.y, b.z}};
        Poly({c[0], c[3], c[2], c[1]}, sides);  /* bottom */
        Poly({c[4], c[5], c[6], c[7]}, top);    /* top */
        Poly({c[0], c[1], c[5], c[4]}, back);   /* -y */
        Poly({c[2], c[3], c[7], c[6]}, front);  /* +y */
        Poly({c[1], c[2], c[6], c[5]}, sides);  /* +x */
        Poly({c[3], c[0], c[4], c[7]}, sides);  /* -x */
    }

    /* A profile in the (y, z) plane, counter-clockwise seen from +x, extruded from x0 to x1.
     * glassEdges marks the edges (from point i to i + 1) that are windows. */
    void Extrude(const std::vector<std::pair<float, float>>& prof, float x0, float x1,
                 const std::vector<int>& glassEdges, Region body)
    {
        std::vector<V3> right, left;
        for (auto& p : prof) right.push_back({x1, p.first, p.second});
        for (auto it = prof.rbegin(); it != prof.rend(); ++it) left.push_back({x0, it->first, it->second});
        Poly(right, body);
        Poly(left, body);
        size_t n = prof.size();
        for (size_t i = 0; i < n; i++) {
            size_t j = (i + 1) % n;
            bool glass = false;
            for (int g : glassEdges) glass |= (size_t)g == i;
            V3 a{x1, prof[i].first, prof[i].second}, b{x1, prof[j].first, prof[j].second};
            V3 c{x0, prof[j].first, prof[j].second}, d{x0, prof[i].first, prof[i].second};
            Poly({a, d, c, b}, glass ? kGlass : body);
        }
    }

    /* A wheel: a cylinder along x centred at (x, y, z). */
    void Wheel(float x, float y, float z, float r, float w, int seg = 10)
    {
        /* a vertex at the very bottom, so that the wheel touches the road at z = 0 */
        const float ph = (float)(-M_PI / 2);
        std::vector<V3> outer, inner;
        for (int i = 0; i < seg; i++) {
            float a = (float)(2 * M_PI * i / seg) + ph;
            outer.push_back({x + w / 2, y + r * std::cos(a), z + r * std::sin(a)});
        }
        for (int i = seg - 1; i >= 0; i--) {
            float a = (float)(2 * M_PI * i / seg) + ph;
            inner.push_back({x - w / 2, y + r * std::cos(a), z + r * std::sin(a)});
        }
        Poly(outer, kTyre);
        Poly(inner, kTyre);
        for (int i = 0; i < seg; i++) {
            float a0 = (float)(2 * M_PI * i / seg) + ph, a1 = (float)(2 * M_PI * (i + 1) / seg) + ph;
            V3 p0{x + w / 2, y + r * std::cos(a0), z + r * std::sin(a0)};
            V3 p1{x + w / 2, y + r * std::cos(a1), z + r * std::sin(a1)};
            V3 q1{x - w / 2, y + r * std::cos(a1), z + r * std::sin(a1)};
            V3 q0{x - w / 2, y + r * std::cos(a0), z + r * std::sin(a0)};
            Poly({p0, q0, q1, p1}, kTyre);
        }
    }

    /* A lamp or window panel on the plane y = const facing -y (rear) or +y (front). */
    void PanelY(float y, float x0, float x1, float z0, float z1, bool facingBack, Region r)
    {
        if (facingBack) Poly({{x0, y, z0}, {x1, y, z0}, {x1, y, z1}, {x0, y, z1}}, r);
        else Poly({{x1, y, z0}, {x0, y, z0}, {x0, y, z1}, {x1, y, z1}}, r);
    }
};

Mesh Car()
{
    Mesh m;
    m.zTop = 1.45f;
    const float hw = 1.5f; /* 1.8 m wide */
    /* side profile (y ahead, z up), counter-clockwise seen from +x */
    std::vector<std::pair<float, float>> prof = {
        {-2.25f, 0.30f}, {2.25f, 0.30f}, {2.28f, 0.80f}, {1.05f, 1.00f},
        {0.25f, 1.42f}, {-1.25f, 1.45f}, {-2.05f, 1.05f}, {-2.25f, 0.85f},
    };
    m.Extrude(prof, -hw, hw, {3, 5}, kBody);
    /* side windows, just outside the body */
    for (int side : {-1, 1}) {
        float x = side * (hw + 0.02f);
        std::vector<V3> win = {{x, 0.95f, 1.05f}, {x, 0.25f, 1.36f}, {x, -1.2f, 1.38f}, {x, -1.85f, 1.07f}};
        if (side < 0) win = {win[3], win[2], win[1], win[0]};
        m.Poly(win, kGlass);
    }
    m.PanelY(-2.255f, -1.35f, -0.75f, 0.62f, 0.78f, true, kRedLamp);
    m.PanelY(-2.255f, 0.75f, 1.35f, 0.62f, 0.78f, true, kRedLamp);
    m.PanelY(2.285f, -1.35f, -0.75f, 0.60f, 0.74f, false, kWhiteLamp);
    m.PanelY(2.285f, 0.75f, 1.35f, 0.60f, 0.74f, false, kWhiteLamp);
    for (float y : {-1.4f, 1.4f})
        for (int side : {-1, 1}) m.Wheel(side * (hw - 0.12f), y, 0.33f, 0.33f, 0.34f);
    return m;
}

Mesh Truck()
{
    Mesh m;
    m.zTop = 3.3f;
    const float hw = 2.1f; /* 2.5 m wide */
    m.Box({-hw, -4.2f, 0.9f}, {hw, 1.9f, 3.3f}, kBody, kBody, kBody, kBody); /* cargo box */
    std::vector<std::pair<float, float>> cab = {
        {2.1f, 0.7f}, {4.2f, 0.7f}, {4.2f, 1.9f}, {3.9f, 2.9f}, {2.1f, 3.0f},
    };
    m.Extrude(cab, -hw * 0.96f, hw * 0.96f, {2}, kBody);
    m.Box({-hw * 0.9f, 1.9f, 0.8f}, {hw * 0.9f, 2.1f, 2.6f}, kTyre, kTyre, kTyre, kTyre); /* gap */
    m.Box({-hw, -4.3f, 0.5f}, {hw, 4.25f, 0.9f}, kTyre, kTyre, kTyre, kTyre);             /* chassis */
    m.PanelY(-4.305f, -1.9f, -1.3f, 0.55f, 0.85f, true, kRedLamp);
    m.PanelY(-4.305f, 1.3f, 1.9f, 0.55f, 0.85f, true, kRedLamp);
    m.PanelY(4.255f, -1.8f, -1.2f, 0.9f, 1.15f, false, kWhiteLamp);
    m.PanelY(4.255f, 1.2f, 1.8f, 0.9f, 1.15f, false, kWhiteLamp);
    for (float y : {-3.2f, -2.1f, 3.1f})
        for (int side : {-1, 1}) m.Wheel(side * (hw - 0.25f), y, 0.5f, 0.5f, 0.5f);
    return m;
}

Mesh Bicycle()
{
    Mesh m;
    m.zTop = 1.8f;
    /* Across the road the scene stretches everything 1.68 times, as the car and the truck are: a
     * rider 0.36 m across is 0.6 units wide. From behind and above the two-wheeler reads by its
     * rider in the paint colour, the wheels in line and the red lamp on the rear mudguard. */
    for (float y : {-0.62f, 0.62f}) m.Wheel(0, y, 0.36f, 0.36f, 0.14f, 14);
    m.Box({-0.07f, -0.62f, 0.33f}, {0.07f, 0.62f, 0.43f}, kBody, kBody, kBody, kBody);     /* chain stay */
    m.Box({-0.07f, -0.20f, 0.40f}, {0.07f, -0.08f, 0.98f}, kBody, kBody, kBody, kBody);    /* seat tube */
    m.Box({-0.07f, 0.52f, 0.40f}, {0.07f, 0.62f, 1.08f}, kBody, kBody, kBody, kBody);      /* fork */
    m.Box({-0.07f, -0.12f, 0.86f}, {0.07f, 0.56f, 0.95f}, kBody, kBody, kBody, kBody);     /* top tube */
    m.Box({-0.11f, -0.98f, 0.74f}, {0.11f, -0.40f, 0.80f}, kBody, kBody, kBody, kBody);    /* rear mudguard */
    m.PanelY(-0.985f, -0.10f, 0.10f, 0.62f, 0.80f, true, kRedLamp);                        /* rear lamp */
    m.Box({-0.14f, -0.32f, 0.96f}, {0.14f, -0.04f, 1.02f}, kTyre, kTyre, kTyre, kTyre);    /* saddle */
    m.Box({-0.46f, 0.52f, 1.06f}, {0.46f, 0.58f, 1.12f}, kTyre, kTyre, kTyre, kTyre);      /* bar */
    /* the rider: legs, a torso leaning forward, arms to the bar, a helmet */
    m.Box({-0.24f, -0.18f, 0.45f}, {-0.08f, 0.12f, 1.02f}, kGlass, kGlass, kGlass, kGlass);
    m.Box({0.08f, -0.18f, 0.45f}, {0.24f, 0.12f, 1.02f}, kGlass, kGlass, kGlass, kGlass);
    m.Extrude({{-0.32f, 1.00f}, {0.02f, 1.00f}, {0.30f, 1.48f}, {-0.06f, 1.58f}}, -0.30f, 0.30f, {}, kBody);
    m.Box({-0.34f, 0.10f, 1.14f}, {-0.24f, 0.56f, 1.40f}, kBody, kBody, kBody, kBody);
    m.Box({0.24f, 0.10f, 1.14f}, {0.34f, 0.56f, 1.40f}, kBody, kBody, kBody, kBody);
    m.Box({-0.15f, -0.02f, 1.58f}, {0.15f, 0.26f, 1.82f}, kBody, kBody, kBody, kBody);
    return m;
}

void Put(std::vector<uint8_t>& out, const void* p, size_t n)
{
    const uint8_t* b = (const uint8_t*)p;
    out.insert(out.end(), b, b + n);
}

/* The file format: hdr, six bounds, idx_type, face_num, idx_num, positions, texture coordinates,
 * normals, indices; little-endian and packed. */
bool WriteVbo(const Mesh& m, const std::string& path)
{
    uint32_t nv = (uint32_t)(m.pos.size() / 3), nf = (uint32_t)(m.idx.size() / 3);
    float b[6] = {1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f};
    for (uint32_t i = 0; i < nv; i++)
        for (int k = 0; k < 3; k++) {
            b[2 * k] = std::fmin(b[2 * k], m.pos[3 * i + k]);
            b[2 * k + 1] = std::fmax(b[2 * k + 1], m.pos[3 * i + k]);
        }
    uint8_t idxType = nv <= 256 ? 1 : nv <= 65536 ? 2 : 4;
    uint8_t hdr = 3; /* normals and texture coordinates */
    std::vector<uint8_t> out;
    Put(out, &hdr, 1);
    Put(out, b, sizeof b);
    Put(out, &idxType, 1);
    Put(out, &nf, 4);
    Put(out, &nv, 4);
    Put(out, m.pos.data(), m.pos.size() * 4);
    Put(out, m.txc.data(), m.txc.size() * 4);
    Put(out, m.nor.data(), m.nor.size() * 4);
    for (uint32_t v : m.idx) Put(out, &v, idxType); /* little-endian host */
    FILE* f = fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = fwrite(out.data(), 1, out.size(), f) == out.size();
    return fclose(f) == 0 && ok;
}
} // namespace

int Models_Write(const std::string& dir)
{
    int n = 0;
    n += WriteVbo(Truck(), dir + "/truck_1.vbo");
    n += WriteVbo(Car(), dir + "/car_1.vbo");
    n += WriteVbo(Bicycle(), dir + "/bicycle_1.vbo");
    return n;
}
