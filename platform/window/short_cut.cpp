#include "platform/window/short_cut.h"

#include "platform/base/ascii.h"

namespace kv {
namespace {

struct KeyName {
    int key;
    const char* name;
};
constexpr KeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"}, {VK_DELETE, "Del"},
};

struct Modifier {
    ShortCut bit;
    const char* name;
};
constexpr Modifier kModifiers[] = {{scCtrl, "Ctrl+"}, {scShift, "Shift+"}, {scAlt, "Alt+"}};

std::string KeyText(int key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, char(key));
    if (key >= VK_F1 && key <= VK_F12) return "F" + std::to_string(key - VK_F1 + 1);
    for (const auto& k : kKeyNames)
        if (k.key == key) return k.name;
    return {};
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           EqualsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::string ShortCutToText(ShortCut short_cut) {
    const std::string key = KeyText(short_cut & 0xFF);
    if (key.empty()) return {};
    std::string text;
    for (const auto& m : kModifiers)
        if (short_cut & m.bit) text += m.name;
    return text + key;
}

ShortCut TextToShortCut(std::string_view text) {
    ShortCut modifiers = 0;
    for (bool found = true; found;) {
        found = false;
        for (const auto& m : kModifiers) {
            if (!StartsWithNoCase(text, m.name)) continue;
            modifiers |= m.bit;
            text.remove_prefix(std::string_view(m.name).size());
            found = true;
        }
    }
    if (text.empty()) return 0;
    for (int key = 1; key <= 0xFF; ++key) {
        const std::string name = KeyText(key);
        if (!name.empty() && EqualsIgnoreAsciiCase(text, name)) return key | modifiers;
    }
    return 0;
}

}  // namespace kv
