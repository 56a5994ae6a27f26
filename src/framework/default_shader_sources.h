// Source texts of the framework's default program: it draws positions as given, in
// pale pink. Installed by initFramework when nothing else is current.
#pragma once

extern const char* const DefaultVertexSource;
extern const char* const DefaultFragmentSource;
