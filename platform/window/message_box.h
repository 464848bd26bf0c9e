#pragma once
// Message boxes in Portuguese: information, warning, error and Yes/No confirmation, each a
// modal window with buttons "OK", "Sim", "Não", "Cancelar". The buttons are named "ok", "yes",
// "no" and "cancel" and carry their modal result, so a test can answer them.

#include <string>

#include "platform/window/form.h"

namespace kv {

enum MsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

using MsgDlgButtons = unsigned;
constexpr MsgDlgButtons mbYes = 1;
constexpr MsgDlgButtons mbNo = 2;
constexpr MsgDlgButtons mbOK = 4;
constexpr MsgDlgButtons mbCancel = 8;
constexpr MsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr MsgDlgButtons mbOKCancel = mbOK | mbCancel;

// The flags and answers of the desktop's plain message box.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class MessageForm : public Form {
public:
    MessageForm(const std::string& text, const std::string& caption, MsgDlgType type,
                MsgDlgButtons buttons);
    MsgDlgType type() const { return type_; }

private:
    MsgDlgType type_;
};

// Shows the message and returns the modal result of the button pressed (mrYes, mrNo, mrOk,
// mrCancel); Escape answers Cancel, or No when there is no Cancel.
int MessageDlg(const std::string& text, MsgDlgType type, MsgDlgButtons buttons);
// An "OK" box captioned with the application's title.
void ShowMessage(const std::string& text);
// The desktop's form: MB_ flags in, ID answers out.
int MessageBox(const std::string& text, const std::string& caption, unsigned flags);

}  // namespace kv
