#pragma once

namespace ui::message_box {

// Styles and answers, with the platform's own values.
constexpr int kOk = 0;
constexpr int kYesNo = 4;
constexpr int kIconCritical = 16;
constexpr int kIconQuestion = 32;
constexpr int kIconExclamation = 48;

constexpr int kAnswerOk = 1;
constexpr int kAnswerYes = 6;
constexpr int kAnswerNo = 7;

}  // namespace ui::message_box
