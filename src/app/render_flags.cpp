#include "app/render_flags.h"

#include "app/settings.h"

RenderFlags renderFlags;

void readRenderFlags(RenderFlags& flags, const SettingsFile& renderer)
{
    flags.wireframe = renderer.getBool("renderer", "wireframe", false);
    flags.backfaceCulling = renderer.getBool("renderer", "backface_culling", false);
    flags.normals = renderer.getBool("renderer", "normals", false);
    flags.texcoords = renderer.getBool("renderer", "texcoords", false);
}
