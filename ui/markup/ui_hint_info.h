#pragma once
// Hint texts and a picture that the glow button and the smooth panel carry.

#include <string>
#include <vector>

#include "ui/markup/gdip_picture.h"

namespace kv {

struct TUiHintInfo {
    std::string Title;
    std::vector<std::string> Notes;
    TGDIPPicture Picture;
    bool ShowHelp = false;
    std::string WideTitle;
    std::vector<std::string> WideNotes;

    void Assign(const TUiHintInfo& source) {
        Title = source.Title;
        Notes = source.Notes;
        ShowHelp = source.ShowHelp;
        Picture.Assign(&source.Picture);
        WideTitle = source.WideTitle;
        WideNotes = source.WideNotes;
    }
};

}  // namespace kv
