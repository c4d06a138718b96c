#pragma once

namespace ui {

// What a message box offers and which icon it shows.
enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Critical, Question, Exclamation };
struct MessageStyle {
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool operator==(const MessageStyle&) const = default;
};

enum class Answer { Ok, Yes, No };

namespace message_box {
inline constexpr MessageStyle kOk{};
inline constexpr MessageStyle kCritical{MessageButtons::Ok, MessageIcon::Critical};
inline constexpr MessageStyle kExclamation{MessageButtons::Ok, MessageIcon::Exclamation};
inline constexpr MessageStyle kQuestion{MessageButtons::YesNo, MessageIcon::Question};
inline constexpr MessageStyle kWarningQuestion{MessageButtons::YesNo, MessageIcon::Exclamation};
}  // namespace message_box

}  // namespace ui
