#include "platform/window/open_picture_dialog.h"

#include <algorithm>

#include "platform/base/files.h"
#include "platform/window/button.h"
#include "platform/window/image.h"
#include "platform/window/list_box.h"
#include "platform/window/screen.h"

namespace kv {

std::vector<std::string> OpenPictureDialog::Candidates(const std::string& dir,
                                                       const std::string& filter) {
    std::vector<std::string> names;
    for (const auto& name : ListFiles(dir)) {
        size_t start = 0;
        for (;;) {
            const size_t end = filter.find(';', start);
            const std::string pattern = filter.substr(start, end - start);
            if (!pattern.empty() && WildcardMatch(pattern, name)) {
                names.push_back(name);
                break;
            }
            if (end == std::string::npos) break;
            start = end + 1;
        }
    }
    return names;
}

bool OpenPictureDialog::Execute() {
    Screen& screen = Screen::Get();
    Form& form = screen.Create<Form>("OpenPictureDialog");
    form.SetCaption(title);
    form.position = poScreenCenter;
    form.SetClientSize(420, 260);
    ListBox& list = form.Add<ListBox>("files");
    list.SetBounds(8, 8, 200, 210);
    list.SetItems(Candidates(initial_dir, filter));
    Image& preview = form.Add<Image>("preview");
    preview.SetBounds(216, 8, 196, 210);
    preview.stretch = true;
    preview.proportional = true;
    preview.center = true;
    Button& open = form.Add<Button>("open");
    open.SetCaption("Abrir");
    open.is_default = true;
    open.SetBounds(256, 226, 75, 25);
    Button& cancel = form.Add<Button>("cancel");
    cancel.SetCaption("Cancelar");
    cancel.modal_result = mrCancel;
    cancel.cancel = true;
    cancel.SetBounds(337, 226, 75, 25);
    open.SetEnabled(false);

    list.on_click = [&] {
        open.SetEnabled(list.ItemIndex() >= 0);
        if (list.ItemIndex() >= 0) preview.LoadFromFile(JoinPath(initial_dir, list.Items()[list.ItemIndex()]));
    };
    open.on_click = [&] {
        if (list.ItemIndex() >= 0) form.SetModalResult(mrOk);
    };
    list.on_dbl_click = open.on_click;
    const bool chosen = form.ShowModal() == mrOk && list.ItemIndex() >= 0;
    if (chosen) file_name = JoinPath(initial_dir, list.Items()[list.ItemIndex()]);
    form.Release();
    return chosen;
}

}  // namespace kv
