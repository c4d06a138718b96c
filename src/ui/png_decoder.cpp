// The one user of stb_image: PNG only, from memory, for the pictures
// compiled into the program.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_FAILURE_STRINGS
#include <stb_image.h>

#include <climits>
#include <memory>
#include <utility>

#include "ui/pixels.h"

namespace ui {

std::optional<Pixels> decodePng(std::span<const std::byte> file)
{
    if (file.size() > INT_MAX) return std::nullopt;
    int width = 0;
    int height = 0;
    int channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(file.data()), static_cast<int>(file.size()), &width,
                              &height, &channels, 4),
        stbi_image_free);
    if (!rgba) return std::nullopt;
    const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
    Pixels pixels{width, height, std::vector<std::uint8_t>(rgba.get(), rgba.get() + bytes)};
    for (std::size_t i = 0; i < pixels.bgra.size(); i += 4) std::swap(pixels.bgra[i], pixels.bgra[i + 2]);
    return pixels;
}

}  // namespace ui
