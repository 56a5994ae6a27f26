#include "scene/texture_upload.h"

#include <algorithm>

#include <GL/glew.h>

#include "framework/console.h"
#include "scene/texture_image.h"

namespace {

int driverTextureLimit()
{
    GLint limit = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
    return limit;
}

// Every image goes up as four channels, sampling exactly as its own format would
// (widenToRgba). Software GL compiles a shader for each texture format the first
// time it builds a mipmap chain in it, about 45 ms at start-up per format, and the
// level's images came in three (red, RGB and RGBA); now they need one.
void uploadImage(const DecodedImage& image, const TextureFormat& fileFormat)
{
    // Four-channel images go up as they are, without a copy.
    const std::vector<std::uint8_t> widened =
        image.channels == 4 ? std::vector<std::uint8_t>{} : widenToRgba(image.pixels, image.channels);
    const std::vector<std::uint8_t>& rgba = image.channels == 4 ? image.pixels : widened;
    uploadModelTexture(rgba, image.width, image.height, widenFormatToRgba(fileFormat).internalFormat);
}

bool isSrgb(unsigned internalFormat)
{
    return internalFormat == GL_SRGB_ALPHA || internalFormat == GL_SRGB8_ALPHA8;
}

}  // namespace

void uploadModelTexture(const std::vector<std::uint8_t>& rgba, int width, int height, unsigned internalFormat)
{
    // The rows are packed tightly, whatever alignment the context was left with.
    GLint previousAlignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(internalFormat), width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    if (isSrgb(internalFormat)) {
        // The mean of stored sRGB values is not the mean of their light: the
        // driver's chain decodes them first.
        glGenerateMipmap(GL_TEXTURE_2D);
    } else {
        // The chain the driver builds, without the shader it compiles for it
        // at every start (a tenth of loading the level).
        // Each level is halved from the one above; the image itself is not copied.
        std::vector<std::uint8_t> level;
        for (int index = 1; width > 1 || height > 1; ++index) {
            level = halveRgba(index == 1 ? rgba : level, width, height);
            width = std::max(width / 2, 1);
            height = std::max(height / 2, 1);
            glTexImage2D(GL_TEXTURE_2D, index, static_cast<GLint>(internalFormat), width, height, 0, GL_RGBA,
                         GL_UNSIGNED_BYTE, level.data());
        }
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, previousAlignment);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

TextureFile readTextureFile(const std::string& filename)
{
    TextureFile file;
    file.size = readImageSize(filename);
    // The driver's own limit is only known on the context's thread; this one
    // keeps a huge image from being decoded at all.
    if (file.size && !rejectImageSize(file.size->first, file.size->second, 0))
        file.image = decodeImageFile(filename);
    return file;
}

std::uint32_t uploadTexture(const TextureFile& file, const std::string& path, bool gamma)
{
    GLuint id = 0;
    glGenTextures(1, &id);
    if (file.size) {
        if (const auto reason = rejectImageSize(file.size->first, file.size->second, driverTextureLimit())) {
            printLine("Texture too large to load at path: " + path + " (" + *reason + ")");
            return id;
        }
    }
    const auto format = file.image ? chooseTextureFormat(file.image->channels, gamma) : std::nullopt;
    if (!file.image || !format) {
        printLine("Texture failed to load at path: " + path);
        return id;
    }
    glBindTexture(GL_TEXTURE_2D, id);
    uploadImage(*file.image, *format);
    return id;
}

std::uint32_t loadTextureFromFile(const std::string& path, const std::string& directory, bool gamma)
{
    return uploadTexture(readTextureFile(directory + "/" + path), path, gamma);
}
