#include "ui/grid/grid_cell.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>

#include "platform/base/ascii.h"
#include "ui/grid/grid_cells.h"
#include "ui/grid/grid_column.h"
#include "ui/grid/grid_locale.h"
#include "ui/grid/grid_types.h"

namespace kv {

int TCell::Col() const {
    return cells_->CurrentColumn();
}

int TCell::Row() const {
    return cells_->CurrentRow();
}

TColor TCell::GetDisplayColor() const {
    return cells_->DisplayColor(Col(), Row());
}

TColor TCell::GetDisplayTextColor() const {
    return cells_->DisplayTextColor(Col(), Row());
}

void TCell::Changed() {
    cells_->DoCellChange();
}

void TCell::SetColor(TColor value) {
    color_ = value;
    if (!setting_up_) Changed();
}

void TCell::SetHint(std::string value) {
    hint_ = std::move(value);
    if (!setting_up_) Changed();
}

// --- text

bool TStringCell::GetAsBoolean() const {
    return GridTextToBool(text_);
}

double TStringCell::GetAsDateTime() const {
    return text_.empty() ? 0 : GridTextToDateTime(text_);
}

double TStringCell::GetAsFloat() const {
    return GridTextToFloat(text_);
}

int TStringCell::GetAsInteger() const {
    return GridTextToInt(text_);
}

void TStringCell::SetAsBoolean(bool value) {
    text_ = GridBoolToText(value);
    TCell::SetAsBoolean(value);
}

void TStringCell::SetAsDateTime(double value) {
    text_ = GridDateTimeToText(value);
    TCell::SetAsDateTime(value);
}

void TStringCell::SetAsFloat(double value) {
    text_ = GridFloatToText(value);
    TCell::SetAsFloat(value);
}

void TStringCell::SetAsInteger(int value) {
    text_ = GridIntToText(value);
    TCell::SetAsInteger(value);
}

void TStringCell::SetAsString(std::string_view value) {
    text_ = value;
    TCell::SetAsString(value);
}

void TStringCell::Clear() {
    text_.clear();
    TCell::Clear();
}

// --- integer

std::string TIntegerCell::GetAsString() const {
    return GridIntToText(value_);
}

void TIntegerCell::SetAsBoolean(bool value) {
    value_ = value ? 1 : 0;
    TCell::SetAsBoolean(value);
}

void TIntegerCell::SetAsDateTime(double value) {
    value_ = 0;
    TCell::SetAsDateTime(value);
}

void TIntegerCell::SetAsFloat(double value) {
    if (!std::isfinite(value))
        throw GridConvertError("'" + GridFloatToText(value) + "' is not a valid integer value");
    value_ = GridRoundToInt(value);
    TCell::SetAsFloat(value);
}

void TIntegerCell::SetAsInteger(int value) {
    value_ = value;
    TCell::SetAsInteger(value);
}

void TIntegerCell::SetAsString(std::string_view value) {
    value_ = value.empty() ? 0 : GridTextToInt(value);
    TCell::SetAsString(value);
}

void TIntegerCell::Clear() {
    value_ = 0;
    TCell::Clear();
}

// --- number

int TFloatCell::GetAsInteger() const {
    return GridRoundToInt(value_);
}

std::string TFloatCell::GetAsString() const {
    return GridFloatToText(value_);
}

void TFloatCell::Store(double value) {
    if (!std::isfinite(value))
        throw GridConvertError("'" + GridFloatToText(value) +
                               "' is not a valid floating point value");
    value_ = value;
}

void TFloatCell::SetAsBoolean(bool value) {
    value_ = 0;
    TCell::SetAsBoolean(value);
}

void TFloatCell::SetAsDateTime(double value) {
    Store(value);
    TCell::SetAsDateTime(value);
}

void TFloatCell::SetAsFloat(double value) {
    Store(value);
    TCell::SetAsFloat(value);
}

void TFloatCell::SetAsInteger(int value) {
    value_ = value;
    TCell::SetAsInteger(value);
}

void TFloatCell::SetAsString(std::string_view value) {
    value_ = GridTextToFloat(value);
    TCell::SetAsString(value);
}

void TFloatCell::Clear() {
    value_ = 0;
    TCell::Clear();
}

// --- date and time

int TDateTimeCell::GetAsInteger() const {
    return GridTruncToInt(value_);
}

std::string TDateTimeCell::GetAsString() const {
    return GridDateTimeToText(value_);
}

double TDateTimeCell::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    double date = 0;
    GridEncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, date);
    return date;
}

void TDateTimeCell::SetAsBoolean(bool value) {
    value_ = Today();
    TCell::SetAsBoolean(value);
}

void TDateTimeCell::SetAsString(std::string_view value) {
    double date = 0;
    value_ = TryGridTextToDateTime(value, date) ? date : 0;
    TCell::SetAsString(value);
}

// --- Boolean

std::string TBooleanCell::GetAsString() const {
    return GridBoolToText(value_);
}

void TBooleanCell::SetAsBoolean(bool value) {
    value_ = value;
    TCell::SetAsBoolean(value);
}

void TBooleanCell::SetAsDateTime(double value) {
    value_ = false;
    TCell::SetAsDateTime(value);
}

void TBooleanCell::SetAsFloat(double value) {
    value_ = value != 0;
    TCell::SetAsFloat(value);
}

void TBooleanCell::SetAsInteger(int value) {
    value_ = value != 0;
    TCell::SetAsInteger(value);
}

void TBooleanCell::SetAsString(std::string_view value) {
    value_ = value == "1" || EqualsIgnoreAsciiCase(value, "true");
    TCell::SetAsString(value);
}

void TBooleanCell::Clear() {
    value_ = false;
    TCell::Clear();
}

// --- increment

std::string TIncrementCell::GetAsString() const {
    return GridIntToText(Row() + 1);
}

// --- cells reached through their text

bool TTextBackedCell::GetAsBoolean() const {
    return GridTextToBool(GetAsString());
}

double TTextBackedCell::GetAsDateTime() const {
    const std::string text = GetAsString();
    return text.empty() ? 0 : GridTextToDateTime(text);
}

double TTextBackedCell::GetAsFloat() const {
    return GridTextToFloat(GetAsString());
}

int TTextBackedCell::GetAsInteger() const {
    return GridTextToInt(GetAsString());
}

void TTextBackedCell::SetAsBoolean(bool value) {
    SetAsString(GridBoolToText(value));
    TCell::SetAsBoolean(value);
}

void TTextBackedCell::SetAsDateTime(double value) {
    SetAsString(GridDateTimeToText(value));
    TCell::SetAsDateTime(value);
}

void TTextBackedCell::SetAsFloat(double value) {
    SetAsString(GridFloatToText(value));
    TCell::SetAsFloat(value);
}

void TTextBackedCell::SetAsInteger(int value) {
    SetAsString(GridIntToText(value));
    TCell::SetAsInteger(value);
}

// --- identifier

TGuidCell::TGuidCell(TCells& cells) : TTextBackedCell(cells) {
    // An identifier, not a game rule: the system's entropy, as a new identifier always had.
    static std::random_device device;
    for (size_t i = 0; i < value_.size(); i += 4) {
        const uint32_t r = device();
        for (size_t k = 0; k < 4; ++k) value_[i + k] = static_cast<uint8_t>(r >> (8 * k));
    }
    value_[6] = static_cast<uint8_t>((value_[6] & 0x0F) | 0x40);
    value_[8] = static_cast<uint8_t>((value_[8] & 0x3F) | 0x80);
}

std::string TGuidCell::GetAsString() const {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "{";
    for (size_t i = 0; i < value_.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) out += '-';
        out += kHex[value_[i] >> 4];
        out += kHex[value_[i] & 15];
    }
    return out + "}";
}

void TGuidCell::SetAsString(std::string_view value) {
    // {8-4-4-4-12} hexadecimal digits, braces required.
    std::array<uint8_t, 16> parsed{};
    bool ok = value.size() == 38 && value.front() == '{' && value.back() == '}';
    size_t byte = 0;
    for (size_t i = 1; ok && i + 1 < value.size();) {
        if (i == 9 || i == 14 || i == 19 || i == 24) {
            ok = value[i] == '-';
            ++i;
            continue;
        }
        auto nibble = [](char c) {
            if (c >= '0' && c <= '9') return c - '0';
            if (c >= 'a' && c <= 'f') return c - 'a' + 10;
            if (c >= 'A' && c <= 'F') return c - 'A' + 10;
            return -1;
        };
        const int hi = nibble(value[i]), lo = nibble(value[i + 1]);
        ok = hi >= 0 && lo >= 0 && byte < parsed.size();
        if (ok) parsed[byte++] = static_cast<uint8_t>(hi * 16 + lo);
        i += 2;
    }
    if (!ok || byte != parsed.size())
        throw GridConvertError("'" + std::string(value) + "' is not a valid GUID value");
    value_ = parsed;
    TCell::SetAsString(value);
}

// --- virtual

std::string TVirtualCell::GetAsString() const {
    std::string value;
    column_->GetVirtualValue(Col(), Row(), value);
    return value;
}

void TVirtualCell::SetAsString(std::string_view value) {
    column_->SetVirtualValue(Col(), Row(), value);
    TCell::SetAsString(value);
}

}  // namespace kv
