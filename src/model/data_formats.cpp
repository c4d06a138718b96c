#include "model/data_formats.h"

#include "model/field_reader.h"
#include "model/number_text.h"

namespace model {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A field read into a loosely typed value: quoted becomes text, unquoted and
// numeric a number, unquoted and empty stays empty.
Variant toVariant(const Field& field, const AnsiCodec& codec)
{
    if (field.quoted) return Variant::text(decodeFileText(codec, field.bytes));
    if (field.bytes.empty()) return {};
    if (const auto n = parseNumber(field.bytes)) return Variant::number(*n);
    return Variant::text(decodeFileText(codec, field.bytes));
}

std::optional<float> toSingle(const Field& field) { return parseSingle(field.bytes); }

std::string readText(FieldReader& reader, const AnsiCodec& codec, bool& ok)
{
    const auto field = reader.next();
    if (!field) {
        ok = false;
        return {};
    }
    return decodeFileText(codec, field->bytes);
}

class ImageWriter {
public:
    explicit ImageWriter(const AnsiCodec& codec) : codec_(codec) {}

    void text(std::string_view utf8)
    {
        separate();
        if (image_.refusal) return;
        auto encoded = encodeFileText(codec_, utf8);
        if (encoded.refusal) {
            image_.refusal = encoded.refusal;
            image_.refusedText = utf8;
            return;
        }
        image_.bytes += '"';
        image_.bytes += encoded.bytes;
        image_.bytes += '"';
    }

    void number(std::string_view digits)
    {
        separate();
        image_.bytes += digits;
    }

    void value(const Variant& v)
    {
        if (v.isText()) {
            text(v.asText());
        } else if (v.isNumber()) {
            number(formatNumber(v.asNumber()));
        } else {
            number({});
        }
    }

    void endLine()
    {
        image_.bytes += kLineEnd;
        first_ = true;
    }

    FileImage take()
    {
        if (image_.refusal) image_.bytes.clear();
        return std::move(image_);
    }

private:
    void separate()
    {
        if (!first_) image_.bytes += ',';
        first_ = false;
    }

    const AnsiCodec& codec_;
    FileImage image_;
    bool first_ = true;
};

// The field after the seven settings, if there is one: a damaged or unknown
// one leaves the default.
void readHotkey(FieldReader& reader, Hotkey& hotkey)
{
    const auto field = reader.next();
    if (!field || field->quoted) return;
    const auto number = parseNumber(field->bytes);
    const auto stored = number ? hotkeyFromStored(*number) : std::nullopt;
    if (stored) hotkey = *stored;
}

}  // namespace

std::optional<WindowPosition> parsePosition(std::string_view bytes)
{
    FieldReader reader(bytes);
    const auto left = reader.next();
    const auto top = reader.next();
    if (!left || !top) return std::nullopt;
    const auto x = toSingle(*left);
    const auto y = toSingle(*top);
    if (!x || !y) return std::nullopt;
    return WindowPosition{*x, *y};
}

SettingsReading parseSettings(std::string_view bytes, const AnsiCodec& codec)
{
    FieldReader reader(bytes);
    SettingsReading result;
    SettingsRecord& s = result.values;

    Variant* const loose[] = {&s.KidoA, &s.SKidoA, &s.SexeA, &s.WindTop};
    std::int16_t* const whole[] = {&s.FormStyle, &s.SctName, &s.FomMov};

    auto fail = [&] {
        result.complete = false;
        s.WindTop = Variant::number(0);
        s.FormStyle = 0;
        return result;
    };

    for (Variant* v : loose) {
        const auto field = reader.next();
        if (!field) return fail();
        *v = toVariant(*field, codec);
    }
    for (std::int16_t* v : whole) {
        const auto field = reader.next();
        if (!field) return fail();
        const auto converted = toVariant(*field, codec).toInt16();
        if (!converted) return fail();
        *v = *converted;
    }
    readHotkey(reader, s.hotkey);
    return result;
}

GroupNames parseGroups(std::string_view bytes, const AnsiCodec& codec)
{
    FieldReader reader(bytes);
    GroupNames names;
    bool ok = true;
    for (auto& name : names) name = readText(reader, codec, ok);
    return names;
}

ShortcutTable parseShortcuts(std::string_view bytes, const AnsiCodec& codec)
{
    FieldReader reader(bytes);
    ShortcutTable table;
    for (auto& slot : table) {
        bool ok = true;
        std::string name = readText(reader, codec, ok);
        std::string path = readText(reader, codec, ok);
        // A slot that cannot be read whole stays empty: name and path alike.
        if (ok) slot = Slot{std::move(name), std::move(path)};
    }
    return table;
}

std::string formatPosition(const WindowPosition& position)
{
    return formatSingle(position.left) + "," + formatSingle(position.top) + std::string(kLineEnd);
}

FileImage formatSettings(const SettingsRecord& s, const AnsiCodec& codec)
{
    ImageWriter w(codec);
    w.value(s.KidoA);
    w.value(s.SKidoA);
    w.value(s.SexeA);
    w.value(s.WindTop);
    w.number(formatNumber(s.FormStyle));
    w.number(formatNumber(s.SctName));
    w.number(formatNumber(s.FomMov));
    // A reader of seven values ignores it; the default leaves the line as it always was.
    if (s.hotkey != kDefaultHotkey) w.number(formatNumber(storedHotkey(s.hotkey)));
    w.endLine();
    return w.take();
}

FileImage formatGroups(const GroupNames& names, const AnsiCodec& codec)
{
    ImageWriter w(codec);
    for (const auto& name : names) {
        w.text(name);
        w.endLine();
    }
    return w.take();
}

FileImage formatShortcuts(const ShortcutTable& table, const AnsiCodec& codec)
{
    ImageWriter w(codec);
    for (const auto& slot : table) {
        w.text(slot.name);
        w.text(slot.path);
        w.endLine();
    }
    return w.take();
}

}  // namespace model
