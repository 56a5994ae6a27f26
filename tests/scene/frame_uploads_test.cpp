// The uniforms a frame sets, by program, name, value and order, with the typed
// programs writing into a recording instead of a GL context: the shadow pass,
// the model and skinning programs' frame values, the posed skeleton and the
// visible level, as the render passes call them. Also the start-up bake.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/lighting.h"
#include "scene/depth_program.h"
#include "scene/model_program.h"
#include "scene/skinning_program.h"

namespace {

std::string text(float value)
{
    std::ostringstream out;
    out << value;
    return out.str();
}

std::string text(const glm::vec3& value)
{
    return text(value.x) + "," + text(value.y) + "," + text(value.z);
}

// Logs each call as "<program> <call>": "use", "variant <n>", "draw <model's
// directory>" or "<uniform>=<value>". A matrix shows its [0][0], which each
// matrix of these tests makes its own.
class RecordedProgram : public UniformTarget {
public:
    RecordedProgram(std::string program, std::vector<std::string>& log)
        : program(std::move(program)), log(log)
    {
    }

    ProgramTarget target()
    {
        return ProgramTarget(*this, [this](const Model& model) { add("draw " + model.directory); });
    }

    void use() override { add("use"); }
    void selectVariant(int value) override { add("variant " + std::to_string(value)); }
    UniformSlot slot(const std::string& name) override
    {
        names.push_back(name);
        return UniformSlot{static_cast<int>(names.size()) - 1};
    }
    void set(UniformSlot slot, const glm::mat3& value) override { add(slot, text(value[0][0])); }
    void set(UniformSlot slot, const glm::mat4& value) override { add(slot, text(value[0][0])); }
    void set(UniformSlot slot, const glm::vec3& value) override { add(slot, text(value)); }
    void set(UniformSlot slot, int value) override { add(slot, std::to_string(value)); }
    void set(UniformSlot slot, float value) override { add(slot, text(value)); }

private:
    void add(const std::string& call) { log.push_back(program + " " + call); }
    void add(UniformSlot slot, const std::string& value) { add(names.at(slot.index) + "=" + value); }

    std::string program;
    std::vector<std::string>& log;
    std::vector<std::string> names;
};

Model named(const std::string& name)
{
    Model model;
    model.directory = name;
    return model;
}

void append(std::vector<std::string>& calls, const std::string& program,
            std::initializer_list<std::string> list)
{
    for (const std::string& call : list)
        calls.push_back(program + " " + call);
}

// The first call that differs, rather than two lists of three hundred.
void expectCalls(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    for (std::size_t i = 0; i < actual.size() && i < expected.size(); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "call " << i;
    EXPECT_EQ(actual.size(), expected.size());
}

class FrameUploads : public testing::Test {
protected:
    std::vector<std::string> log;
    RecordedProgram depthCalls{"depth", log};
    RecordedProgram modelCalls{"model", log};
    RecordedProgram skinningCalls{"skinning", log};
    DepthProgram depth{depthCalls.target()};
    ModelProgram model{modelCalls.target()};
    SkinningProgram skinning{skinningCalls.target()};
    const Model torches = named("torches"), door = named("door"), map = named("map"), lava = named("lava"),
                podium = named("podium"), riddle = named("riddle"), skeleton = named("skeleton");
    const std::vector<Model> spiderModels{named("spider1"), named("spider2"), named("spider3"),
                                          named("spider4")};
};

TEST_F(FrameUploads, FollowTheFramesStepsInOrder)
{
    std::vector<PlacedModel> spiders;
    for (std::size_t i = 0; i < spiderModels.size(); ++i)
        spiders.push_back({&spiderModels[i], glm::mat4(11.0f + i)});
    LitFrame frame;
    frame.viewProjection = glm::mat4(2.0f);
    frame.cameraPosition = {1.0f, 2.0f, 3.0f};
    frame.lightSpace = glm::mat4(3.0f);
    frame.hazeEnabled = false;
    std::vector<glm::mat4> pose;
    for (int i = 0; i < MaxBones; ++i)
        pose.emplace_back(100.0f + i);
    log.clear();  // the slots' look-ups

    depth.setShadowLight(frame.lightSpace);
    depth.drawShadowCasters({{&door, &map, &podium, &riddle}, spiders});
    model.setFrame(frame);
    skinning.setFrame(levelLightingConstants(), frame, glm::mat3(1.0f));
    skinning.selectLighting(LightingMode::PerPixel);
    skinning.drawPosed(skeleton, pose, glm::mat4(20.0f));
    model.drawVisible({LightingMode::Stored,
                       LightingMode::PerPixel,
                       {&torches},
                       {&door, &map, &lava, &podium, &riddle},
                       spiders});

    std::vector<std::string> expected;
    append(expected, "depth",
           {"use", "lightSpaceMatrix=3", "modelMatrix=1", "draw door", "draw map", "draw podium",
            "draw riddle", "modelMatrix=11", "draw spider1", "modelMatrix=12", "draw spider2",
            "modelMatrix=13", "draw spider3", "modelMatrix=14", "draw spider4"});
    append(expected, "model",
           {"use", "viewProjMatrix=2", "modelMatrix=1", "cameraPos=1,2,3", "lightSpaceMatrix=3",
            "shadowMap=9", "enableHaze=0"});
    append(expected, "skinning", {"use", "numLights=60"});
    const std::vector<glm::vec3> lights = torchLights();
    for (std::size_t i = 0; i < lights.size(); ++i)
        append(expected, "skinning", {"lightPositions[" + std::to_string(i) + "]=" + text(lights[i])});
    append(expected, "skinning",
           {"lavaMidpoint=-0.4,2.5,5.4", "lavaRadius=10", "lavaLightColor=1,0,0", "lightColor=1,0.8,0.6",
            "hazeStart=5", "hazeEnd=20", "hazeColor=0,0,0", "ambientLightColor=1,1,1", "ambientStrength=0.1",
            "viewProjMatrix=2", "cameraPos=1,2,3", "lightSpaceMatrix=3", "modelMatrix=1", "shadowMap=9",
            "enableHaze=0", "normalMatrix=1", "variant 0", "use"});
    for (int i = 0; i < MaxBones; ++i)
        append(expected, "skinning", {"finalBonesMatrices[" + std::to_string(i) + "]=" + text(100.0f + i)});
    append(expected, "skinning", {"modelMatrix=20", "draw skeleton"});
    append(expected, "model",
           {"use", "modelMatrix=1", "variant 0", "draw torches", "variant 1", "draw door", "draw map",
            "draw lava", "draw podium", "draw riddle", "variant 0", "modelMatrix=11", "draw spider1",
            "modelMatrix=12", "draw spider2", "modelMatrix=13", "draw spider3", "modelMatrix=14",
            "draw spider4"});
    expectCalls(log, expected);
}

TEST_F(FrameUploads, BakeDrawsInItsOwnVariantUnderTheFixedShadowLight)
{
    log.clear();
    model.setShadowLight(glm::mat4(3.0f));
    model.drawForBake({&door, &lava});
    expectCalls(log, {"model use", "model lightSpaceMatrix=3", "model shadowMap=9", "model use",
                      "model variant 2", "model modelMatrix=1", "model draw door", "model draw lava"});
}

}  // namespace
