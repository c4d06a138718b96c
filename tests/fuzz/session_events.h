#pragma once

// The byte form of a user session, shared by the session fuzz target (which
// reads it) and the seed writer (which writes the unit tests' scenarios in
// it). Bytes are read from the front; a missing byte reads as 0.
//
// Set-up: one byte of environment (0xFF: no Data folder, 0xFE: no tray),
// seven bytes of settings (each an index into kSettingValues), one byte of
// position, a count of registered slots and for each its slot, name and path
// (indexes into the pools), then one byte naming a group to give a name from
// the pool (255: none).
//
// Then events, each an Op and its arguments. A control or a menu item is
// named by a length byte and that many bytes of its name ("ShortCut(3)",
// "Op4", "ExSet"); a name that matches nothing picks one by its bytes.

#include <cstdint>

namespace session {

enum class Op : std::uint8_t {
    Click,         // window, control, button
    DoubleClick,   // window, control
    Hover,         // window, control, x, y
    BackgroundDrag,  // window, x, y, dx, dy
    NativeClick,   // window, control
    Type,          // window, control, text
    Close,         // window
    ReaderAction,  // control of the bar
    Tray,          // event
    Drop,          // slot button of the shown group or point, count, paths
    ChooseMenu,    // item name: the next menu opened chooses it
    Answer,        // 0 yes, 1 no: the next message box's answer
    WhileMessage,  // count: that many events run inside the next message box
    FailWrites,    // on or off
    TargetGone,    // path index: it vanishes, or comes back
    Pick,          // kind, path index: the next file or folder picker's result
    Scale,         // window, dpi index
    TaskbarRestart,
    ShellIconsChanged,
    FirstPaint,
    Key,           // key, shift, digit: a key on the bar, or its activation (key 0)
    // A press on a button of the shown group (position), then steps that
    // drag it: each a place (0 a button: position; 1 a tab: index; else a
    // point: x, y) and whether the bar's timer fires there; then the end:
    // 0 release, 1 Esc and release, 2 the capture taken and release.
    ButtonDrag,    // position, steps, places, end
    TimerElapsed,  // the bar's timer, running or not
    Hotkey,        // 0: the bar's hotkey pressed; 1, combination: chosen in the
                   // settings dialog's box; 2, combination: another program takes or lets go of it
    Count
};

// Which window an event is for: the bar, then those open now in this order.
enum Window : std::uint8_t { Bar, Settings, Product, Dialog };

constexpr const char* kSettingValues[] = {"", "0", "1", "2", "3"};
constexpr const char* kPositions[] = {"1500,900", "-150,1012.5", "99999,99999", "0,0"};
constexpr int kDpis[] = {96, 120, 144, 192};

// Names and paths a user may have or bring: plain and Japanese, a folder,
// a drive root, a network share, characters the code page cannot hold, the
// private-use characters that stand for kept bytes, and a double quote.
constexpr const char* kPaths[] = {
    "C:\\tools\\memo.exe",   "D:\\文書\\報告.txt",     "C:\\",
    "\\\\server\\share\\資料.xls", "C:\\한국어\\도구.exe", "C:\\x\uF722y.exe",
    "C:\\q\"uote.exe",       "C:\\Program Files",    "C:\\a\\b.lnk",
};
constexpr const char* kNames[] = {"メモ帳", "", "報告", "a,b", "グループ", "😀", "ab\uF722cd", "a\"b", "x"};

}  // namespace session
