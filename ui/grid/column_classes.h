#pragma once
// Column classes the windows place: text, number, date, running-number, image,
// graphic, tree and
// combo box columns, each with
// its painter. The painters draw what the column's FormatText
// made of the cell; the formatting itself lives on the column so hints and best-fit widths
// agree with what is painted.

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/picture.h"
#include "platform/window/image_list.h"
#include "ui/grid/column_display.h"
#include "ui/grid/grid_column.h"

namespace kv {

// A number through a mask: '0' a digit always shown, '#' a digit shown when significant, ','
// grouping by the locale's thousands separator, '.' the locale's decimal point, quoted text
// copied as it is, and up to three sections split by ';' for positive, negative and zero values.
// An empty mask gives the general number text.
std::string FormatNumberMask(double value, std::string_view mask);

// A date through a mask of d, dd, m, mm, yy, yyyy, h/hh, n/nn, s/ss; '/' stands for
// `separator`, quoted text is copied. An empty mask gives the general date-time text.
std::string FormatDateMask(double date_time, std::string_view mask, char separator = '/');

class TGrCustomNumberColumn : public TGrCustomColumn {
  public:
    explicit TGrCustomNumberColumn(std::string name = {});

    std::string EmptyCaption;
    std::string FormatMask;
    bool HideWhenEmpty = false;
    double Max = 0;
    double Min = 0;
    std::string TextAfter;
    std::string TextBefore;

    int GetColumnStyle() const override { return 42; }
    void FormatText(const TCellInfo& info, std::string& text) const override;

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
};

class TGrNumberColumn : public TGrCustomNumberColumn {
  public:
    explicit TGrNumberColumn(std::string name = {});

    std::string ButtonCaption;
    double Increment = 1.0;
    int Precision = 0;
    bool ShowButton = false;
    bool SpinButtons = true;
};

class TGrDateColumn : public TGrCustomColumn {
  public:
    explicit TGrDateColumn(std::string name = {});

    char DateSeparator = '/';
    std::string EmptyCaption;
    std::string FormatMask;
    bool HideWhenEmpty = false;
    std::string NoneCaption = "None";
    bool ShowNoneButton = true;
    std::string TextAfter;
    std::string TextBefore;
    std::string TodayCaption = "Today";

    int GetColumnStyle() const override { return 42; }
    void FormatText(const TCellInfo& info, std::string& text) const override;

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
};

// The row's number, counting from 1, whatever its cell holds.
class TGrIncrementColumn : public TGrCustomColumn {
  public:
    explicit TGrIncrementColumn(std::string name = {});

    int GetColumnStyle() const override { return 40; }
    void FormatText(const TCellInfo& info, std::string& text) const override;

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
};

// Text with optional texts around it, or masked by a password character. MultiLine cells wrap
// at words; the others end in an ellipsis when cut.
class TGrTextColumn : public TGrCustomColumn {
  public:
    explicit TGrTextColumn(std::string name = {});

    int MaxLength = 0;
    char PasswordChar = 0;
    std::string TextAfter;
    std::string TextBefore;

    bool MultiLine() const { return multi_line_; }
    void SetMultiLine(bool value);

    int GetColumnStyle() const override { return 42; }
    void FormatText(const TCellInfo& info, std::string& text) const override;

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;

  private:
    bool multi_line_ = false;
};

class TTextColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
};

// A picture of an image list, chosen by the cell's number; an index outside the list draws
// nothing.
class TGrImageColumn : public TGrCustomColumn {
  public:
    explicit TGrImageColumn(std::string name = {});

    ImageList* Images = nullptr;
    bool Transparent = true;

    int GetColumnStyle() const override { return 8; }

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
};

class TImageColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;
    int GetContentWidth() override;
    int GetContentHeight() override;
};

// Text indented by the row's level, with a 9-pixel expand button before rows that have
// children; the button and the keys + and - open and close the row unless ExpandLock is set.
// A tree column is never sorted.
class TGrTreeColumn : public TGrCustomColumn {
  public:
    static constexpr int kIndent = 19;

    explicit TGrTreeColumn(std::string name = {});

    bool ExpandLock = false;
    bool HighlightButton = false;
    ImageList* Images = nullptr;
    bool ShowButtons = true;
    bool ShowLines = false;

    int GetColumnStyle() const override { return 15; }

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
    std::unique_ptr<TColumnPlay> CreatePlay() override;
};

class TTreeColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
    void GetContentRect(Rect& rect) const override;
    int GetContentWidth() override;
    void Paint() override;

  private:
    // Grey lines joining each row to its parent and to the siblings below it.
    void DrawTreeLines();
};

class TTreeColumnPlay : public TColumnPlay {
  public:
    using TColumnPlay::TColumnPlay;
    // The cell's height, for finding the button under the mouse.
    int CellHeight = 0;
    void KeyPress(char32_t& key) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
};

// A picture the cell refers to (a Picture held by the window), fitted into the cell inside a
// margin and a frame.
class TGrGraphicColumn : public TGrCustomColumn {
  public:
    explicit TGrGraphicColumn(std::string name = {});

    int BorderWidth = 1;
    int Margin = 4;
    bool Stretch = false;

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
};

class TGraphicColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;
};

enum TCompoBoxStyle { cbsDropDown, cbsDropDownList };

// A text chosen from a list; with Images, the picture at the text's place in Items goes
// before it. In the drop-down-list style the cell takes only the list's items: typing starts
// an edit only with a key some item begins with (or with AutoDropDown, which opens the list).
class TGrComboBoxColumn : public TGrCustomColumn {
  public:
    explicit TGrComboBoxColumn(std::string name = {});

    TCompoBoxStyle Style = cbsDropDown;
    // The editor completes typed text with the first item it begins.
    bool AutoComplete = false;
    // Typing in the editor opens the list.
    bool AutoDropDown = false;
    TItemsDisplayMode DataMode = dmDefault;
    TDisplayMode DisplayMode = dmTextOnly;
    ImageList* Images = nullptr;
    std::vector<std::string> Items;

    int GetColumnStyle() const override { return 42; }
    // The place of a text among Items, -1 when absent.
    int ItemIndex(const std::string& text) const;
    // Whether a typed key may start editing a cell: any printable key, but in the
    // drop-down-list style only the first letter of some item (letter case ignored).
    bool AcceptsKey(char32_t key) const;

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
};

class TStringsColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
    void GetContentRect(Rect& rect) const override;
    void Paint() override;
};

// The four painters only draw the display text the grid put in AsString.
class TNumberColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
};
class TDateColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
};
class TIncrementColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
};

}  // namespace kv
