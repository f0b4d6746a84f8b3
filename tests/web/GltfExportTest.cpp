// Purpose: the glTF scene the program writes (`gltf FILE`) for the workbench's 3D view: roof planes
// covered exactly by their triangles (holes left open), walls closed prisms, every accessor within
// its buffer and bounds, tile surfaces and ridges drawn onto their roofs, one named node per plane.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/AddOnFixture.h"

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using V3 = std::array<double, 3>;
constexpr double kAreaTol = 1e-4;  // m², float coordinates

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Bytes of a base64 text.
std::vector<unsigned char> FromBase64(const std::string& text) {
    std::vector<unsigned char> out;
    uint32_t acc = 0;
    int bits = 0;
    for (char c : text) {
        const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        const char* at = std::strchr(digits, c);
        if (c == '=' || at == nullptr || c == 0) break;
        acc = acc << 6 | uint32_t(at - digits);
        bits += 6;
        if (bits >= 8) { bits -= 8; out.push_back(static_cast<unsigned char>((acc >> bits) & 0xFF)); }
    }
    return out;
}

// Area of a 3D ring by its Newell normal.
double RingArea(const Json& ring) {
    double nx = 0, ny = 0, nz = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Json &u = ring[i], &v = ring[(i + 1) % ring.size()];
        nx += (u[1].get<double>() - v[1].get<double>()) * (u[2].get<double>() + v[2].get<double>());
        ny += (u[2].get<double>() - v[2].get<double>()) * (u[0].get<double>() + v[0].get<double>());
        nz += (u[0].get<double>() - v[0].get<double>()) * (u[1].get<double>() + v[1].get<double>());
    }
    return std::sqrt(nx * nx + ny * ny + nz * nz) / 2;
}

double TriangleArea(const V3& a, const V3& b, const V3& c) {
    const V3 u{b[0] - a[0], b[1] - a[1], b[2] - a[2]}, w{c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    const V3 n{u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
    return std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]) / 2;
}

// The sample house tiled, its glTF and its saved model, written once for the file's tests.
class GltfScene : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = fs::temp_directory_path() / ("tevaro-gltf-" + std::to_string(getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        std::ofstream(folder_ / "s.tvs") << "open " << tevaro_test::SourcePath("examples/house.json") << "\n"
                                         << "gltf before.gltf\nselect all\nmenu place-tiles\npick 20 2\npick 23 2\npick 27 2\n"
                                            "pick 29 2\nok\nfinalize\ngltf house.gltf\nsave house.json\n";
        const std::string command = "\"" + tevaro_test::BuildPath("tevaro") + "\" run \"" + (folder_ / "s.tvs").string() +
                                    "\" > \"" + (folder_ / "out.txt").string() + "\" 2>&1";
        status_ = std::system(command.c_str());
        gltf_ = Json::parse(ReadFile(folder_ / "house.gltf"), nullptr, false);
        model_ = Json::parse(ReadFile(folder_ / "house.json"), nullptr, false);
        if (gltf_.is_object() && gltf_.contains("buffers")) {
            const std::string uri = gltf_["buffers"][0]["uri"];
            bytes_ = FromBase64(uri.substr(uri.find(',') + 1));
        }
    }
    static void TearDownTestSuite() { fs::remove_all(folder_); }
    void SetUp() override {
        ASSERT_EQ(status_, 0) << ReadFile(folder_ / "out.txt");
        ASSERT_TRUE(gltf_.is_object());
        ASSERT_TRUE(model_.is_object());
    }

    // The points of a primitive in model axes (x east, y north, z up).
    static std::vector<V3> Points(const Json& primitive) {
        const Json& acc = gltf_["accessors"][primitive["attributes"]["POSITION"].get<size_t>()];
        const Json& view = gltf_["bufferViews"][acc["bufferView"].get<size_t>()];
        std::vector<V3> out;
        for (size_t i = 0; i < acc["count"].get<size_t>(); ++i) {
            float v[3];
            std::memcpy(v, &bytes_[view["byteOffset"].get<size_t>() + i * 12], 12);
            out.push_back({v[0], -v[2], v[1]});
        }
        return out;
    }
    static std::vector<uint32_t> Indices(const Json& primitive) {
        const Json& acc = gltf_["accessors"][primitive["indices"].get<size_t>()];
        const Json& view = gltf_["bufferViews"][acc["bufferView"].get<size_t>()];
        std::vector<uint32_t> out(acc["count"].get<size_t>());
        std::memcpy(out.data(), &bytes_[view["byteOffset"].get<size_t>()], out.size() * 4);
        return out;
    }

    // True when the point lies a lift of 2 cm above a roof plane whose outline holds it in plan or
    // passes within a metre (a ridge's end cap reaches over the eaves).
    static bool OnARoofPlane(const V3& q) {
        constexpr double kLift = 0.02, kTol = 2e-3, kReach = 1.0;
        for (const Json& e : model_["elements"]) {
            if (e["type"] != "roof") continue;
            for (const Json& plane : e["planes"]) {
                const Json& r = plane["outer"];
                // the plane through its first three points, as z = a x + b y + c
                const V3 p0{r[0][0], r[0][1], r[0][2]}, p1{r[1][0], r[1][1], r[1][2]}, p2{r[2][0], r[2][1], r[2][2]};
                const V3 u{p1[0] - p0[0], p1[1] - p0[1], p1[2] - p0[2]}, w{p2[0] - p0[0], p2[1] - p0[1], p2[2] - p0[2]};
                const V3 n{u[1] * w[2] - u[2] * w[1], u[2] * w[0] - u[0] * w[2], u[0] * w[1] - u[1] * w[0]};
                if (std::fabs(n[2]) < 1e-9) continue;
                const double z = p0[2] - (n[0] * (q[0] - p0[0]) + n[1] * (q[1] - p0[1])) / n[2];
                if (std::fabs(q[2] - z - kLift) > kTol) continue;
                bool inside = false, onEdge = false;
                for (size_t i = 0, j = r.size() - 1; i < r.size(); j = i++) {
                    const double ax = r[i][0], ay = r[i][1], bx = r[j][0], by = r[j][1];
                    const double len = std::hypot(bx - ax, by - ay);
                    const double cross = (bx - ax) * (q[1] - ay) - (by - ay) * (q[0] - ax);
                    // near this edge, about between its ends
                    if (len > 0 && std::fabs(cross) / len < kReach && (q[0] - ax) * (q[0] - bx) + (q[1] - ay) * (q[1] - by) <= kReach) onEdge = true;
                    if ((ay > q[1]) != (by > q[1]) && q[0] < (bx - ax) * (q[1] - ay) / (by - ay) + ax) inside = !inside;
                }
                if (inside || onEdge) return true;
            }
        }
        return false;
    }

    static inline fs::path folder_;
    static inline int status_ = -1;
    static inline Json gltf_, model_;
    static inline std::vector<unsigned char> bytes_;
};

TEST_F(GltfScene, EveryAccessorLiesInItsBufferAndBounds) {
    ASSERT_EQ(gltf_["asset"]["version"], "2.0");
    ASSERT_EQ(gltf_["buffers"][0]["byteLength"].get<size_t>(), bytes_.size());
    for (const Json& view : gltf_["bufferViews"])
        EXPECT_LE(view["byteOffset"].get<size_t>() + view["byteLength"].get<size_t>(), bytes_.size());
    for (const Json& mesh : gltf_["meshes"])
        for (const Json& p : mesh["primitives"]) {
            const std::vector<V3> points = Points(p);
            const Json& acc = gltf_["accessors"][p["attributes"]["POSITION"].get<size_t>()];
            for (const V3& q : points) {
                const double gl[3] = {q[0], q[2], -q[1]};
                for (int k = 0; k < 3; ++k) {
                    EXPECT_GE(gl[k], acc["min"][k].get<double>() - 1e-6);
                    EXPECT_LE(gl[k], acc["max"][k].get<double>() + 1e-6);
                }
            }
            const std::vector<uint32_t> indices = Indices(p);
            EXPECT_EQ(indices.size() % (p["mode"] == 4 ? 3 : 2), 0u);
            for (uint32_t i : indices) EXPECT_LT(i, points.size());
        }
}

TEST_F(GltfScene, RoofPlanesAreCoveredExactlyWithTheirHolesOpen) {
    // every plane of every roof, in model order, against the nodes of that roof in order
    std::map<std::string, std::vector<const Json*>> nodesOf;
    for (const Json& node : gltf_["nodes"])
        if (node["extras"]["kind"] == "roof") nodesOf[node["extras"]["id"]].push_back(&node);
    int planesWithHoles = 0;
    for (const Json& e : model_["elements"]) {
        if (e["type"] != "roof") continue;
        const std::string id = e["id"];
        ASSERT_EQ(nodesOf[id].size(), e["planes"].size()) << id;
        for (size_t k = 0; k < e["planes"].size(); ++k) {
            const Json& plane = e["planes"][k];
            double area = RingArea(plane["outer"]);
            if (plane.contains("holes"))
                for (const Json& hole : plane["holes"]) area -= RingArea(hole);
            planesWithHoles += plane.contains("holes") && !plane["holes"].empty() ? 1 : 0;
            const Json& node = *nodesOf[id][k];
            EXPECT_EQ(node["extras"]["plane"], k + 1);
            const Json& primitive = gltf_["meshes"][node["mesh"].get<size_t>()]["primitives"][0];
            const std::vector<V3> pts = Points(primitive);
            const std::vector<uint32_t> idx = Indices(primitive);
            double covered = 0;
            for (size_t t = 0; t + 2 < idx.size(); t += 3) covered += TriangleArea(pts[idx[t]], pts[idx[t + 1]], pts[idx[t + 2]]);
            EXPECT_NEAR(covered, area, kAreaTol * std::max(1.0, area)) << id << " plane " << k + 1;
        }
    }
    EXPECT_GE(planesWithHoles, 2) << "the garage's skylight and chimney holes";
}

TEST_F(GltfScene, WallsAreClosedPrismsAndObjectsLieOnTheirRoofs) {
    int walls = 0, surfaces = 0, ridges = 0;
    for (const Json& node : gltf_["nodes"]) {
        const Json& p = gltf_["meshes"][node["mesh"].get<size_t>()]["primitives"][0];
        const std::string kind = node["extras"]["kind"];
        if (kind == "wall") {
            ++walls;
            // a closed body: every edge of its triangles is shared by exactly two of them
            const std::vector<V3> pts = Points(p);
            const std::vector<uint32_t> idx = Indices(p);
            std::map<std::pair<std::array<long, 3>, std::array<long, 3>>, int> edges;
            auto key = [&](uint32_t i) { return std::array<long, 3>{std::lround(pts[i][0] * 1e4), std::lround(pts[i][1] * 1e4), std::lround(pts[i][2] * 1e4)}; };
            for (size_t t = 0; t + 2 < idx.size(); t += 3)
                for (int k = 0; k < 3; ++k) {
                    auto a = key(idx[t + size_t(k)]), b = key(idx[t + size_t((k + 1) % 3)]);
                    ++edges[a < b ? std::make_pair(a, b) : std::make_pair(b, a)];
                }
            for (const auto& [edge, count] : edges) EXPECT_EQ(count, 2) << node["name"];
        } else if (kind == "tile-surface" || kind == "ridge") {
            (kind == "ridge" ? ridges : surfaces)++;
            EXPECT_EQ(p["mode"], 1);
            // every point lies on a roof plane under it, lifted a little above the tiles' plane
            for (const V3& q : Points(p)) EXPECT_TRUE(OnARoofPlane(q)) << node["name"] << " " << q[0] << " " << q[1] << " " << q[2];
        }
    }
    EXPECT_GT(walls, 4);
    EXPECT_GE(surfaces, 9);
    EXPECT_GE(ridges, 8);
    // before tiling there are no objects, and the scene is still valid
    const Json before = Json::parse(ReadFile(folder_ / "before.gltf"), nullptr, false);
    ASSERT_TRUE(before.is_object());
    for (const Json& node : before["nodes"]) EXPECT_NE(node["extras"]["kind"], "tile-surface");
}

}  // namespace
