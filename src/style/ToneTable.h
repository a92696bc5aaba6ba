#pragma once

#include "style/StyleRecords.h"
#include "style/ThemeSources.h"

#include <algorithm>
#include <utility>
#include <vector>

// A tone composer's values as data: a base record of values and, per group of tones, the values
// those tones change. Internal to the style library.
namespace ToneTable {

// A colour table entry (read when the sheet is composed), a fixed colour, a length, or nothing.
class Value
{
public:
    constexpr Value() = default;
    static constexpr Value entry(int index) { return Value(Kind::Entry, static_cast<uint32_t>(index)); }
    static constexpr Value fixed(uint32_t rgb) { return Value(Kind::Fixed, rgb); }
    static constexpr Value length(int32_t pixels) { return Value(Kind::Length, static_cast<uint32_t>(pixels)); }

    bool isSet() const { return m_kind != Kind::None; }
    // WG_COLOR_NOT_SET when nothing is set.
    uint32_t color() const
    {
        switch (m_kind) {
        case Kind::Entry: return Theme::color(static_cast<int>(m_value));
        case Kind::Fixed: return m_value;
        default: return WG_COLOR_NOT_SET;
        }
    }
    int32_t pixels() const { return m_kind == Kind::Length ? static_cast<int32_t>(m_value) : WG_LENGTH_NOT_SET; }

private:
    enum class Kind { None, Entry, Fixed, Length };
    constexpr Value(Kind kind, uint32_t value)
        : m_kind(kind)
        , m_value(value)
    {
    }

    Kind m_kind = Kind::None;
    uint32_t m_value = 0;
};

template <class Values>
struct Change
{
    std::vector<int> tones;
    std::vector<std::pair<Value Values::*, Value>> values;
};

template <class Values>
struct Table
{
    Values base;
    std::vector<Change<Values>> changes;

    // A tone no change names gives the base values.
    Values of(int tone) const
    {
        Values values = base;
        for (const Change<Values>& change : changes) {
            if (std::find(change.tones.begin(), change.tones.end(), tone) == change.tones.end())
                continue;
            for (const auto& [member, value] : change.values)
                values.*member = value;
        }
        return values;
    }
};

// Text and background of a colour record; either may be unset.
inline SWidgetColor textOn(const Value& text, const Value& background)
{
    return Theme::textOn(text.color(), background.color());
}

// A gradient from top to bottom, held only when both colours are set.
class Gradient
{
public:
    Gradient(const Value& top, const Value& bottom)
        : m_set(top.isSet() && bottom.isSet())
        , m_gradient(Theme::topToBottom(top.color(), bottom.color()))
    {
    }
    SWidgetGradientColor* get() { return m_set ? &m_gradient : nullptr; }

private:
    bool m_set;
    SWidgetGradientColor m_gradient;
};

} // namespace ToneTable
