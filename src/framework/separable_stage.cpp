#include "framework/separable_stage.h"

#include <iterator>
#include <map>
#include <utility>

#include <GL/glew.h>

SeparableStage::~SeparableStage()
{
    glDeleteProgram(program);
}

std::shared_ptr<const SeparableStage> sharedSeparableStage(unsigned stageType, const std::string& text,
                                                           const std::function<unsigned()>& build)
{
    // Weak: a stage lives as long as a pipeline holds it, never past the
    // programs (and the context) that use it.
    static std::map<std::pair<unsigned, std::string>, std::weak_ptr<const SeparableStage>> live;
    std::weak_ptr<const SeparableStage>& entry = live[{stageType, text}];
    if (std::shared_ptr<const SeparableStage> stage = entry.lock())
        return stage;
    auto stage = std::make_shared<const SeparableStage>(build());
    entry = stage;
    // Let go of the texts of stages gone since.
    for (auto it = live.begin(); it != live.end();)
        it = it->second.expired() ? live.erase(it) : std::next(it);
    return stage;
}
