// The process-wide rendering switches that the keyboard toggles at run time. The
// first four start from the renderer settings file; the map and haze switches start
// on, the physics view off. Only the main thread touches them (key callback inside
// event polling).
#pragma once

class SettingsFile;

struct RenderFlags {
    bool wireframe = false;        // polygon mode lines (F1)
    bool backfaceCulling = false;  // face culling wanted (F2); culling starts on anyway
    bool normals = false;          // stored and toggled (N); nothing draws from it yet
    bool texcoords = false;        // stored and toggled (T); nothing draws from it yet
    bool showMap = true;           // the map is drawn in the visible pass (F3)
    bool showHaze = true;          // sent as "enableHaze" (F4)
    bool showPhysics = false;      // colliders and capsules drawn over the frame (F5)
};

extern RenderFlags renderFlags;

// Sets the four flags kept in the renderer file ([renderer] wireframe,
// backface_culling, normals, texcoords; each default false), in that order.
void readRenderFlags(RenderFlags& flags, const SettingsFile& renderer);
