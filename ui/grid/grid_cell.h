#pragma once
// A cell of the report grid: one native value with five typed views of it (Boolean, date,
// number, integer, text), a background and text colour, a font style, a hint and an object the
// game may attach. The cell store makes one per column and row, its class chosen by the
// column's kind, and owns it.
//
// A cell does not know where it is: Col() and Row() are the store's position of its last
// GetCell, so the row number of an increment cell, the text of a virtual cell and the position
// a change reports are meaningful right after the cell was fetched, which is how the grid
// always uses them.
//
// A write that cannot convert its value throws GridConvertError and leaves the cell as it was;
// every successful write reports one change to the store.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gfx/colors.h"
#include "platform/gfx/fonts.h"

namespace kv {

class TCells;
class TGrCustomColumn;

class TCell {
  public:
    explicit TCell(TCells& cells) : cells_(&cells) {}
    virtual ~TCell() = default;
    TCell(const TCell&) = delete;
    TCell& operator=(const TCell&) = delete;

    TCells& Cells() const { return *cells_; }
    int Col() const;
    int Row() const;

    // The colours the grid paints this cell with (selection and sorted tints included).
    virtual TColor GetDisplayColor() const;
    virtual TColor GetDisplayTextColor() const;

    virtual bool GetAsBoolean() const = 0;
    virtual double GetAsDateTime() const = 0;
    virtual double GetAsFloat() const = 0;
    virtual int GetAsInteger() const = 0;
    virtual std::string GetAsString() const = 0;

    virtual void SetAsBoolean(bool) { Changed(); }
    virtual void SetAsDateTime(double) { Changed(); }
    virtual void SetAsFloat(double) { Changed(); }
    virtual void SetAsInteger(int) { Changed(); }
    virtual void SetAsString(std::string_view) { Changed(); }
    // Resets the value, then reports the change.
    virtual void Clear() { Changed(); }

    // Tells the store this cell changed (and so that its rows are no longer sorted).
    void Changed();

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string value);
    bool SettingUp() const { return setting_up_; }
    void SetSettingUp(bool value) { setting_up_ = value; }

    FontStyles FontStyle = 0;
    TColor TextColor = clWindowText;
    // The grid draws no content for an empty cell.
    bool Empty = false;
    // Whatever the game attaches (a graphic column draws the picture found here); never owned.
    const void* ObjectReference = nullptr;

  private:
    TCells* cells_;
    TColor color_ = clWindow;
    std::string hint_;
    bool setting_up_ = true;
};

class TStringCell : public TCell {
  public:
    using TCell::TCell;
    bool GetAsBoolean() const override;
    double GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    std::string GetAsString() const override { return text_; }
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int value) override;
    void SetAsString(std::string_view value) override;
    void Clear() override;

  private:
    std::string text_;
};

class TIntegerCell : public TCell {
  public:
    using TCell::TCell;
    bool GetAsBoolean() const override { return value_ > 0; }
    double GetAsDateTime() const override { return 0; }
    double GetAsFloat() const override { return value_; }
    int GetAsInteger() const override { return value_; }
    std::string GetAsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int value) override;
    void SetAsString(std::string_view value) override;
    void Clear() override;

  private:
    int value_ = 0;
};

// Holds only finite numbers: NaN and infinities are refused like unreadable text.
class TFloatCell : public TCell {
  public:
    using TCell::TCell;
    bool GetAsBoolean() const override { return false; }
    double GetAsDateTime() const override { return value_; }
    double GetAsFloat() const override { return value_; }
    int GetAsInteger() const override;
    std::string GetAsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int value) override;
    void SetAsString(std::string_view value) override;
    void Clear() override;

  protected:
    void Store(double value);
    double value_ = 0;
};

// Unreadable text stores 0 (30 December 1899) instead of failing.
class TDateTimeCell : public TFloatCell {
  public:
    using TFloatCell::TFloatCell;
    int GetAsInteger() const override;
    std::string GetAsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsString(std::string_view value) override;
    // Today's date at midnight, which a Boolean write stores.
    static double Today();
};

class TBooleanCell : public TCell {
  public:
    using TCell::TCell;
    bool GetAsBoolean() const override { return value_; }
    double GetAsDateTime() const override { return 0; }
    double GetAsFloat() const override { return value_ ? 1 : 0; }
    int GetAsInteger() const override { return value_ ? 1 : 0; }
    std::string GetAsString() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int value) override;
    void SetAsString(std::string_view value) override;
    void Clear() override;

  private:
    bool value_ = false;
};

// The row number, counted from 1; writes store nothing and report nothing.
class TIncrementCell : public TCell {
  public:
    using TCell::TCell;
    bool GetAsBoolean() const override { return false; }
    double GetAsDateTime() const override { return 0; }
    double GetAsFloat() const override { return Row() + 1.0; }
    int GetAsInteger() const override { return Row() + 1; }
    std::string GetAsString() const override;
    void SetAsBoolean(bool) override {}
    void SetAsDateTime(double) override {}
    void SetAsFloat(double) override {}
    void SetAsInteger(int) override {}
    void SetAsString(std::string_view) override {}
    void Clear() override {}
};

// A cell whose value is reached through its text: the four typed reads parse the text as a
// string cell does, and the typed writes go through SetAsString.
class TTextBackedCell : public TCell {
  public:
    using TCell::TCell;
    bool GetAsBoolean() const override;
    double GetAsDateTime() const override;
    double GetAsFloat() const override;
    int GetAsInteger() const override;
    void SetAsBoolean(bool value) override;
    void SetAsDateTime(double value) override;
    void SetAsFloat(double value) override;
    void SetAsInteger(int value) override;
};

// A random identifier, written "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
class TGuidCell : public TTextBackedCell {
  public:
    explicit TGuidCell(TCells& cells);
    std::string GetAsString() const override;
    void SetAsString(std::string_view value) override;
    void Clear() override {}  // the identifier stays

  private:
    std::array<uint8_t, 16> value_{};
};

// Its value lives in its column (TGrCustomColumn::GetVirtualValue and SetVirtualValue).
class TVirtualCell : public TTextBackedCell {
  public:
    TVirtualCell(TCells& cells, TGrCustomColumn& column)
        : TTextBackedCell(cells), column_(&column) {}
    std::string GetAsString() const override;
    void SetAsString(std::string_view value) override;
    void Clear() override {}

  private:
    TGrCustomColumn* column_;
};

}  // namespace kv
