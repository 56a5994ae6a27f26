#include "scene/light_atlas.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>

#include <glm/geometric.hpp>
#include <glm/vec4.hpp>

namespace {

// Union-find over vertex indices: the triangles joined by a shared vertex form a chart.
class VertexGroups {
public:
    explicit VertexGroups(std::size_t count) : parent(count) { std::iota(parent.begin(), parent.end(), 0u); }

    std::uint32_t root(std::uint32_t v)
    {
        while (parent[v] != v) {
            parent[v] = parent[parent[v]];
            v = parent[v];
        }
        return v;
    }
    void join(std::uint32_t a, std::uint32_t b) { parent[root(a)] = root(b); }

private:
    std::vector<std::uint32_t> parent;
};

struct Chart {
    std::size_t mesh = 0;
    std::vector<std::uint32_t> vertices;  // every vertex of the chart's triangles, once
    glm::vec3 u{1.0f, 0.0f, 0.0f};        // the flattening plane's axes
    glm::vec3 v{0.0f, 1.0f, 0.0f};
    glm::vec2 low{0.0f};     // plane coordinates of the chart's corner
    glm::vec2 extent{0.0f};  // plane size, world units
    bool fine = false;
    int width = 0;  // texels, padding included
    int height = 0;
    int x = 0;  // placement in the atlas
    int y = 0;
};

// Two axes perpendicular to `normal`; axis-aligned faces get axis-aligned ones.
void planeAxes(const glm::vec3& normal, glm::vec3& u, glm::vec3& v)
{
    const float length = glm::length(normal);
    const glm::vec3 n = length > 0.0f ? normal / length : glm::vec3(0.0f, 1.0f, 0.0f);
    const glm::vec3 helper = std::abs(n.y) < 0.9f ? glm::vec3(0.0f, 1.0f, 0.0f) : glm::vec3(1.0f, 0.0f, 0.0f);
    u = glm::normalize(glm::cross(helper, n));
    v = glm::cross(n, u);
}

float distanceToBox(const glm::vec3& point, const glm::vec3& low, const glm::vec3& high)
{
    const glm::vec3 outside = glm::max(glm::max(low - point, point - high), glm::vec3(0.0f));
    return glm::length(outside);
}

std::vector<Chart> findCharts(const std::vector<LightAtlasMesh>& meshes, const LightAtlasSettings& settings)
{
    std::vector<Chart> charts;
    for (std::size_t m = 0; m < meshes.size(); ++m) {
        const LightAtlasMesh& mesh = meshes[m];
        VertexGroups groups(mesh.positions.size());
        for (std::size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
            groups.join(mesh.indices[i], mesh.indices[i + 1]);
            groups.join(mesh.indices[i], mesh.indices[i + 2]);
        }
        // Charts in the order their first triangle appears; area-weighted normals.
        std::vector<int> chartOfRoot(mesh.positions.size(), -1);
        std::vector<glm::vec3> normals;
        std::vector<std::vector<bool>> seen;
        const std::size_t first = charts.size();
        for (std::size_t i = 0; i + 2 < mesh.indices.size(); i += 3) {
            const std::uint32_t corner[3] = {mesh.indices[i], mesh.indices[i + 1], mesh.indices[i + 2]};
            const std::uint32_t root = groups.root(corner[0]);
            if (chartOfRoot[root] < 0) {
                chartOfRoot[root] = static_cast<int>(charts.size() - first);
                charts.emplace_back();
                charts.back().mesh = m;
                normals.emplace_back(0.0f);
            }
            const std::size_t local = static_cast<std::size_t>(chartOfRoot[root]);
            Chart& chart = charts[first + local];
            const glm::vec3& a = mesh.positions[corner[0]];
            normals[local] += glm::cross(mesh.positions[corner[1]] - a, mesh.positions[corner[2]] - a);
            for (std::uint32_t vertex : corner)
                chart.vertices.push_back(vertex);
        }
        for (std::size_t local = 0; local < normals.size(); ++local) {
            Chart& chart = charts[first + local];
            std::sort(chart.vertices.begin(), chart.vertices.end());
            chart.vertices.erase(std::unique(chart.vertices.begin(), chart.vertices.end()),
                                 chart.vertices.end());
            planeAxes(normals[local], chart.u, chart.v);
            glm::vec2 low(INFINITY), high(-INFINITY);
            glm::vec3 boxLow(INFINITY), boxHigh(-INFINITY);
            for (std::uint32_t vertex : chart.vertices) {
                const glm::vec3& p = mesh.positions[vertex];
                const glm::vec2 flat(glm::dot(p, chart.u), glm::dot(p, chart.v));
                low = glm::min(low, flat);
                high = glm::max(high, flat);
                boxLow = glm::min(boxLow, p);
                boxHigh = glm::max(boxHigh, p);
            }
            chart.low = low;
            chart.extent = high - low;
            chart.fine = settings.fineRadius > 0.0f &&
                         distanceToBox(settings.fineCentre, boxLow, boxHigh) < settings.fineRadius;
        }
    }
    return charts;
}

// Shelf packing, tallest charts first, into rows of `rowWidth` texels. Returns
// the height used, or -1 when a chart is wider than a row.
int packRows(std::vector<Chart*>& order, int rowWidth)
{
    int x = 0, y = 0, rowHeight = 0;
    for (Chart* chart : order) {
        if (chart->width > rowWidth)
            return -1;
        if (x + chart->width > rowWidth) {
            y += rowHeight;
            x = 0;
            rowHeight = 0;
        }
        chart->x = x;
        chart->y = y;
        x += chart->width;
        rowHeight = std::max(rowHeight, chart->height);
    }
    return y + rowHeight;
}

// Sizes every chart at `scale` times its density and packs them; false when
// the atlas would be larger than settings.maxSize.
bool sizeAndPack(std::vector<Chart>& charts, const LightAtlasSettings& settings, float scale, int& width,
                 int& height)
{
    long long area = 0;
    for (Chart& chart : charts) {
        const float density = scale * (chart.fine ? settings.fineTexelsPerUnit : settings.texelsPerUnit);
        chart.width = static_cast<int>(std::ceil(chart.extent.x * density)) + 1 + 2 * settings.padding;
        chart.height = static_cast<int>(std::ceil(chart.extent.y * density)) + 1 + 2 * settings.padding;
        area += static_cast<long long>(chart.width) * chart.height;
    }
    std::vector<Chart*> order;
    for (Chart& chart : charts)
        order.push_back(&chart);
    std::stable_sort(order.begin(), order.end(),
                     [](const Chart* a, const Chart* b) { return a->height > b->height; });
    // A square-ish atlas, a little wider than the bare area for the rows' ragged ends.
    width = std::max(1, static_cast<int>(std::ceil(std::sqrt(static_cast<double>(area) * 1.1))));
    for (const Chart& chart : charts)
        width = std::max(width, chart.width);
    width = (width + 3) / 4 * 4;
    if (width > settings.maxSize)
        return false;
    height = std::max(1, packRows(order, width));
    return height <= settings.maxSize;
}

}  // namespace

LightAtlasLayout layOutLightAtlas(const std::vector<LightAtlasMesh>& meshes,
                                  const LightAtlasSettings& settings)
{
    LightAtlasLayout layout;
    std::vector<Chart> charts = findCharts(meshes, settings);
    layout.charts = static_cast<int>(charts.size());
    float scale = 1.0f;
    while (!sizeAndPack(charts, settings, scale, layout.width, layout.height) && scale > 1e-3f)
        scale *= 0.8f;
    layout.densityScale = scale;

    layout.coordinates.resize(meshes.size());
    for (std::size_t m = 0; m < meshes.size(); ++m)
        layout.coordinates[m].assign(meshes[m].positions.size(), glm::vec2(0.0f));
    const glm::vec2 atlasSize(static_cast<float>(layout.width), static_cast<float>(layout.height));
    for (const Chart& chart : charts) {
        const float density = scale * (chart.fine ? settings.fineTexelsPerUnit : settings.texelsPerUnit);
        // Texel centres sit at k + 0.5; the chart starts half a texel inside its padding
        // so that its first row and column of texels lie on the surface.
        const glm::vec2 origin(static_cast<float>(chart.x + settings.padding) + 0.5f,
                               static_cast<float>(chart.y + settings.padding) + 0.5f);
        for (std::uint32_t vertex : chart.vertices) {
            const glm::vec3& p = meshes[chart.mesh].positions[vertex];
            const glm::vec2 flat(glm::dot(p, chart.u), glm::dot(p, chart.v));
            layout.coordinates[chart.mesh][vertex] = (origin + (flat - chart.low) * density) / atlasSize;
        }
    }
    return layout;
}

void dilateLightAtlas(std::vector<glm::vec4>& texels, int width, int height, int passes, DilationRule rule,
                      const glm::vec4& leftover)
{
    // A pass reads only what the passes before it left, so each adds one ring.
    // Its fills wait in a list until its scan is done; a copy of the whole
    // atlas per pass would cost more, as most texels are covered or far from
    // any chart.
    std::vector<std::pair<std::size_t, glm::vec4>> filled;
    for (int pass = 0; pass < passes; ++pass) {
        filled.clear();
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::size_t index = static_cast<std::size_t>(y) * width + x;
                if (texels[index].w >= 0.0f)
                    continue;
                glm::vec4 sum(0.0f);
                int covered = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                            continue;
                        const glm::vec4& neighbour = texels[static_cast<std::size_t>(ny) * width + nx];
                        if (neighbour.w >= 0.0f && (rule == DilationRule::Mean || covered == 0)) {
                            sum += neighbour;
                            ++covered;
                        }
                    }
                if (covered > 0)
                    filled.emplace_back(index, sum / static_cast<float>(covered));
            }
        for (const auto& [index, value] : filled)
            texels[index] = value;
    }
    for (glm::vec4& texel : texels)
        if (texel.w < 0.0f)
            texel = leftover;
}
