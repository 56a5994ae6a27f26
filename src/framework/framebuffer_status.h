// Whether a framebuffer the game builds can be drawn into. A framebuffer the
// driver refuses (a format it cannot render to, a texture it could not make)
// would be drawn into for nothing and read back as garbage, so its owner goes
// on without the feature instead, after one line that says so.
#pragma once

#include <string>

// The GL name of a glCheckFramebufferStatus result
// ("GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT"), or its number in hex when unknown.
std::string framebufferStatusName(unsigned status);

// True when the framebuffer bound to GL_FRAMEBUFFER is complete. Otherwise
// prints "<name> framebuffer incomplete (<status>): <consequence>" and returns false.
bool checkFramebufferComplete(const std::string& name, const std::string& consequence);
