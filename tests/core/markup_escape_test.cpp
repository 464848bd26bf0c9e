#include "core/markup_escape.h"

#include <gtest/gtest.h>

namespace kv {
namespace {

TEST(MarkupEscape, NamesOpenNoTagNameNoEntityAndBreakNoLine) {
    struct Case {
        const char* text;
        const char* escaped;
    };
    const Case cases[] = {
        {"", ""},
        {"Grêmio", "Grêmio"},
        {"<b>Bold</b>", "&lt;b&gt;Bold&lt;/b&gt;"},
        {"A & B", "A &amp; B"},
        {"&amp;", "&amp;<>amp;"},  // else decoding would make "&amp;" of the "&&" and "amp;"
        {"R&copy; &LT;", "R&amp;<>copy; &amp;<>LT;"},
        {"A&B", "A&amp;B"},
        {"um\r\ndois\ntrês\rquatro", "um dois três quatro"},
    };
    for (const Case& c : cases) EXPECT_EQ(EscapeMarkupText(c.text), c.escaped) << c.text;
}

}  // namespace
}  // namespace kv
