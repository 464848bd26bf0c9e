// Windows made from layout tables: the standard classes and their properties, tab orders,
// scaling, classes registered by other libraries, and finding controls by name.
#include "platform/window/layout_builder.h"

#include <gtest/gtest.h>

#include "platform/window/button.h"
#include "platform/window/check_box.h"
#include "platform/window/combo_box.h"
#include "platform/window/edit.h"
#include "platform/window/gauge.h"
#include "platform/window/image.h"
#include "platform/window/label.h"
#include "platform/window/list_box.h"
#include "platform/window/memo.h"
#include "platform/window/page_control.h"
#include "platform/window/panel.h"
#include "platform/window/radio_button.h"
#include "platform/window/scroll_box.h"
#include "platform/window/shape.h"
#include "platform/window/track_bar.h"

namespace kv {
namespace {

Picture Pictures(std::string_view name) {
    return name == "escudo" ? Picture(20, 30) : Picture();
}

const LayoutControl kEveryClass[] = {
    {.name = "pnFundo",
     .class_name = "TPanel",
     .bounds = {0, 0, 400, 300},
     .caption = "Fundo",
     .color = clNavy,
     .properties = {{"BevelOuter", "bvLowered"}, {"BorderWidth", "2"}, {"TabOrder", "0"}}},
    {.name = "lbNome",
     .class_name = "TLabel",
     .parent = "pnFundo",
     .bounds = {10, 10, 200, 40},
     .caption = "Nome do técnico",
     .font = {"Arial", 12, fsBold, clYellow},
     .properties = {{"AutoSize", "False"}, {"WordWrap", "True"}, {"Alignment", "taRightJustify"}}},
    {.name = "edNome",
     .class_name = "TEdit",
     .parent = "pnFundo",
     .bounds = {10, 60, 120, 21},
     .caption = "Fulano",
     .properties = {{"MaxLength", "25"}, {"TabOrder", "1"}}},
    {.name = "btOk",
     .class_name = "TButton",
     .parent = "pnFundo",
     .bounds = {140, 60, 75, 25},
     .caption = "OK",
     .properties = {{"ModalResult", "mrOk"}, {"Default", "True"}, {"TabOrder", "0"}}},
    {.name = "ckEstadual",
     .class_name = "TCheckBox",
     .parent = "pnFundo",
     .bounds = {10, 90, 150, 17},
     .caption = "Jogar Estaduais",
     .properties = {{"Checked", "True"}, {"TabOrder", "2"}}},
    {.name = "rd2",
     .class_name = "TRadioButton",
     .parent = "pnFundo",
     .bounds = {10, 110, 150, 17},
     .caption = "Modo fantasia",
     .properties = {{"Checked", "True"}, {"TabOrder", "3"}, {"Enabled", "False"}}},
    {.name = "lbTimes",
     .class_name = "TListBox",
     .parent = "pnFundo",
     .bounds = {220, 10, 100, 80},
     .properties = {{"Items", "Atlético\nBotafogo"}, {"ItemIndex", "1"}, {"TabOrder", "4"}}},
    {.name = "cbDivisoes",
     .class_name = "TComboBox",
     .parent = "pnFundo",
     .bounds = {220, 100, 150, 21},
     .properties = {{"Items", "10 times\n20 times"}, {"ItemIndex", "0"}, {"TabOrder", "5"}}},
    {.name = "mmNotas",
     .class_name = "TMemo",
     .parent = "pnFundo",
     .bounds = {10, 130, 200, 60},
     .caption = "linha 1\nlinha 2",
     .properties = {{"TabStop", "False"}}},
    {.name = "imEscudo",
     .class_name = "TImage",
     .parent = "pnFundo",
     .bounds = {220, 130, 40, 40},
     .properties = {{"Picture", "escudo"}, {"Center", "True"}, {"Cursor", "crHandPoint"}}},
    {.name = "shLinha",
     .class_name = "TShape",
     .parent = "pnFundo",
     .bounds = {270, 130, 50, 10},
     .properties = {{"Shape", "stRoundRect"}, {"BrushColor", "$0000FF"}, {"Tag", "7"}}},
    {.name = "sbLista",
     .class_name = "TScrollBox",
     .parent = "pnFundo",
     .bounds = {10, 200, 150, 60},
     .properties = {{"BorderStyle", "bsNone"}, {"Visible", "False"}}},
    {.name = "gaProgresso",
     .class_name = "TGauge",
     .parent = "pnFundo",
     .bounds = {170, 200, 150, 20},
     .properties = {{"MaxValue", "200"}, {"Progress", "50"}, {"Hint", "Carregando"}}},
};

const WindowLayout kEveryClassLayout{
    .name = "FormTeste",
    .client_width = 400,
    .client_height = 300,
    .caption = "Teste",
    .font = {"Tahoma", 8, 0, clWindowText},
    .properties = {{"BorderStyle", "bsDialog"}, {"Position", "poScreenCenter"}},
    .controls = kEveryClass,
    .pictures = Pictures,
};

TEST(LayoutBuilder, MakesEveryStandardClassWithItsProperties) {
    Form form("FormTeste");
    BuildLayout(form, kEveryClassLayout);

    EXPECT_EQ(form.Border(), bsDialog);
    EXPECT_EQ(form.position, poScreenCenter);
    EXPECT_EQ(form.ClientWidth(), 400);
    EXPECT_EQ(form.ClientHeight(), 300);
    EXPECT_EQ(form.Caption(), "Teste");

    auto& panel = ControlNamed<Panel>(form, "pnFundo");
    EXPECT_EQ(panel.bevel_outer, bvLowered);
    EXPECT_EQ(panel.border_width, 2);
    EXPECT_EQ(panel.Color(), clNavy);

    auto& label = ControlNamed<Label>(form, "lbNome");
    EXPECT_EQ(label.Parent(), &panel);
    EXPECT_EQ(label.BoundsRect(), RectOfSize(10, 10, 200, 40)) << "not sized to its text";
    EXPECT_TRUE(label.WordWrap());
    EXPECT_EQ(label.GetAlignment(), taRightJustify);
    EXPECT_EQ(label.font(), (Font{"Arial", 12, fsBold, clYellow}));
    EXPECT_EQ(label.Caption(), "Nome do técnico");

    auto& edit = ControlNamed<Edit>(form, "edNome");
    EXPECT_EQ(edit.Text(), "Fulano");
    EXPECT_EQ(edit.max_length, 25);
    EXPECT_EQ(edit.font().name, "Tahoma") << "the window's font";

    auto& ok = ControlNamed<Button>(form, "btOk");
    EXPECT_EQ(ok.modal_result, mrOk);
    EXPECT_TRUE(ok.is_default);
    EXPECT_TRUE(ControlNamed<CheckBox>(form, "ckEstadual").Checked());
    EXPECT_TRUE(ControlNamed<RadioButton>(form, "rd2").Checked());
    EXPECT_FALSE(ControlNamed<RadioButton>(form, "rd2").Enabled());
    EXPECT_EQ(ControlNamed<ListBox>(form, "lbTimes").Items(),
              (std::vector<std::string>{"Atlético", "Botafogo"}));
    EXPECT_EQ(ControlNamed<ListBox>(form, "lbTimes").ItemIndex(), 1);
    EXPECT_EQ(ControlNamed<ComboBox>(form, "cbDivisoes").Text(), "10 times");
    EXPECT_EQ(ControlNamed<Memo>(form, "mmNotas").Lines(),
              (std::vector<std::string>{"linha 1", "linha 2"}));
    EXPECT_FALSE(ControlNamed<Memo>(form, "mmNotas").tab_stop);
    auto& image = ControlNamed<Image>(form, "imEscudo");
    EXPECT_EQ(image.GetPicture().height(), 30);
    EXPECT_TRUE(image.center);
    EXPECT_EQ(image.cursor, crHandPoint);
    auto& shape = ControlNamed<Shape>(form, "shLinha");
    EXPECT_EQ(shape.shape, stRoundRect);
    EXPECT_EQ(shape.brush.color, clRed);
    EXPECT_EQ(shape.tag, 7);
    EXPECT_FALSE(ControlNamed<ScrollBox>(form, "sbLista").border);
    EXPECT_FALSE(ControlNamed<ScrollBox>(form, "sbLista").Visible());
    EXPECT_EQ(ControlNamed<Gauge>(form, "gaProgresso").PercentDone(), 25);
    EXPECT_EQ(ControlNamed<Gauge>(form, "gaProgresso").hint, "Carregando");

    // The rows declare the tab order; the button comes first though made after the edit.
    const std::pair<const char*, int> tab_orders[] = {{"btOk", 0},       {"edNome", 1},
                                                      {"ckEstadual", 2}, {"rd2", 3},
                                                      {"lbTimes", 4},    {"cbDivisoes", 5}};
    for (const auto& [name, order] : tab_orders)
        EXPECT_EQ(ControlNamed(form, name).TabOrder(), order) << name;
}

const LayoutControl kPagedControls[] = {
    {.name = "pcAbas", .class_name = "TPageControl", .bounds = {0, 0, 300, 200}},
    {.name = "tsElenco", .class_name = "TTabSheet", .parent = "pcAbas", .caption = "Elenco"},
    {.name = "tsFinancas",
     .class_name = "TTabSheet",
     .parent = "pcAbas",
     .caption = "Finanças",
     .properties = {{"TabVisible", "False"}}},
    {.name = "tbVelocidade",
     .class_name = "TTrackBar",
     .parent = "tsElenco",
     .bounds = {10, 10, 150, 30},
     .properties = {{"Min", "1"}, {"Max", "5"}, {"Position", "3"}, {"Frequency", "2"}}},
    {.name = "lvJogos",
     .class_name = "TListView",
     .parent = "tsElenco",
     .bounds = {10, 50, 200, 100}},
};

TEST(LayoutBuilder, MakesPagesTrackBarsAndListViews) {
    Form form("FormAbas");
    BuildLayout(form, {.name = "FormAbas",
                       .client_width = 300,
                       .client_height = 200,
                       .controls = kPagedControls});

    auto& pages = ControlNamed<PageControl>(form, "pcAbas");
    ASSERT_EQ(pages.PageCount(), 2);
    EXPECT_EQ(pages.Page(0)->Caption(), "Elenco");
    EXPECT_FALSE(pages.Page(1)->TabVisible());
    pages.SetActivePageIndex(0);
    EXPECT_EQ(pages.ActivePage(), &ControlNamed<TabSheet>(form, "tsElenco"));

    auto& track = ControlNamed<TrackBar>(form, "tbVelocidade");
    EXPECT_EQ(track.Min(), 1);
    EXPECT_EQ(track.Max(), 5);
    EXPECT_EQ(track.Position(), 3);
    EXPECT_EQ(track.frequency, 2);
    EXPECT_EQ(ControlNamed(form, "lvJogos").Parent(), &ControlNamed(form, "tsElenco"));
}

TEST(LayoutBuilder, ScalesOnlyWindowsThatScaleThemselves) {
    const LayoutControl rows[] = {
        {.name = "btOk",
         .class_name = "TButton",
         .bounds = {100, 50, 75, 25},
         .caption = "OK",
         .font = {"Tahoma", 10},
         .properties = {{"TabOrder", "0"}}},
    };
    struct Case {
        bool scales;
        LayoutScale scale;
        Rect bounds;
        int font_size, client_width;
    };
    const Case cases[] = {
        {true, {1280, 800}, RectOfSize(160, 80, 120, 40), 16, 640},
        {true, {133, 100}, RectOfSize(133, 67, 100, 33), 13, 532},
        {true, {1, 1}, RectOfSize(100, 50, 75, 25), 10, 400},
        {false, {1280, 800}, RectOfSize(100, 50, 75, 25), 10, 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.scales << " " << c.scale.numerator);
        Form form("FormTeste");
        BuildLayout(form,
                    {.name = "FormTeste",
                     .client_width = 400,
                     .client_height = 300,
                     .controls = rows,
                     .scales = c.scales},
                    c.scale);
        const Control& ok = ControlNamed(form, "btOk");
        EXPECT_EQ(ok.BoundsRect(), c.bounds);
        EXPECT_EQ(ok.font().size, c.font_size);
        EXPECT_EQ(form.ClientWidth(), c.client_width);
    }
}

// A control of another library: it takes its own properties and its base's.
class Dial : public Panel {
  public:
    int value = 0;
};

TEST(LayoutBuilder, ClassesOfOtherLibrariesRegisterThemselves) {
    RegisterControlClass({
        .name = "TDial",
        .base = "TPanel",
        .create = [] { return std::make_unique<Dial>(); },
        .properties = {ControlProperty::Of<Dial>(
            "Value", [](Dial& d, const PropertyValue& v) { d.value = v.Int(); })},
    });
    const LayoutControl rows[] = {
        {.name = "dlForca",
         .class_name = "TDial",
         .bounds = {10, 10, 60, 60},
         .properties = {{"Value", "42"}, {"BevelOuter", "bvNone"}, {"Tag", "3"}}},
    };
    Form form("FormTeste");
    BuildLayout(form,
                {.name = "FormTeste", .client_width = 100, .client_height = 100, .controls = rows});
    auto& dial = ControlNamed<Dial>(form, "dlForca");
    EXPECT_EQ(dial.value, 42);
    EXPECT_EQ(dial.bevel_outer, bvNone);
    EXPECT_EQ(dial.tag, 3);
    EXPECT_NE(CaptionCheckOf(*FindControlClass("TDial")), nullptr) << "the panel's caption check";
}

TEST(LayoutBuilder, AControlNotThereOrOfAnotherClassIsAClearError) {
    Form form("FormTeste");
    BuildLayout(form, kEveryClassLayout);
    const auto message = [&](auto find) {
        try {
            find();
        } catch (const LayoutError& e) {
            return std::string(e.what());
        }
        return std::string("nothing thrown");
    };
    EXPECT_EQ(message([&] { ControlNamed<Button>(form, "btSair"); }),
              "FormTeste: no control btSair");
    EXPECT_EQ(message([&] { ControlNamed<Button>(form, "edNome"); }),
              "FormTeste: the control edNome is of another class");
}

}  // namespace
}  // namespace kv
