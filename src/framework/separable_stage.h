// One shader stage linked as a program of its own (GL_PROGRAM_SEPARABLE), for
// the program pipelines a Shader with variants is made of. Stages are shared:
// a pipeline whose stage has the very text an earlier one compiled gets that
// stage, so two programs that light the same way compile their lighting once.
// A driver that compiles at the first draw (a software rasteriser runs LLVM
// then) compiles it once too, for both programs' draws.
#pragma once

#include <functional>
#include <memory>
#include <string>

class SeparableStage {
public:
    // Takes the linked program; deletes it with the last pipeline that uses it.
    explicit SeparableStage(unsigned program) : program(program) {}
    ~SeparableStage();
    SeparableStage(const SeparableStage&) = delete;
    SeparableStage& operator=(const SeparableStage&) = delete;

    const unsigned program;
};

// The live stage of `stageType` (GL_VERTEX_SHADER, GL_FRAGMENT_SHADER) compiled
// from exactly `text`, or the one `build` links now and returns, which is then
// shared until its last holder lets go. Needs the context the stages live in.
std::shared_ptr<const SeparableStage> sharedSeparableStage(unsigned stageType, const std::string& text,
                                                           const std::function<unsigned()>& build);
