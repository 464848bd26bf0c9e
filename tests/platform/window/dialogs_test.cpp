// The colour and open-picture dialogs.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/window/color_dialog.h"
#include "platform/window/list_box.h"
#include "platform/window/open_picture_dialog.h"
#include "platform/window/test_driver.h"

namespace kv {
namespace {

TEST(ColorDialogs, OkTakesTheClickedSwatchAndCancelKeepsTheColour) {
    TestDriver d;
    ColorDialog dialog;
    dialog.color = clWhite;
    d.Then([&] {
        d.Click("cor8");
        d.Click("ok");
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.color, ColorDialog::kBasicColors[8]);

    d.Then([&] {
        d.Click("cor0");
        d.Press(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.color, ColorDialog::kBasicColors[8]);
}

TEST(OpenPictureDialogs, ListsPicturesSortedAndReturnsTheChosenPath) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "kv_open_picture";
    fs::remove_all(dir);
    fs::create_directories(dir / "sub.png");
    for (const char* name : {"Zico.PNG", "leia.txt", "brasao.jpg", "Alvo.gif"})
        std::ofstream(dir / name) << "x";
    EXPECT_EQ(OpenPictureDialog::Candidates(dir.string(), "*.png;*.jpg;*.gif"),
              (std::vector<std::string>{"Alvo.gif", "brasao.jpg", "Zico.PNG"}));

    TestDriver d;
    OpenPictureDialog dialog;
    dialog.initial_dir = dir.string();
    d.Then([&] {
        auto& list = d.Get<ListBox>("files");
        EXPECT_FALSE(d.Get("open").Enabled());
        d.ClickAt(list, {10, 2 + list.ItemHeight() + 2});
        d.Click("open");
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.file_name, (dir / "brasao.jpg").string());

    d.AnswerModal(mrCancel);
    EXPECT_FALSE(dialog.Execute());
    fs::remove_all(dir);
}

}  // namespace
}  // namespace kv
