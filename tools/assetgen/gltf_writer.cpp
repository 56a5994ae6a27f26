#include "gltf_writer.h"

#include "gltf_buffer.h"
#include "obj_writer.h"
#include "skeleton_rig.h"

#include <map>
#include <sstream>

namespace {

constexpr int FirstJointNode = 2;  // nodes 0 and 1 are SkeletonRoot and SkeletonMesh
constexpr int SamplerLinear = 9729, SamplerLinearMipmapLinear = 9987, WrapRepeat = 10497;

std::vector<double> column(const glm::dvec3& v)
{
    return {v.x, v.y, v.z};
}

std::string list(const std::vector<double>& values)
{
    std::string out = "[";
    for (size_t k = 0; k < values.size(); ++k)
        out += (k ? ", " : "") + jsonNumber(values[k]);
    return out + "]";
}

std::string intList(const std::vector<int>& values)
{
    std::string out = "[";
    for (size_t k = 0; k < values.size(); ++k)
        out += (k ? ", " : "") + std::to_string(values[k]);
    return out + "]";
}

std::string primitiveJson(GltfBuffer& buffer, const SkinPrimitive& p, int material)
{
    std::vector<float> positions, normals, uvs, weights;
    std::vector<uint16_t> joints;
    for (const SkinVertex& v : p.vertices) {
        positions.insert(positions.end(), {float(v.position.x), float(v.position.y), float(v.position.z)});
        normals.insert(normals.end(), {float(v.normal.x), float(v.normal.y), float(v.normal.z)});
        uvs.insert(uvs.end(), {float(v.uv.x), float(v.uv.y)});
        for (int s = 0; s < 4; ++s) {
            joints.push_back(static_cast<uint16_t>(v.joints[s]));
            weights.push_back(float(v.weights[s]));
        }
    }
    const int pos = buffer.addFloats(positions, "VEC3", true);
    const int nrm = buffer.addFloats(normals, "VEC3", false);
    const int tex = buffer.addFloats(uvs, "VEC2", false);
    const int jnt = buffer.addJoints(joints);
    const int wgt = buffer.addFloats(weights, "VEC4", false);
    const int idx = buffer.addIndices(std::vector<uint32_t>(p.indices.begin(), p.indices.end()));
    std::ostringstream out;
    out << "{\"attributes\": {\"POSITION\": " << pos << ", \"NORMAL\": " << nrm << ", \"TEXCOORD_0\": " << tex
        << ", \"JOINTS_0\": " << jnt << ", \"WEIGHTS_0\": " << wgt << "}, \"indices\": " << idx
        << ", \"material\": " << material << ", \"mode\": 4}";
    return out.str();
}

std::string nodesJson(const RootPlacement& root)
{
    const std::vector<Joint>& joints = skeletonJoints();
    std::map<int, std::vector<int>> children;
    for (size_t j = 0; j < joints.size(); ++j)
        children[joints[j].parent].push_back(FirstJointNode + int(j));
    std::ostringstream out;
    out << "[\n    {\"name\": \"SkeletonRoot\", \"translation\": " << list({0, root.liftY, 0})
        << ", \"scale\": " << list({root.scale, root.scale, root.scale})
        << ", \"children\": " << intList(children[-1]) << "},\n";
    out << "    {\"name\": \"SkeletonMesh\", \"mesh\": 0, \"skin\": 0}";
    for (size_t j = 0; j < joints.size(); ++j) {
        const Joint& joint = joints[j];
        const glm::dvec3 parent = joint.parent < 0 ? glm::dvec3(0.0) : joints[joint.parent].bindPosition;
        out << ",\n    {\"name\": \"" << joint.name
            << "\", \"translation\": " << list(column(joint.bindPosition - parent));
        if (children.count(int(j)))
            out << ", \"children\": " << intList(children[int(j)]);
        out << "}";
    }
    return out.str() + "\n  ]";
}

// Joints carry only translations in bind pose, so each inverse bind matrix is a
// translation by minus the joint's position relative to SkeletonRoot.
int inverseBindAccessor(GltfBuffer& buffer)
{
    std::vector<float> matrices;
    for (const Joint& j : skeletonJoints()) {
        const float m[16] = {1,
                             0,
                             0,
                             0,
                             0,
                             1,
                             0,
                             0,
                             0,
                             0,
                             1,
                             0,
                             float(-j.bindPosition.x),
                             float(-j.bindPosition.y),
                             float(-j.bindPosition.z),
                             1};
        matrices.insert(matrices.end(), m, m + 16);
    }
    return buffer.addFloats(matrices, "MAT4", false);
}

std::string animationJson(GltfBuffer& buffer)
{
    std::vector<std::string> channels, samplers;
    const auto sampler = [&](const std::vector<double>& times, const std::vector<float>& values,
                             const char* type) {
        const int input = buffer.addFloats(std::vector<float>(times.begin(), times.end()), "SCALAR", true);
        const int output = buffer.addFloats(values, type, false);
        samplers.push_back("{\"input\": " + std::to_string(input) +
                           ", \"output\": " + std::to_string(output) + ", \"interpolation\": \"LINEAR\"}");
        return static_cast<int>(samplers.size()) - 1;
    };
    const auto channel = [&](int samplerIndex, int joint, const char* path) {
        channels.push_back("{\"sampler\": " + std::to_string(samplerIndex) + ", \"target\": {\"node\": " +
                           std::to_string(FirstJointNode + joint) + ", \"path\": \"" + path + "\"}}");
    };
    for (const JointTrack& t : skeletonTracks()) {
        std::vector<float> translations, rotations, scales;
        for (const glm::dvec3& v : t.translations)
            translations.insert(translations.end(), {float(v.x), float(v.y), float(v.z)});
        for (const glm::dquat& q : t.rotations)
            rotations.insert(rotations.end(), {float(q.x), float(q.y), float(q.z), float(q.w)});
        for (const glm::dvec3& v : t.scales)
            scales.insert(scales.end(), {float(v.x), float(v.y), float(v.z)});
        channel(sampler(t.translationTimes, translations, "VEC3"), t.joint, "translation");
        channel(sampler(t.rotationTimes, rotations, "VEC4"), t.joint, "rotation");
        channel(sampler(t.scaleTimes, scales, "VEC3"), t.joint, "scale");
    }
    std::string out = "[\n    {\"name\": \"Cast\",\n     \"channels\": [\n";
    for (size_t k = 0; k < channels.size(); ++k)
        out += "      " + channels[k] + (k + 1 < channels.size() ? ",\n" : "\n");
    out += "     ],\n     \"samplers\": [\n";
    for (size_t k = 0; k < samplers.size(); ++k)
        out += "      " + samplers[k] + (k + 1 < samplers.size() ? ",\n" : "\n");
    return out + "     ]}\n  ]";
}

std::string materialsJson()
{
    return "[\n    {\"name\": \"bone\", \"pbrMetallicRoughness\": {\"baseColorTexture\": {\"index\": 0}, "
           "\"metallicFactor\": 0, \"roughnessFactor\": 1}},\n"
           "    {\"name\": \"sash\", \"pbrMetallicRoughness\": {\"baseColorFactor\": [0.35, 0.1, 0.5, 1], "
           "\"metallicFactor\": 0, \"roughnessFactor\": 1}}\n  ]";
}

}  // namespace

void writeSkeletonGltf(const std::string& folder)
{
    const std::vector<SkinPrimitive> primitives = skeletonPrimitives();
    GltfBuffer buffer;
    const std::string bonePrimitive = primitiveJson(buffer, primitives[0], 0);
    const std::string sashPrimitive = primitiveJson(buffer, primitives[1], 1);
    const int inverseBinds = inverseBindAccessor(buffer);
    const std::string animations = animationJson(buffer);
    std::vector<int> joints;
    for (size_t j = 0; j < skeletonJoints().size(); ++j)
        joints.push_back(FirstJointNode + int(j));

    std::ostringstream json;
    json << "{\n  \"asset\": {\"version\": \"2.0\", \"generator\": \"assetgen\"},\n";
    json << "  \"scene\": 0,\n  \"scenes\": [{\"name\": \"Scene\", \"nodes\": [0, 1]}],\n";
    json << "  \"nodes\": " << nodesJson(rootPlacementFor(primitives)) << ",\n";
    json << "  \"skins\": [{\"name\": \"SkeletonSkin\", \"inverseBindMatrices\": " << inverseBinds
         << ", \"skeleton\": " << FirstJointNode << ", \"joints\": " << intList(joints) << "}],\n";
    json << "  \"meshes\": [{\"name\": \"SkeletonBody\", \"primitives\": [\n    " << bonePrimitive
         << ",\n    " << sashPrimitive << "\n  ]}],\n";
    json << "  \"materials\": " << materialsJson() << ",\n";
    json << "  \"textures\": [{\"sampler\": 0, \"source\": 0}],\n";
    json << "  \"images\": [{\"uri\": \"textures/bone.png\"}],\n";
    json << "  \"samplers\": [{\"magFilter\": " << SamplerLinear
         << ", \"minFilter\": " << SamplerLinearMipmapLinear << ", \"wrapS\": " << WrapRepeat
         << ", \"wrapT\": " << WrapRepeat << "}],\n";
    json << "  \"animations\": " << animations << ",\n";
    json << "  \"accessors\": " << buffer.accessorsJson() << ",\n";
    json << "  \"bufferViews\": " << buffer.bufferViewsJson() << ",\n";
    json << "  \"buffers\": " << buffer.buffersJson("scene.bin") << "\n}\n";
    writeTextFile(folder + "/scene.gltf", json.str());
    writeTextFile(folder + "/scene.bin", std::string(buffer.bytes().begin(), buffer.bytes().end()));
}
