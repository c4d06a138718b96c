#include "ui/pixels.h"

#include <algorithm>

namespace ui {
namespace {

struct Share {
    int source;
    int amount;  // out of the source length: how much of that pixel the new one covers
};

// For each pixel of a side `to` long, the pixels of the side `from` long
// that it covers. Both are measured in units of 1 / (from × to) of the side,
// so the shares are whole numbers and each pixel's add up to `from`.
std::vector<std::vector<Share>> sharesOf(int from, int to)
{
    std::vector<std::vector<Share>> shares(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        const long long begin = static_cast<long long>(i) * from;
        const long long end = begin + from;
        for (int s = static_cast<int>(begin / to); s < from && static_cast<long long>(s) * to < end; ++s) {
            const long long covered =
                std::min(end, static_cast<long long>(s + 1) * to) - std::max(begin, static_cast<long long>(s) * to);
            if (covered > 0) shares[static_cast<std::size_t>(i)].push_back({s, static_cast<int>(covered)});
        }
    }
    return shares;
}

}  // namespace

Pixels resized(const Pixels& picture, int width, int height)
{
    Pixels result{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4)};
    if (picture.width <= 0 || picture.height <= 0 || width <= 0 || height <= 0) return result;
    const auto across = sharesOf(picture.width, width);
    const auto down = sharesOf(picture.height, height);
    // Across first, each row of the picture into sums of its covered parts.
    std::vector<long long> rows(static_cast<std::size_t>(picture.height) * width * 4);
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* in = &picture.bgra[static_cast<std::size_t>(y) * picture.width * 4];
        long long* out = &rows[static_cast<std::size_t>(y) * width * 4];
        for (int x = 0; x < width; ++x) {
            for (const Share& share : across[static_cast<std::size_t>(x)]) {
                for (int c = 0; c < 4; ++c) out[x * 4 + c] += in[share.source * 4 + c] * share.amount;
            }
        }
    }
    // Then down, rounding the whole area's average to the nearest value.
    const long long area = static_cast<long long>(picture.width) * picture.height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            for (int c = 0; c < 4; ++c) {
                long long sum = 0;
                for (const Share& share : down[static_cast<std::size_t>(y)]) {
                    sum += rows[(static_cast<std::size_t>(share.source) * width + x) * 4 + c] * share.amount;
                }
                result.bgra[(static_cast<std::size_t>(y) * width + x) * 4 + c] =
                    static_cast<std::uint8_t>((sum + area / 2) / area);
            }
        }
    }
    return result;
}

}  // namespace ui
