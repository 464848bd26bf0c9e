#include "screens/start/TForm17.h"

#include "platform/window/button.h"
#include "platform/window/label.h"

namespace kv {

TForm17::TForm17() : Form("Form17") {
    SetBorderStyle(bsNone);
    SetClientSize(375, 244);
    SetColor(0x008000);
    position = poScreenCenter;

    Label& title = Add<Label>("Label1");
    title.SetFont({"Tahoma", 20, fsBold, clWhite});
    title.SetAutoSize(false);
    title.SetAlignment(taCenter);
    title.SetBounds(0, 16, 375, 36);
    title.SetCaption("Korvanel 2010");

    const char* texts[] = {
        "O seu sistema está usando fontes grandes, o que deixará as telas do jogo cortadas.",
        "Vá em propriedades de vídeo do Windows e mude a fonte para normal 96 DPI, e reinicie o "
        "computador para jogar.",
    };
    int top = 70;
    for (int i = 0; i < 2; ++i) {
        Label& text = Add<Label>(i == 0 ? "Label2" : "Label3");
        text.SetFont({"Tahoma", 10, 0, clWhite});
        text.SetAutoSize(false);
        text.SetWordWrap(true);
        text.SetAlignment(taCenter);
        text.SetBounds(20, top, 335, 48);
        text.SetCaption(texts[i]);
        top += 58;
    }

    Button& ok = Add<Button>("Button1");
    ok.SetCaption("OK");
    ok.SetBounds(150, 196, 75, 25);
    ok.on_click = [this] { Button1Click(); };
    DoCreate();
}

void TForm17::Button1Click() {
    Close();
}

}  // namespace kv
