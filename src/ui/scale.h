#pragma once

#include "ui/types.h"

namespace ui {

// The display scale of a window: the program is designed in pixels of a
// 96-dpi screen ("design pixels") and in twips (1440 to the inch), and shown
// in the device pixels of the monitor it is on. Every conversion rounds to
// the nearest whole pixel, halves to the even neighbour.
struct Scale {
    static constexpr int kDesignDpi = 96;
    static constexpr int kTwipsPerInch = 1440;

    int dpi = kDesignDpi;

    int pixels(int design) const { return roundHalfEven(static_cast<double>(design) * dpi / kDesignDpi); }
    // Position and size are scaled each on their own, so that equal controls
    // stay equal in size.
    Rect rect(const Rect& design) const
    {
        return {pixels(design.left), pixels(design.top), pixels(design.width), pixels(design.height)};
    }
    float design(float device) const { return device * kDesignDpi / static_cast<float>(dpi); }

    int twipsToPixels(float twips) const { return roundHalfEven(static_cast<double>(twips) * dpi / kTwipsPerInch); }
    float pixelsToTwips(int device) const { return static_cast<float>(device) * kTwipsPerInch / dpi; }
};

}  // namespace ui
