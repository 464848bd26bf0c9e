// The smooth message dialog on a headless screen: answered by keys, accelerators, the mouse,
// the time-out and the progress; measured and laid out; shown from inside another modal window;
// written as PNG with two and three buttons.
#include "ui/controls/smooth_message_dialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/window/button.h"
#include "platform/window/test_driver.h"
#include "ui/controls/smooth_message_dialog_form.h"

namespace kv {
namespace {

struct DialogOnForm {
    TestDriver d{800, 600};
    Form& owner = d.screen().Create<Form>("owner");
    TUiSmoothMessageDialog& dlg = owner.AddComponent<TUiSmoothMessageDialog>("dlg");

    DialogOnForm() {
        owner.SetBounds(0, 0, 800, 600);
        owner.Show();
        dlg.Position = poOwnerFormCenter;
        dlg.HTMLText().SetText("Escalar o time com <B>11</B> titulares?");
        dlg.ApplyStylePreset(4);
    }
    TUiSmoothMessageDialogButton& AddButton(const std::string& caption, int result) {
        TUiSmoothMessageDialogButton& b = dlg.Buttons().Add();
        b.SetCaption(caption);
        b.SetButtonResult(result);
        return b;
    }
    void YesNoCancel() {
        AddButton("&Sim", mrYes);
        AddButton("&Não", mrNo);
        AddButton("&Cancelar", mrCancel);
    }
    void Push(InputEvent e) { d.backend().Push(std::move(e)); }
    void Key(InputEvent::Kind kind, int key, ShiftState shift = 0) {
        InputEvent e{kind};
        e.key = key;
        e.shift = shift;
        Push(e);
    }
    void PressKey(int key, ShiftState shift = 0) {
        Key(InputEvent::KeyDown, key, shift);
        Key(InputEvent::KeyUp, key, shift);
    }
    void Mouse(InputEvent::Kind kind, Point p) {
        InputEvent e{kind};
        e.x = p.x;
        e.y = p.y;
        Push(e);
    }
    Point ButtonCentre(int i) {
        const RectF& r = dlg.Buttons()[i].ButtonRect;
        return dlg.DialogForm()->ClientToScreen({int(r.x + r.width / 2), int(r.y + r.height / 2)});
    }
    void ClickButton(int i) {
        const Point p = ButtonCentre(i);
        Mouse(InputEvent::MouseMove, p);
        Mouse(InputEvent::MouseDown, p);
        Mouse(InputEvent::MouseUp, p);
    }
    // Runs `act` once the dialog waits, then shows it and returns its answer.
    int Show(const std::function<void()>& act) {
        d.Then(act);
        return dlg.ShowDialog();
    }
};

TEST(SmoothMessageDialog, KeysAnswerWithTheFocusedButtonOrCancel) {
    struct Case {
        const char* what;
        int default_button;
        std::vector<std::pair<int, ShiftState>> keys;
        int expected;
    };
    const Case cases[] = {
        {"Enter on the first", 0, {{VK_RETURN, 0}}, mrYes},
        {"Space on the second", 1, {{VK_SPACE, 0}}, mrNo},
        {"Escape", 0, {{VK_ESCAPE, 0}}, mrCancel},
        {"Right wraps from the last", 2, {{VK_RIGHT, 0}, {VK_RETURN, 0}}, mrYes},
        {"Left wraps from the first", 0, {{VK_LEFT, 0}, {VK_RETURN, 0}}, mrCancel},
        {"Tab steps forward", 0, {{VK_TAB, 0}, {VK_RETURN, 0}}, mrNo},
        {"Shift+Tab steps forward too", 0, {{VK_TAB, ssShift}, {VK_RETURN, 0}}, mrNo},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogOnForm f;
        f.YesNoCancel();
        f.dlg.SetDefaultButton(c.default_button);
        EXPECT_EQ(f.Show([&] {
            for (auto [key, shift] : c.keys) f.PressKey(key, shift);
        }),
                  c.expected);
        EXPECT_EQ(f.dlg.DialogForm(), nullptr);
    }
}

TEST(SmoothMessageDialog, EscapeWithoutACancelButtonDoesNothing) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    EXPECT_EQ(f.Show([&] {
        f.PressKey(VK_ESCAPE);
        f.d.Then([&] {
            EXPECT_NE(f.dlg.DialogForm(), nullptr);
            f.PressKey(VK_RETURN);
        });
    }),
              mrOk);
}

TEST(SmoothMessageDialog, TheEnterThatOpenedItDoesNotCloseIt) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    int result = -1;
    f.owner.on_key_down = [&](int& key, ShiftState) {
        if (key == VK_RETURN) result = f.dlg.ShowDialog();
    };
    f.d.Then([&] {
        f.Key(InputEvent::KeyUp, VK_RETURN);  // the release of the opening press
        f.d.Then([&] {
            EXPECT_NE(f.dlg.DialogForm(), nullptr);
            f.PressKey(VK_RETURN);
        });
    });
    f.d.KeyDown(VK_RETURN);
    EXPECT_EQ(result, mrOk);
}

TEST(SmoothMessageDialog, KeysOffLeaveTabAndAcceleratorsWorking) {
    DialogOnForm f;
    f.YesNoCancel();
    f.dlg.SetEnableKeyEvents(false);
    f.dlg.Caption = "Aviso";
    f.d.screen().SetClipboardText("antes");
    EXPECT_EQ(f.Show([&] {
        f.PressKey(VK_RETURN);
        f.PressKey(VK_ESCAPE);
        f.PressKey('C', ssCtrl);
        f.PressKey(VK_TAB);
        f.d.Then([&] {
            EXPECT_NE(f.dlg.DialogForm(), nullptr);
            EXPECT_EQ(f.dlg.DefaultButton(), 1);
            EXPECT_EQ(f.d.screen().ClipboardText(), "antes");
            f.PressKey('C', ssAlt);
        });
    }),
              mrCancel);
}

TEST(SmoothMessageDialog, AcceleratorsAnswerTypedOrWithAlt) {
    struct Case {
        const char* what;
        std::string typed;
        int alt_key;
        bool second_enabled;
        int expected;
    };
    const Case cases[] = {
        {"typed n", "n", 0, true, mrNo},
        {"typed N", "N", 0, true, mrNo},
        {"Alt+N", "", 'N', true, mrNo},
        {"disabled No: n does nothing, s answers", "ns", 0, false, mrYes},
        {"unmarked letter does nothing", "xs", 0, true, mrYes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogOnForm f;
        f.AddButton("&Sim", mrYes);
        f.AddButton("&Não", mrNo).SetEnabled(c.second_enabled);
        EXPECT_EQ(f.Show([&] {
            if (c.alt_key) f.PressKey(c.alt_key, ssAlt);
            for (char ch : c.typed) {
                InputEvent e{InputEvent::Text};
                e.text = std::string(1, ch);
                f.Push(e);
            }
        }),
                  c.expected);
    }
}

TEST(SmoothMessageDialog, TheMouseAnswersOnlyWhenReleasedOverThePressedButton) {
    DialogOnForm f;
    f.YesNoCancel();
    EXPECT_EQ(f.Show([&] {
        // Pressed on Sim, released elsewhere: stays open, drawn normally again.
        f.Mouse(InputEvent::MouseMove, f.ButtonCentre(0));
        f.Mouse(InputEvent::MouseDown, f.ButtonCentre(0));
        f.Mouse(InputEvent::MouseUp, {5, 5});
        // Pressed outside the buttons, released over Sim: stays open.
        f.Mouse(InputEvent::MouseDown, f.dlg.DialogForm()->ClientToScreen({10, 20}));
        f.Mouse(InputEvent::MouseMove, f.ButtonCentre(0));
        f.Mouse(InputEvent::MouseUp, f.ButtonCentre(0));
        f.d.Then([&] {
            EXPECT_NE(f.dlg.DialogForm(), nullptr);
            EXPECT_FALSE(f.dlg.Buttons()[0].Down);
            f.ClickButton(1);
        });
    }),
              mrNo);
}

TEST(SmoothMessageDialog, TheTestDriverAnswersItLikeAMessageBox) {
    DialogOnForm f;
    f.YesNoCancel();
    f.d.AnswerModal(mrNo);
    EXPECT_EQ(f.dlg.ShowDialog(), mrNo);
    EXPECT_EQ(f.d.Messages().back(), "Escalar o time com 11 titulares?");
}

TEST(SmoothMessageDialog, ConfirmIsTrueForOkAndYesOnly) {
    const std::pair<int, bool> cases[] = {
        {mrOk, true}, {mrYes, true}, {mrNo, false}, {mrCancel, false}};
    for (auto [result, expected] : cases) {
        DialogOnForm f;
        f.AddButton("Resposta", result);
        f.d.Then([&] { f.ClickButton(0); });
        EXPECT_EQ(f.dlg.Confirm(), expected) << result;
    }
}

TEST(SmoothMessageDialog, TimeOutClosesWithAllUnlessRefusedAndDoesNotRepeat) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    f.dlg.SetTimeOut(3000);
    f.d.Advance(1000);  // the time-out runs from the showing, not from the setting
    const int64_t shown = f.d.backend().Now();
    int64_t closed_at = 0;
    f.dlg.on_close = [&] { closed_at = f.d.backend().Now(); };
    EXPECT_EQ(f.dlg.ShowDialog(), mrAll);
    EXPECT_EQ(closed_at - shown, 3000);
    EXPECT_FALSE(f.dlg.TimeOutTimer().Enabled());

    // Refused: stays open past the time-out and does not time out again.
    std::vector<int> asked;
    f.dlg.on_can_close = [&](bool& can_close, int result) {
        asked.push_back(result);
        can_close = result != mrAll;
    };
    f.d.Then([&] {
        f.d.backend().SetNow(f.d.backend().Now() + 10000);
        f.d.Then([&] { f.ClickButton(0); });
    });
    EXPECT_TRUE(f.dlg.Confirm());
    EXPECT_EQ(asked, (std::vector<int>{mrAll, mrOk}));
}

TEST(SmoothMessageDialog, ProgressAtItsMaximumClosesAnOpenDialog) {
    DialogOnForm f;
    f.dlg.SetProgressVisible(true);
    f.dlg.SetProgressValue(100);  // no window: only the value changes
    EXPECT_EQ(f.dlg.ProgressValue(), 100);
    f.dlg.SetProgressValue(10);
    EXPECT_EQ(f.Show([&] { f.dlg.SetProgressValue(100); }), mrOk);

    f.dlg.SetAutoClose(false);
    f.AddButton("Fechar", mrClose);
    f.dlg.SetProgressValue(0);
    EXPECT_EQ(f.Show([&] {
        f.dlg.SetProgressValue(100);
        f.d.Then([&] {
            EXPECT_NE(f.dlg.DialogForm(), nullptr);
            f.ClickButton(0);
        });
    }),
              mrClose);
}

TEST(SmoothMessageDialog, ShownFromAModalWindowReturnsToIt) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    Form& inner = f.d.screen().Create<Form>("inner");
    inner.SetBounds(100, 100, 300, 200);
    auto& ask = inner.Add<Button>("btperguntar");
    ask.SetBounds(10, 10, 100, 25);
    auto& done = inner.Add<Button>("btfechar");
    done.SetBounds(10, 50, 100, 25);
    done.modal_result = mrClose;
    int answer = -1;
    ask.on_click = [&] { answer = f.dlg.ShowDialog(); };
    f.d.Then([&] {
        f.d.Click(ask);  // returns once the dialog inside has been answered
        EXPECT_EQ(answer, mrOk);
        EXPECT_EQ(f.d.screen().TopForm(), &inner);
        f.d.Click(done);
    });
    f.d.Then([&] { f.ClickButton(0); });
    EXPECT_EQ(inner.ShowModal(), mrClose);
    EXPECT_EQ(answer, mrOk);
}

TEST(SmoothMessageDialog, NonModalReturnsAtOnceAndClosesFromItsButton) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    f.dlg.SetModal(false);
    std::vector<std::string> events;
    f.dlg.on_can_close = [&](bool&, int) { events.push_back("can_close"); };
    f.dlg.on_close = [&] { events.push_back("close"); };
    EXPECT_EQ(f.dlg.ShowDialog(), mrOk);
    TUiSmoothMessageDialogForm* form = f.dlg.DialogForm();
    ASSERT_NE(form, nullptr);
    f.d.Pump();
    EXPECT_TRUE(form->Visible());
    f.ClickButton(0);
    f.d.Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"can_close", "close"}));
    EXPECT_EQ(f.dlg.DialogForm(), nullptr);
    // A window being freed that is activated never becomes the open one again.
    auto& closing = f.d.screen().Create<TUiSmoothMessageDialogForm>(&f.dlg);
    closing.Release();
    f.dlg.WindowActivated(closing);
    EXPECT_EQ(f.dlg.DialogForm(), nullptr);
    closing.DetachDialog();
    // The closed window is gone from the screen and never comes back as the open one.
    f.owner.Show();
    f.d.Pump();
    EXPECT_EQ(f.d.screen().FindForm("TUiSmoothMessageDialogForm"), nullptr);
    EXPECT_EQ(f.dlg.DialogForm(), nullptr);
}

TEST(SmoothMessageDialog, ALinkPressedReportsItsTargetAndShowsTheHand) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    f.dlg.HTMLText().SetText("Veja <A href=\"tabela\">a tabela</A> agora");
    std::vector<std::string> clicked;
    f.dlg.on_anchor_click = [&](const std::string& anchor) { clicked.push_back(anchor); };
    f.Show([&] {
        TUiSmoothMessageDialogForm& form = *f.dlg.DialogForm();
        const RectF text = f.dlg.GetTextRect(form.ClientArea());
        Point link{-1, -1};
        for (int x = int(text.x); x < int(text.x + text.width) && link.x < 0; ++x)
            for (int y = int(text.y); y < int(text.y + text.height) && link.x < 0; ++y)
                if (f.dlg.GetAnchorAt(x, y, form.ClientArea()) == "tabela") link = {x, y};
        ASSERT_GE(link.x, 0);
        f.Mouse(InputEvent::MouseMove, form.ClientToScreen(link));
        f.Mouse(InputEvent::MouseDown, form.ClientToScreen(link));
        f.Mouse(InputEvent::MouseUp, form.ClientToScreen(link));
        f.d.Then([&] {
            EXPECT_EQ(form.cursor, crHandPoint);
            f.PressKey(VK_RETURN);
        });
    });
    EXPECT_EQ(clicked, std::vector<std::string>{"tabela"});
}

TEST(SmoothMessageDialog, ADialogDestroyedWhileShownTakesItsWindowAlong) {
    DialogOnForm f;
    auto dlg = std::make_unique<TUiSmoothMessageDialog>();
    dlg->Buttons().Add().SetCaption("Ok");
    dlg->SetModal(false);
    dlg->ShowDialog();
    TUiSmoothMessageDialogForm* form = dlg->DialogForm();
    ASSERT_NE(form, nullptr);
    const Point centre = form->ClientToScreen({form->Width() / 2, form->Height() - 10});
    dlg.reset();
    f.d.Pump();
    EXPECT_EQ(f.d.screen().FindForm("TUiSmoothMessageDialogForm"), nullptr);
    f.d.MouseDown(centre);
    f.d.MouseUp(centre);
    f.d.Press(VK_RETURN);
}

TEST(SmoothMessageDialog, CtrlCCopiesTheMessageOrElseTheCaption) {
    struct Case {
        std::string text, caption, expected;
    };
    const Case cases[] = {
        {"Jogo <B>salvo</B>.", "Aviso", "Jogo salvo."},
        {"", "Aviso", "Aviso"},
        {"", "", "antes"},
    };
    for (const Case& c : cases) {
        DialogOnForm f;
        f.AddButton("Ok", mrOk);
        f.dlg.HTMLText().SetText(c.text);
        f.dlg.Caption = c.caption;
        f.d.screen().SetClipboardText("antes");
        f.Show([&] {
            f.PressKey('C', ssCtrl);
            f.PressKey(VK_RETURN);
        });
        EXPECT_EQ(f.d.screen().ClipboardText(), c.expected);
    }
}

TEST(SmoothMessageDialog, DraggingTheCaptionMovesTheWindowAndTheTextDoesNot) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    f.dlg.Caption = "Aviso";
    f.Show([&] {
        TUiSmoothMessageDialogForm& form = *f.dlg.DialogForm();
        const Point start{form.Left(), form.Top()};
        const RectF text = f.dlg.GetTextRect(form.ClientArea());
        // On the text: the window stays.
        Point at = form.ClientToScreen({int(text.x + 10), int(text.y + 5)});
        f.Mouse(InputEvent::MouseDown, at);
        f.Mouse(InputEvent::MouseMove, {at.x + 30, at.y + 20});
        f.Mouse(InputEvent::MouseUp, {at.x + 30, at.y + 20});
        f.d.Then([&, start] {
            EXPECT_EQ(Point({form.Left(), form.Top()}), start);
            const Point grab = form.ClientToScreen({20, 10});
            f.Mouse(InputEvent::MouseDown, grab);
            f.Mouse(InputEvent::MouseMove, {grab.x + 30, grab.y + 20});
            f.Mouse(InputEvent::MouseUp, {grab.x + 30, grab.y + 20});
            f.d.Then([&, start] {
                EXPECT_EQ(Point({form.Left(), form.Top()}), (Point{start.x + 30, start.y + 20}));
                f.PressKey(VK_RETURN);
            });
        });
    });
}

TEST(SmoothMessageDialog, MeasuresOneOkButtonAndItsMargin) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    f.dlg.HTMLText().SetText("");
    f.dlg.MeasureDialog();
    const SmoothDialogMeasures& m = f.dlg.Measures();
    EXPECT_EQ(m.ButtonWidth, 75);
    EXPECT_GE(m.ButtonHeight, 25);
    EXPECT_EQ(m.CaptionAreaHeight, 0);  // no caption, no bar
    f.dlg.SetMargin(20);
    f.dlg.MeasureDialog();
    EXPECT_EQ(f.dlg.Measures().TotalWidth, 75 + 40);
    EXPECT_EQ(f.dlg.Measures().TotalHeight, m.ButtonHeight + 20);
    f.Show([&] {
        const TUiSmoothMessageDialogButton& b = f.dlg.Buttons()[0];
        EXPECT_EQ(b.ButtonRect.width, 70);
        EXPECT_EQ(b.ButtonRect.height, f.dlg.Measures().ButtonHeight - 5);
        // The edges of a button's rectangle hit it.
        EXPECT_EQ(f.dlg.ButtonAt(int(b.ButtonRect.x), int(b.ButtonRect.y)), 0);
        EXPECT_EQ(f.dlg.ButtonAt(int(b.ButtonRect.x - 1), int(b.ButtonRect.y)), -1);
        f.PressKey(VK_RETURN);
    });
}

TEST(SmoothMessageDialog, ButtonsThatDoNotFitWidenARowAndHeightenAColumn) {
    DialogOnForm f;
    f.dlg.HTMLText().SetText("x");
    f.YesNoCancel();
    f.Show([&] {
        const TUiSmoothMessageDialogForm& form = *f.dlg.DialogForm();
        const SmoothDialogMeasures& m = f.dlg.Measures();
        EXPECT_EQ(form.Width(), int(3 * m.ButtonWidth + 5));
        // A row: side by side, one spacing apart.
        EXPECT_EQ(f.dlg.Buttons()[1].ButtonRect.y, f.dlg.Buttons()[0].ButtonRect.y);
        f.dlg.SetButtonLayout(blVertical);
        EXPECT_GE(form.Height(), int(3 * m.ButtonHeight));
        EXPECT_GT(f.dlg.Buttons()[1].ButtonRect.y, f.dlg.Buttons()[0].ButtonRect.y);
        f.PressKey(VK_RETURN);
    });
}

TEST(SmoothMessageDialog, AChangeRemeasuresAShownDialogButAddingAButtonWaits) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    f.Show([&] {
        TUiSmoothMessageDialogForm& form = *f.dlg.DialogForm();
        const int width = form.Width();
        f.dlg.HTMLText().SetText(
            "Uma mensagem bem mais comprida do que a primeira, numa linha só.");
        EXPECT_GT(form.Width(), width);
        TUiSmoothMessageDialogButton& added = f.dlg.Buttons().Add();
        EXPECT_EQ(added.ButtonRect.width, 0);
        added.SetCaption("Outro");
        EXPECT_GT(added.ButtonRect.width, 0);
        f.PressKey(VK_RETURN);
    });
}

TEST(SmoothMessageDialog, StylePresetsAndAssign) {
    DialogOnForm f;
    f.AddButton("Ok", mrOk);
    f.dlg.ApplyStylePreset(8);
    EXPECT_EQ(f.dlg.Fill().Color(), 0xF3E5DA);  // 8 keeps preset 4's colours
    f.dlg.Fill().SetRoundingType(rtNone);
    f.dlg.ApplyStylePreset(25);
    EXPECT_EQ(f.dlg.Fill().RoundingType(), rtBoth);
    EXPECT_EQ(f.dlg.Fill().Color(), 0xF3E5DA);
    f.dlg.ApplyStylePreset(0);
    EXPECT_EQ(f.dlg.Buttons()[0].Color(), 0xFFD2AF);
    EXPECT_EQ(f.dlg.ProgressAppearance().ProgressFill().Color(), 0x94E6FB);
    EXPECT_EQ(f.dlg.Buttons()[0].ColorFocused(), LightenColor(0xFFD2AF, 10));
    EXPECT_EQ(LightenColor(0x000000, 10), RGBColor(26, 26, 26));

    TUiSmoothMessageDialog copy;
    copy.Buttons().Add().SetCaption("Meu");
    copy.Assign(f.dlg);
    EXPECT_EQ(copy.Buttons().Count(), 1);
    EXPECT_EQ(copy.Buttons()[0].Caption(), "Meu");
    EXPECT_EQ(copy.HTMLText().Text(), f.dlg.HTMLText().Text());
    EXPECT_EQ(copy.Fill().Color(), 0xFFD2AF);
}

// Two and three buttons, as a person sees them over a window.
TEST(SmoothMessageDialog, Snapshots) {
    struct Shot {
        const char* file;
        int buttons;
        int style;
    };
    const Shot shots[] = {{"smooth_dialog_two_buttons.png", 2, 4},
                          {"smooth_dialog_three_buttons.png", 3, 9}};
    for (const Shot& s : shots) {
        DialogOnForm f;
        f.owner.SetColor(RGBColor(0, 90, 50));
        f.dlg.Caption = "Korvanel 2014";
        f.dlg.HTMLText().SetText(
            "Você escalou apenas <B>10</B> titulares.<BR>Deseja <FONT color=\"clRed\">jogar "
            "assim mesmo</FONT>?");
        f.dlg.SetMargin(8);
        f.AddButton("&Sim", mrYes);
        f.AddButton("&Não", mrNo);
        if (s.buttons == 3) f.AddButton("&Cancelar", mrCancel);
        f.dlg.ApplyStylePreset(s.style);
        f.dlg.SetDefaultButton(1);
        f.Show([&] {
            f.Mouse(InputEvent::MouseMove, f.ButtonCentre(0));  // hovered
            f.d.Then([&] {
                const std::string path = f.d.SavePng(s.file);
                EXPECT_TRUE(std::filesystem::exists(path));
                f.PressKey(VK_ESCAPE);
                f.PressKey(VK_RETURN);
            });
        });
    }
}

}  // namespace
}  // namespace kv
