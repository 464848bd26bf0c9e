#pragma once
// A drawing surface for the renderer's tests: a font whose every character is as wide as the
// font's size in points and twice as high, and a record of every call.

#include <string>
#include <vector>

#include "platform/base/cp1252.h"
#include "ui/markup/encoded_picture.h"
#include "ui/markup/markup_canvas.h"

namespace kv::test {

struct DrawnText {
    std::string text;  // as shown, after prefix handling
    Rect rect;
    MarkupFont font;
    MarkupTextFlags flags;
};

struct DrawnShape {
    enum Kind { kLine, kFill, kEllipse, kFocus, kPicture, kListImage } kind;
    Rect rect;  // a line is (x0, y0, x1, y1)
    TColor color = 0;
    int index = -1;  // image-list entry
    const EncodedPicture* picture = nullptr;
};

class FakeCanvas : public MarkupCanvas {
  public:
    static int CharWidth(const MarkupFont& f) { return f.size; }
    static int LineHeight(const MarkupFont& f) { return f.size * 2; }

    Size TextExtent(const MarkupFont& font, std::string_view text) override {
        return {static_cast<int>(Utf8Length(text)) * CharWidth(font), LineHeight(font)};
    }
    Size MeasureText(const MarkupFont& font, std::string_view text,
                     const MarkupTextFlags& flags) override {
        return TextExtent(font, Shown(text, flags));
    }
    void DrawText(const MarkupFont& font, std::string_view text, const Rect& rect,
                  const MarkupTextFlags& flags) override {
        texts.push_back({Shown(text, flags), rect, font, flags});
    }
    void Line(int x0, int y0, int x1, int y1, TColor color) override {
        shapes.push_back({DrawnShape::kLine, {x0, y0, x1, y1}, color});
    }
    void FillRect(const Rect& rect, TColor color) override {
        shapes.push_back({DrawnShape::kFill, rect, color});
    }
    void FillEllipse(const Rect& rect, TColor color) override {
        shapes.push_back({DrawnShape::kEllipse, rect, color});
    }
    void DrawFocusRect(const Rect& rect) override { shapes.push_back({DrawnShape::kFocus, rect}); }
    void DrawPicture(const EncodedPicture& picture, const Rect& rect) override {
        shapes.push_back({DrawnShape::kPicture, rect, 0, -1, &picture});
    }
    void DrawListImage(const MarkupImageList&, int index, const Rect& rect, bool) override {
        shapes.push_back({DrawnShape::kListImage, rect, 0, index});
    }
    void PushClip(const Rect&) override { ++clip_depth; }
    void PopClip() override { --clip_depth; }
    TColor ToRgb(TColor color) override { return color & 0xFFFFFF; }

    std::vector<DrawnShape> Shapes(DrawnShape::Kind kind) const {
        std::vector<DrawnShape> out;
        for (const auto& s : shapes) {
            if (s.kind == kind) out.push_back(s);
        }
        return out;
    }
    // Every drawn run's text joined, shadows included.
    std::string AllText() const {
        std::string out;
        for (const auto& t : texts) out += t.text;
        return out;
    }
    const DrawnText* Find(std::string_view text) const {
        for (const auto& t : texts) {
            if (t.text == text) return &t;
        }
        return nullptr;
    }

    std::vector<DrawnText> texts;
    std::vector<DrawnShape> shapes;
    int clip_depth = 0;

  private:
    static std::string Shown(std::string_view text, const MarkupTextFlags& flags);
};

// Every character of it is 8 pixels wide and 16 high; "gh" is 16 high.
inline MarkupFont BaseFont() {
    MarkupFont f;
    f.size = 8;
    f.color = 0x111111;
    return f;
}

class FakeImageList : public MarkupImageList {
  public:
    explicit FakeImageList(int count, int w = 16, int h = 16) : count_(count), w_(w), h_(h) {}
    int Count() const override { return count_; }
    int Width() const override { return w_; }
    int Height() const override { return h_; }

  private:
    int count_, w_, h_;
};

}  // namespace kv::test
