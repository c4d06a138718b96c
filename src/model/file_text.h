#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/ansi_codec.h"

namespace model {

// Text fields of the data files, converted so that nothing is ever lost: a
// byte that is not valid in the code page (a damaged file) is kept as a
// private-use character U+F700 + byte and written back as the same byte, so
// a rewrite reproduces every byte of every field it read.

std::string decodeFileText(const AnsiCodec& codec, std::string_view ansi);

// Why a text cannot be written into a data file.
enum class TextRefusal {
    Unrepresentable,  // a character the code page has no form for
    DoubleQuote,      // a quoted field would end at it
};

struct EncodedText {
    std::string bytes;
    std::optional<TextRefusal> refusal;
};

EncodedText encodeFileText(const AnsiCodec& codec, std::string_view utf8);

// The one gate for text that becomes file content, whatever way it came
// (typed, picked, dropped): whether it can be stored as it stands. Unlike
// encodeFileText it refuses the private-use characters that stand for kept
// bytes, which would otherwise be written as those raw bytes.
std::optional<TextRefusal> checkUserText(const AnsiCodec& codec, std::string_view utf8);

// The gate for a field being edited: text the file held and the user left
// as it was is written back as it was read, kept bytes and all; anything
// else must pass checkUserText.
std::optional<TextRefusal> checkEditedText(const AnsiCodec& codec, std::string_view utf8, std::string_view stored);

}  // namespace model
