#pragma once

// The windowing layer's main classes by name, for headers that only pass
// them along.
namespace ui {
class Control;
class Window;
}  // namespace ui
