#pragma once

namespace bar::tool_text {

// What the toolbar pictures say, as tooltips and, on the horizontal bar,
// in the info line while the pointer is over them.
inline constexpr const char* kTray = "タスクトレイに格納";
inline constexpr const char* kSettings = "ソフトの設定";
inline constexpr const char* kInfo = "製品情報";
inline constexpr const char* kExit = "終了";
inline constexpr const char* kTopmost = "前面に表示";
inline constexpr const char* kNotTopmost = "前面に表示を解除する";
inline constexpr const char* kFix = "画面を固定する";
inline constexpr const char* kUnfix = "画面を移動可能にする";

}  // namespace bar::tool_text
