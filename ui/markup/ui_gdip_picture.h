#pragma once
// The picture of fills, smooth-panel captions and the GDI+ picture container: the image
// file's bytes, decoded again each time it is drawn.

#include <string_view>

#include "ui/markup/encoded_picture.h"

namespace kv {

class TUiGDIPPicture : public EncodedPicture {
  public:
    bool Transparent = false;

    // Takes the source's bytes (any picture kept as bytes); nullptr clears the picture.
    void Assign(const EncodedPicture* source);
    // Reads the size from the file's header, by its extension; a failed read empties it.
    void LoadFromFile(std::string_view file_name);
    // No bytes: nothing happens.
    void LoadFromBytes(Bytes bytes);
    void ReadData(Bytes bytes);
};

}  // namespace kv
