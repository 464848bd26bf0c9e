#pragma once
// Choosing a picture file for the teams editor: a sorted list of the pictures in one folder,
// a preview beside it, and "Abrir" / "Cancelar".

#include <string>
#include <vector>

#include "platform/window/component.h"

namespace kv {

class OpenPictureDialog : public Component {
public:
    std::string initial_dir = ".";
    // Patterns separated by ';', matched ignoring case.
    std::string filter = "*.png;*.jpg;*.jpeg;*.gif;*.bmp";
    std::string title = "Abrir imagem";
    std::string file_name;  // the path chosen, after Execute returned true

    // Shows the dialog modally; true when a file was chosen.
    bool Execute();
    // The names the list shows for a folder and filter.
    static std::vector<std::string> Candidates(const std::string& dir, const std::string& filter);
};

}  // namespace kv
