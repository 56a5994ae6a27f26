// A small texture the draws of meshes without a diffuse texture or a normal
// map point those samplers at. The shaders ignore what it holds (the
// hasDiffuseTexture and hasNormalMap flags say so); it is there because a
// software rasteriser compiles a shader once per combination of the formats
// and filters its samplers see, an empty unit included, so every mesh that
// lacked a texture cost the whole lighting shader compiled again at start-up.
// This texture has the format and filters of the model textures, so each
// lighting program compiles once.
//
// Owns its texture (delete it before the context).
#pragma once

// It sits on StandInTextureUnit (framework/gpu_layout.h).
class StandInTexture {
public:
    // A 2 x 2 grey RGBA texture with its mipmaps, filtered and wrapped as a
    // model texture is (texture_upload.cpp).
    StandInTexture();
    ~StandInTexture();
    StandInTexture(const StandInTexture&) = delete;
    StandInTexture& operator=(const StandInTexture&) = delete;

    // Binds it on StandInTextureUnit, then makes unit 0 active.
    void bind() const;

private:
    unsigned name = 0;
};
