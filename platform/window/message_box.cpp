#include "platform/window/message_box.h"

#include <algorithm>
#include <vector>

#include "platform/gfx/canvas.h"
#include "platform/gfx/text_layout.h"
#include "platform/window/button.h"
#include "platform/window/label.h"
#include "platform/window/screen.h"

namespace kv {
namespace {

constexpr int kMargin = 12;
constexpr int kIcon = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kGap = 6;
constexpr int kMaxTextWidth = 360;

const char* CaptionOf(MsgDlgType type) {
    switch (type) {
        case mtWarning: return "Aviso";
        case mtError: return "Erro";
        case mtInformation: return "Informação";
        case mtConfirmation: return "Confirmação";
        default: return "";
    }
}

void PaintIcon(Canvas& canvas, MsgDlgType type) {
    const Rect r{kMargin, kMargin, kMargin + kIcon, kMargin + kIcon};
    TColor face = clBlue;
    const char* mark = "i";
    switch (type) {
        case mtWarning: face = clYellow, mark = "!"; break;
        case mtError: face = clRed, mark = "X"; break;
        case mtConfirmation: face = clBlue, mark = "?"; break;
        case mtInformation: break;
        default: return;
    }
    canvas.pen = Pen{clBlack};
    canvas.brush = Brush{face};
    if (type == mtWarning)
        canvas.Polygon({{r.left + kIcon / 2, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}});
    else
        canvas.Ellipse(r);
    Font f;
    f.name = "Arial";
    f.size = 16;
    f.style = fsBold;
    f.color = type == mtWarning ? clBlack : clWhite;
    canvas.font = f;
    canvas.bk_mode = BkMode::Transparent;
    Rect text = r.offset(0, type == mtWarning ? 3 : 0);
    canvas.DrawText(mark, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace

MessageForm::MessageForm(const std::string& text, const std::string& caption, MsgDlgType type,
                         MsgDlgButtons buttons)
    : Form("message"), type_(type) {
    position = poScreenCenter;
    SetCaption(caption);
    Label& label = Add<Label>("text");
    label.show_accel_char = false;
    const TextBlock block = LayoutText(text, font(), kMaxTextWidth, DT_WORDBREAK | DT_NOPREFIX);
    const int text_left = type == mtCustom ? kMargin : kMargin * 2 + kIcon;
    label.SetBounds(text_left, kMargin, std::max(block.width, 1), block.height);
    label.SetWordWrap(true);
    label.SetCaption(text);

    struct Choice {
        MsgDlgButtons bit;
        const char* name;
        const char* caption;
        int result;
    };
    const Choice choices[] = {{mbYes, "yes", "Sim", mrYes},
                              {mbNo, "no", "Não", mrNo},
                              {mbOK, "ok", "OK", mrOk},
                              {mbCancel, "cancel", "Cancelar", mrCancel}};
    std::vector<Button*> row;
    for (const auto& c : choices) {
        if (!(buttons & c.bit)) continue;
        Button& b = Add<Button>(c.name);
        b.SetCaption(c.caption);
        b.modal_result = c.result;
        row.push_back(&b);
    }
    if (row.empty()) {
        Button& b = Add<Button>("ok");
        b.SetCaption("OK");
        b.modal_result = mrOk;
        row.push_back(&b);
    }
    row.front()->is_default = true;
    const MsgDlgButtons escape = buttons & mbCancel ? mbCancel : buttons & mbNo ? mbNo : mbOK;
    for (Button* b : row)
        if (b->modal_result == (escape == mbCancel ? mrCancel : escape == mbNo ? mrNo : mrOk))
            b->cancel = true;

    const int row_width = static_cast<int>(row.size()) * (kButtonWidth + kGap) - kGap;
    const int client_width = std::max({label.Left() + label.Width() + kMargin,
                                       row_width + 2 * kMargin, 180});
    const int text_bottom = std::max(label.Top() + label.Height(),
                                     type == mtCustom ? 0 : kMargin + kIcon);
    const int buttons_top = text_bottom + kMargin + 4;
    int x = (client_width - row_width) / 2;
    for (Button* b : row) {
        b->SetBounds(x, buttons_top, kButtonWidth, kButtonHeight);
        x += kButtonWidth + kGap;
    }
    SetClientSize(client_width, buttons_top + kButtonHeight + kMargin);
    on_paint = [this](Canvas& canvas) { PaintIcon(canvas, type_); };
}

int MessageDlg(const std::string& text, MsgDlgType type, MsgDlgButtons buttons) {
    Screen& screen = Screen::Get();
    MessageForm& form = screen.Create<MessageForm>(text, CaptionOf(type), type, buttons);
    const int result = form.ShowModal();
    form.Release();
    return result;
}

void ShowMessage(const std::string& text) {
    Screen& screen = Screen::Get();
    MessageForm& form = screen.Create<MessageForm>(text, screen.title, mtCustom, mbOK);
    form.ShowModal();
    form.Release();
}

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    MsgDlgType type = mtCustom;
    switch (flags & 0xF0) {
        case MB_ICONERROR: type = mtError; break;
        case MB_ICONQUESTION: type = mtConfirmation; break;
        case MB_ICONWARNING: type = mtWarning; break;
        case MB_ICONINFORMATION: type = mtInformation; break;
        default: break;
    }
    MsgDlgButtons buttons = mbOK;
    switch (flags & 0xF) {
        case MB_OKCANCEL: buttons = mbOKCancel; break;
        case MB_YESNOCANCEL: buttons = mbYesNo | mbCancel; break;
        case MB_YESNO: buttons = mbYesNo; break;
        default: break;
    }
    Screen& screen = Screen::Get();
    MessageForm& form = screen.Create<MessageForm>(text, caption, type, buttons);
    const int result = form.ShowModal();
    form.Release();
    // The desktop's answers share the modal results' numbers.
    return result == mrNone ? IDCANCEL : result;
}

}  // namespace kv
