// In-place editing and the input line of the grid core: which editor a column's cells get,
// how it is filled, placed over the cell, driven by the keys and the mouse, and how its text
// comes back into the cell.
#include <algorithm>
#include <memory>

#include "platform/base/files.h"
#include "platform/window/screen.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/editors/number_edit.h"
#include "ui/grid/editors/popup_edit.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/grid_locale.h"

namespace kv {

namespace {

// Flags of GetColumnStyle that editing reads.
constexpr int kStyleHasEditor = 2;
constexpr int kStyleRedrawEditor = 16;
constexpr int kStyleEditorKeepsEnter = 64;

bool HasEditorClass(const TGrCustomColumn& column) {
    return (column.GetColumnStyle() & kStyleHasEditor) != 0;
}

bool CanEditCells(const TGrCustomColumn& column) {
    return column.Enabled && column.Options().Has(coEditing) &&
           (HasEditorClass(column) || column.InplaceEdit);
}

bool CanEditInput(const TGrCustomColumn& column) {
    return column.Enabled && column.Options().Has(coCanInput) &&
           (HasEditorClass(column) || column.InplaceEdit);
}

// The editor of a column's class; the plain number column has none of its own.
std::unique_ptr<TGrCustomEdit> CreateBuiltInEditor(const TGrCustomColumn& column) {
    if (dynamic_cast<const TGrComboBoxColumn*>(&column)) return std::make_unique<TGrComboBox>();
    if (dynamic_cast<const TGrDateColumn*>(&column)) return std::make_unique<TGrDatePicker>();
    if (dynamic_cast<const TGrNumberColumn*>(&column)) return std::make_unique<TGrSpinEdit>();
    if (dynamic_cast<const TGrCustomNumberColumn*>(&column)) return nullptr;
    if (HasEditorClass(column)) return std::make_unique<TGrEdit>();
    return nullptr;
}

// The column's settings go into its own editor before it opens.
void PrepareColumnEditor(const TGrCustomColumn& column, TGrCustomEdit& edit) {
    edit.HoldText = true;
    edit.alignment = column.GetAlignment();
    edit.border = false;
    edit.EditMargins.Left = 1;
    if (auto* number = dynamic_cast<const TGrNumberColumn*>(&column)) {
        auto& spin = dynamic_cast<TGrSpinEdit&>(edit);
        spin.Max = number->Max;
        spin.Min = number->Min;
        spin.Increment = number->Increment;
        spin.SetShowButton(number->ShowButton);
        spin.SetButtonCaption(number->ButtonCaption);
        spin.SetSpinButtons(number->SpinButtons);
        return;
    }
    // The text-like columns leave the arrows and the wheel to the grid.
    edit.InplaceMode = true;
    if (auto* text = dynamic_cast<const TGrTextColumn*>(&column)) {
        edit.max_length = text->MaxLength;
        edit.password_char = static_cast<unsigned char>(text->PasswordChar);
    } else if (auto* date = dynamic_cast<const TGrDateColumn*>(&column)) {
        auto& picker = dynamic_cast<TGrDatePicker&>(edit);
        picker.ShowNoneButton = date->ShowNoneButton;
        picker.NoneCaption = date->NoneCaption;
        picker.TodayCaption = date->TodayCaption;
    } else if (auto* strings = dynamic_cast<const TGrComboBoxColumn*>(&column)) {
        auto& combo = dynamic_cast<TGrComboBox&>(edit);
        combo.Items = strings->Items;
        combo.Images = strings->Images;
        combo.DisplayMode = strings->DataMode;
        combo.PreviewBorder = false;
        combo.ShowPreview = strings->DisplayMode != dmTextOnly && strings->Images;
        combo.SetStyle(strings->Style == cbsDropDownList ? dsDropDownList : dsDropDown);
        combo.AutoComplete = strings->AutoComplete;
        combo.AutoDropDown = strings->AutoDropDown;
    }
}

// After the cell's text went in: the number's decimals, the combo's item.
void EditorTextSet(const TGrCustomColumn& column, TGrCustomEdit& edit) {
    if (auto* number = dynamic_cast<const TGrNumberColumn*>(&column)) {
        if (auto* spin = dynamic_cast<TGrSpinEdit*>(&edit)) spin->SetPrecision(number->Precision);
    } else if (auto* strings = dynamic_cast<const TGrComboBoxColumn*>(&column)) {
        if (auto* combo = dynamic_cast<TGrComboBox*>(&edit)) {
            int index = strings->ItemIndex(combo->Text());
            // A list of fixed items finds the cell's text whatever its letter case.
            if (index < 0 && strings->Style == cbsDropDownList)
                for (int i = 0; i < static_cast<int>(strings->Items.size()) && index < 0; ++i)
                    if (SameNameIgnoringCase(strings->Items[i], combo->Text())) index = i;
            if (index >= 0) combo->SetItemIndex(index);
        }
    }
}

// A tree cell's content starts right of its indent and expand button.
void AdjustCellRect(const TGrCustomColumn& column, int level, Rect& rect) {
    if (auto* tree = dynamic_cast<const TGrTreeColumn*>(&column))
        rect.left += level * TGrTreeColumn::kIndent + column.Padding() + 16 +
                     (tree->Images ? tree->Images->width : 0);
}

bool Inside(const Control& root, const Control* c) {
    for (; c; c = c->Parent())
        if (c == &root) return true;
    return false;
}

void SendChar(Control& control, char32_t key) {
    ControlEvent e{ControlEvent::KeyPress};
    e.ch = &key;
    control.Dispatch(e);
}

}  // namespace

bool TGrCustomGridControl::ColumnAcceptsKey(const TGrCustomColumn& column, char32_t key) const {
    if (dynamic_cast<const TGrCustomNumberColumn*>(&column)) {
        const char32_t separator =
            static_cast<unsigned char>(CurrentGridLocale().decimal_separator);
        return (key >= '0' && key <= '9') || key == '+' || key == '-' || key == separator;
    }
    if (auto* date = dynamic_cast<const TGrDateColumn*>(&column))
        return (key >= '0' && key <= '9') || key == static_cast<unsigned char>(date->DateSeparator);
    if (auto* combo = dynamic_cast<const TGrComboBoxColumn*>(&column))
        return combo->AcceptsKey(key);
    if (dynamic_cast<const TGrTextColumn*>(&column) || dynamic_cast<const TGrTreeColumn*>(&column))
        return key > ' ' && key != 127;
    return false;
}

TGrCustomEdit* TGrCustomGridControl::ColumnEditor(TGrCustomColumn& column) {
    if (column.InplaceEdit) return column.InplaceEdit;
    for (const auto& [owner, edit] : own_editors_)
        if (owner == &column) return edit;
    std::unique_ptr<TGrCustomEdit> made = CreateBuiltInEditor(column);
    if (!made) return nullptr;
    made->SetName(Name() + "_editor_" + column.Name());
    made->SetVisible(false);
    auto& edit = static_cast<TGrCustomEdit&>(Adopt(std::move(made)));
    own_editors_.emplace_back(&column, &edit);
    return &edit;
}

void TGrCustomGridControl::DropStaleEditors() {
    for (auto it = own_editors_.begin(); it != own_editors_.end();) {
        if (columns_->IndexOf(it->first) >= 0) {
            ++it;
            continue;
        }
        if (editor_ == it->second) SetEditor(nullptr);
        it->second->Free();
        it = own_editors_.erase(it);
    }
}

void TGrCustomGridControl::SetEditor(TGrCustomEdit* edit) {
    if (editor_ && editor_ != edit) {
        // A detached editor no longer reaches the grid.
        editor_->on_change = nullptr;
        editor_->on_enter = nullptr;
        editor_->on_exit = nullptr;
        editor_->on_key_down = nullptr;
        editor_->KeepsDialogKeys = false;
    }
    editor_ = edit;
    if (!edit) return;
    edit->on_change = nullptr;
    if (edit->Parent() != this) edit->SetParent(*this);
    edit->SetText({});
    edit->WantTabs = WantTabs;
    edit->KeepsDialogKeys = true;
}

void TGrCustomGridControl::HookEditor() {
    TGrCustomEdit* edit = editor_;
    edit->on_change = [this, edit] {
        if (!filling_ && editor_ == edit && on_edit) on_edit(edit_col_, edit_row_, edit->Text());
    };
    edit->on_enter = [this] {
        if (!Focused()) Invalidate();
    };
    edit->on_exit = [this, edit] { EditorExit(*edit); };
    edit->on_key_down = [this](int& key, ShiftState shift) { EditorKeyDown(key, shift); };
}

void TGrCustomGridControl::AttachEditor(TGrCustomColumn& column, int col, int row, bool input) {
    TGrCustomEdit* edit = ColumnEditor(column);
    const bool own = edit != column.InplaceEdit;
    SetEditor(edit);
    if (!own && options_.Has(goInplaceEditEvents)) return;  // the program's own events stay
    HookEditor();
    if (!own) return;
    PrepareColumnEditor(column, *edit);
    edit->HoldText = false;
    Font font = column.GetFont();
    if (input) {
        edit->SetColor(column.Color());
        edit->auto_select = false;
    } else {
        edit->SetColor(GetCellColor(col, row));
        edit->auto_select = true;
    }
    edit->SetFont(font);
    edit->PrepareEditing();
}

bool TGrCustomGridControl::OpenCellEditor(int col, int row) {
    if (editing_cell_ && col == edit_col_ && row == edit_row_) return false;
    if (!IsValidCell(col, row) || ReadOnly || !CanEdit()) return false;
    TGrCustomColumn& column = columns_->GetItem(col);
    if (!CanEditCells(column) || !ColumnEditor(column)) return false;
    bool accept = true;
    if (on_before_edit) on_before_edit(col, row, accept);
    if (!accept) return false;
    ApplyEditing();
    EndEditing();
    if (IsEditing()) return false;  // the open editor refused to close
    editing_cell_ = true;
    edit_col_ = col;
    edit_row_ = row;
    return true;
}

bool TGrCustomGridControl::OpenInputEditor(int col) {
    TGrCustomColumn& column = columns_->GetItem(col);
    if (IsEditing()) {
        ApplyEditing();
        EndEditing();
    }
    if (IsEditing() || ReadOnly || !CanEditInput(column) || !ColumnEditor(column)) return false;
    editing_input_ = true;
    AttachEditor(column, col, -1, true);
    input_column_ = col;
    column.Editing = true;
    edit_col_ = col;
    edit_row_ = -1;
    return true;
}

void TGrCustomGridControl::SelectEditorText(const TGrCustomColumn& column) {
    if (column.Options().Has(coEditorAutoSelect))
        editor_->SelectAll();
    else
        editor_->PrepareEditing();
}

void TGrCustomGridControl::EditCell(int col, int row, const std::string& text) {
    if (!OpenCellEditor(col, row)) return;
    TGrCustomColumn& column = columns_->GetItem(col);
    std::string value = text.empty() ? GetCellText(col, row) : text;
    AttachEditor(column, col, row, false);
    filling_ = text.empty();
    if (on_apply_edit_text) on_apply_edit_text(col, row, value);
    editor_->SetText(value);
    EditorTextSet(column, *editor_);
    filling_ = false;
    PlaceEditor();
    if (!editor_) return;
    SelectEditorText(column);
    if (on_edit_enter) on_edit_enter();
}

void TGrCustomGridControl::EditCellWithKey(int col, int row, char32_t key) {
    if (!OpenCellEditor(col, row)) return;
    AttachEditor(columns_->GetItem(col), col, row, false);
    PlaceEditor();
    if (!editor_) return;
    // The first typed character replaces the cell's text.
    editor_->auto_select = false;
    editor_->SelectAll();
    SendChar(*editor_, key);
    if (!editor_) return;
    editor_->auto_select = true;
    filling_ = false;
    editor_->PrepareEditing();
    if (on_edit_enter) on_edit_enter();
}

void TGrCustomGridControl::BeginInputEdit(TGrCustomColumn& column, const std::string& text) {
    const int col = column.GetIndex();
    SetInputActive(true);
    SelectColumn(col);
    if (!OpenInputEditor(col)) return;
    filling_ = true;
    editor_->SetText(text.empty() ? column.InputValue() : text);
    EditorTextSet(column, *editor_);
    filling_ = false;
    PlaceEditor();
    if (!editor_) return;
    SelectEditorText(column);
    if (on_input_select_cell) on_input_select_cell(col);
}

void TGrCustomGridControl::InputEditWithKey(int col, char32_t key) {
    if (!columns_->IsValidIndex(col)) return;
    SetInputActive(true);
    if (!OpenInputEditor(col)) return;
    PlaceEditor();
    if (!editor_) return;
    filling_ = true;
    SendChar(*editor_, key);
    filling_ = false;
    if (!editor_) return;
    SelectEditorText(columns_->GetItem(col));
    if (on_input_select_cell) on_input_select_cell(col);
}

bool TGrCustomGridControl::ApplyEditing() {
    if (!editor_) return false;
    if (editing_cell_) {
        bool accept = true;
        editor_->CommitText();
        std::string value = editor_->Text();
        if (on_edit_accept) on_edit_accept(edit_col_, edit_row_, value, accept);
        if (GetRowCount() == 0 || !IsValidCell(edit_col_, edit_row_)) return false;
        if (!accept) return false;
        if (on_edit_text) on_edit_text(edit_col_, edit_row_, value);
        // A text the cell cannot read (a date that does not exist) leaves the cell as it was:
        // a date cell would store none, a number cell refuses it.
        double date = 0;
        if (columns_->GetItem(edit_col_).ColumnKind() == ckDate && !value.empty() &&
            !TryGridTextToDateTime(value, date))
            return false;
        try {
            SetEditingText(value);
        } catch (const GridConvertError&) {
            return false;
        }
        if (on_after_edit) on_after_edit(edit_col_, edit_row_, value);
        return true;
    }
    if (editing_input_ && columns_->IsValidIndex(input_column_)) {
        editor_->CommitText();
        TGrCustomColumn& column = columns_->GetItem(input_column_);
        column.SetInputValue(editor_->Text());
        column.Editing = false;
        return true;
    }
    return false;
}

void TGrCustomGridControl::EndEditing() {
    if (!IsEditing() && !editor_) return;
    if (ending_edit_) return;
    bool accept = true;
    if (editing_cell_ && editor_ && on_end_editing) {
        std::string value = editor_->GetAsWideText();
        on_end_editing(edit_col_, edit_row_, value, accept);
        editor_->SetAsWideText(value);
    }
    if (!accept) return;
    ending_edit_ = true;
    if (editor_) {
        // The keyboard comes back to the grid rather than to nothing.
        Screen* screen = Screen::Current();
        if (screen && Inside(*editor_, screen->Focused()) && CanFocus()) SetFocus();
        editor_->Hide();
        if (editing_cell_)
            RefreshCell(edit_col_, edit_row_);
        else
            Invalidate();
    }
    const bool was_cell = editing_cell_;
    editing_cell_ = editing_input_ = false;
    edit_col_ = edit_row_ = -1;
    if (columns_->IsValidIndex(input_column_)) columns_->GetItem(input_column_).Editing = false;
    input_column_ = -1;
    SetEditor(nullptr);
    ending_edit_ = false;
    if (was_cell && on_edit_exit) on_edit_exit();
}

void TGrCustomGridControl::PlaceEditor() {
    if (!editor_) return;
    const Rect body = BodyRect();
    Rect r;
    if (editing_cell_ && IsValidCell(edit_col_, edit_row_)) {
        TGrCustomColumn& column = columns_->GetItem(edit_col_);
        r = GetCellRect(edit_col_, edit_row_);
        AdjustCellRect(column, GetRowLevel(edit_row_), r);
        r.right -= LineRight();
        if (!options_.Has(goGrid)) r.right -= 1;
        if (r.top < body.top) {
            editor_->Hide();
            return;
        }
        if (r.left < body.left) r.left = body.left;
    } else if (editing_input_ && columns_->IsValidIndex(input_column_)) {
        TGrCustomColumn& column = columns_->GetItem(input_column_);
        const int left = ColumnClientLeft(column);
        const int top = (options_.Has(goHeader) ? HeaderSize : 0) + 3;
        r = {left, top, left + column.Width(), top + InputSize};
    } else {
        return;
    }
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    r.left = std::max({r.left, 0, body.left});
    editor_->Hide();
    editor_->SetBounds(r.left, r.top, r.width(), r.height());
    editor_->Show();
    if (editor_->CanFocus()) editor_->SetFocus();
    const int style =
        columns_->IsValidIndex(edit_col_) ? columns_->GetItem(edit_col_).GetColumnStyle() : 0;
    if (style & kStyleRedrawEditor) Invalidate();
    editor_->Invalidate();
}

void TGrCustomGridControl::EditorKeyDown(int& key, ShiftState shift) {
    // An open pop-up has Enter and Escape for itself: they choose or close it.
    if (auto* popup = dynamic_cast<TGrPopupEdit*>(editor_); popup && popup->Dropped()) return;
    switch (key) {
        case VK_TAB: {
            ApplyEditing();
            EndEditing();
            key = 0;
            if (shift & ssShift)
                TabPrevious(true);
            else
                TabNext(true);
            break;
        }
        case VK_RETURN: {
            if (shift & ssCtrl) break;
            if (editing_input_) {
                const int col = input_column_;
                ApplyEditing();
                AddInputRow();
                if (editor_ && columns_->IsValidIndex(col)) {
                    filling_ = true;
                    editor_->SetText(columns_->GetItem(col).InputValue());
                    filling_ = false;
                    columns_->GetItem(col).Editing = true;
                }
                key = 0;
                break;
            }
            if (columns_->IsValidIndex(edit_col_) &&
                (columns_->GetItem(edit_col_).GetColumnStyle() & kStyleEditorKeepsEnter))
                break;
            ApplyEditing();
            EndEditing();
            key = 0;
            break;
        }
        case VK_ESCAPE:
            if (options_.Has(goEscClearEdit)) {
                editor_->SetText({});
            } else {
                EndEditing();
            }
            key = 0;
            break;
        default:
            break;
    }
}

void TGrCustomGridControl::EditorExit(TGrCustomEdit& edit) {
    if (ending_edit_ || editor_ != &edit) return;
    Screen* screen = Screen::Current();
    if (!screen) return;
    // A press on the editor's own pop-up passes the activation to it for a moment.
    if (dynamic_cast<TGrPopupControl*>(screen->ActiveForm())) return;
    if (Inside(edit, screen->Focused())) return;
    ApplyEditing();
    EndEditing();
}

void TGrCustomGridControl::SetInputActive(bool value) {
    if (input_active_ == value) return;
    input_active_ = value;
    if (value) {
        if (IsValidRow(selected_row_)) SetSelected(selected_row_, false);
    } else {
        EndEditing();
    }
    Invalidate();
}

void TGrCustomGridControl::AddInputRow() {
    bool accept = true;
    if (on_input_accept) on_input_accept(accept);
    if (!accept) return;
    AddRow(1);
    const int row = GetRowCount() - 1;
    for (int c = 0; c < columns_->Count(); ++c) {
        TGrCustomColumn& column = columns_->GetItem(c);
        const std::string value =
            column.InputValue().empty() ? column.DefaultValue : column.InputValue();
        // A value the column's cells cannot read stays out of the row.
        if (!value.empty()) {
            try {
                SetCellText(c, row, value);
            } catch (const GridConvertError&) {
            }
        }
        column.SetInputValue({});
    }
    if (on_input_added) on_input_added();
}

void TGrCustomGridControl::EditingMouseDown(MouseButton, int x, int y) {
    if (IsEditing()) {
        ApplyEditing();
        EndEditing();
    }
    mouse_down_cell_ = {ColumnAtX(x), RowAtY(y)};
    clicked_selected_cell_ = mouse_down_cell_.x == selected_column_ &&
                             mouse_down_cell_.y == selected_row_ && selected_row_ >= 0;
}

void TGrCustomGridControl::EditingMouseUp(MouseButton button, int x, int y) {
    const Point down = mouse_down_cell_;
    mouse_down_cell_ = {-1, -1};
    if (button != mbLeft) {
        EndEditing();
        return;
    }
    const int col = ColumnAtX(x);
    if (options_.Has(goInput) && GridStyle == gsReport && col >= 0) {
        const int top = options_.Has(goHeader) ? HeaderSize : 0;
        if (y >= top && y < BodyRect().top) {
            BeginInputEdit(columns_->GetItem(col));
            return;
        }
    }
    const int row = RowAtY(y);
    if (col != down.x || row != down.y || !IsValidCell(col, row)) return;
    Rect r = GetCellRect(col, row);
    AdjustCellRect(columns_->GetItem(col), GetRowLevel(row), r);
    if (!r.contains({x, y})) return;
    if (!options_.Has(goSecondClickEdit) || clicked_selected_cell_) EditCell(col, row);
}

bool TGrCustomGridControl::EditingKeyPress(char32_t& key) {
    if (IsEditing() || options_.Has(goDisableKeys) || key == 27 || key == 13 || key == 9)
        return false;
    if (!columns_->IsValidIndex(selected_column_)) return false;
    if (!input_active_ && !IsValidRow(selected_row_)) return false;
    const TGrCustomColumn& column = columns_->GetItem(selected_column_);
    if (!ColumnAcceptsKey(column, key)) return false;
    if (input_active_)
        InputEditWithKey(selected_column_, key);
    else
        EditCellWithKey(selected_column_, selected_row_, key);
    if (!IsEditing()) return false;
    key = 0;
    return true;
}

}  // namespace kv
