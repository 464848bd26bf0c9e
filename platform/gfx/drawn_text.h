#pragma once
// A record of the texts drawn while it is on, for checks that judge what a reader sees: each
// run of text with where its letters fall, the colour they were drawn in and the pixels that lay
// there before them. Off (the usual case) it costs one test per run of text.

#include <cairo.h>
#include <pango/pangocairo.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

struct DrawnText {
    std::string text;
    // The pixels of the surface drawn into (its identity, not to be read through).
    const void* surface = nullptr;
    // The letters' box, in the surface's pixels.
    int left = 0, top = 0, width = 0, height = 0;
    // The colour the letters were drawn in, 0x00BBGGRR.
    std::uint32_t colour = 0;
    // Per pixel of the box, row by row: how much of it the letters cover (0 to 255: their
    // blended edges lie in between), the colour there before the text and the colour after it
    // (both 0x00BBGGRR).
    std::vector<std::uint8_t> coverage;
    std::vector<std::uint32_t> under;
    std::vector<std::uint32_t> drawn;
};

// Records every run of text drawn through the canvas and graphics text calls from its making to
// its end; one at a time.
class TextRecorder {
  public:
    TextRecorder();
    ~TextRecorder();
    TextRecorder(const TextRecorder&) = delete;
    TextRecorder& operator=(const TextRecorder&) = delete;

    // In the order they were drawn.
    const std::vector<DrawnText>& Texts() const { return texts_; }

    // For the drawing code: whether a recorder is on.
    static bool On();
    // Notes the texts drawn into `from` as drawn where that surface is copied whole, unscaled,
    // to (x, y) of `onto`'s user space (buffered controls paint their texts off screen).
    static void NoteCopy(const void* from, cairo_t* onto, double x, double y);

  private:
    friend class TextRunCapture;
    std::vector<DrawnText> texts_;
};

// Wraps the drawing of one laid-out run of text at `cr`'s current point with `cr`'s source:
// made just before pango_cairo_show_layout, ended just after it. Does nothing while no recorder
// is on. `colour` (0x00BBGGRR) is the source's colour when it is one colour; otherwise the
// colour most of the letters' own pixels show is taken.
class TextRunCapture {
  public:
    TextRunCapture(cairo_t* cr, PangoLayout* layout, std::string_view text, std::int64_t colour = -1);
    ~TextRunCapture();
    TextRunCapture(const TextRunCapture&) = delete;
    TextRunCapture& operator=(const TextRunCapture&) = delete;

  private:
    cairo_t* cr_ = nullptr;
    DrawnText text_;
    bool colour_known_ = false;
};

// While one is alive (and on), every run of text drawn in one colour whose letters would not
// read on what lies under them (DrawnTextContrast below the readable minimum) gets a ring of
// black or white, whichever stands out from the letters, drawn round it first. Windows keep
// their colours where they read; texts on pictures and gradients stay readable where they do
// not. Nests: the innermost decides.
class TextRings {
  public:
    explicit TextRings(bool on);
    ~TextRings();
    TextRings(const TextRings&) = delete;
    TextRings& operator=(const TextRings&) = delete;
    static bool On();

  private:
    bool was_;
};

// For the drawing code, just before a run of text in `colour` (0x00BBGGRR; -1: the source's, and
// no ring when that is not one colour) is shown at `cr`'s current point: its ring, while rings
// are on and needed.
// The current point is kept.
void RingIfUnreadable(cairo_t* cr, PangoLayout* layout, std::int64_t colour);

// The contrast a reader sees between a text's letters and what lies around them: the letters'
// colour against the pixels that were there before the text, just outside each letter (a pixel
// counts as letter when the letters cover at least half of it; blended edges are never taken as
// the text's colour). Four of every five of those pixels read at least this well, so a line or
// a corner of a picture touching a few letters does not spoil a text, while a drop shadow on one
// side leaves half the letters' edges bare and does not save it; an outline or a shadow ringed
// round the letters is what lies around them and does. 21 for a text too small to judge.
double DrawnTextContrast(const DrawnText& text);

}  // namespace kv
