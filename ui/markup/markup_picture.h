#pragma once
// Pictures that mark-up texts name by address ("RES://name", "FILE://path"), kept in a
// control's picture cache under that address.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/markup/encoded_picture.h"

namespace kv {

class TMarkupPicture : public EncodedPicture {
  public:
    bool Stretch = false;
    std::function<void()> OnFrameChange;

    int Frame() const { return frame_; }
    void SetFrame(int frame);
    int FrameLeft() const { return frame_left_; }
    int FrameTop() const { return frame_top_; }

    const std::string& Identity() const { return identity_; }
    bool Asynchronous = true;
    bool Busy() const { return busy_; }

    // A file that cannot be read leaves the picture as it was, without an error.
    void LoadFromFile(std::string_view file_name);
    void LoadFromBytes(Bytes bytes);
    // Reading a window's stored picture; no change notification.
    void ReadData(Bytes bytes);
    // Copies stretch flag, frame, identity and bytes; nullptr empties the picture.
    void Assign(const TMarkupPicture* source);
    // The bytes of the named resource of the program, through MarkupResourceLoader().
    void LoadFromResource(std::string_view name);
    void LoadFromAddress(std::string_view address);

    // Stretched into r; a bitmap with its bottom-left colour left out.
    void Draw(Canvas& canvas, const Rect& r) { DrawOnCanvas(canvas, r, false); }

    bool IsGifData() const { return kv::IsGifData(Data()); }
    int GetFrameCount();

  private:
    void Loaded(Bytes bytes, bool notify);
    void ReadSize();

    std::string identity_;
    bool busy_ = false;
    int frame_ = 1;
    int frame_count_ = -1;
    int frame_left_ = 0;
    int frame_top_ = 0;
};

// Where "RES://" pictures come from; empty by default (the program then has no resources).
std::function<std::optional<Bytes>(std::string_view name)>& MarkupResourceLoader();

class TMarkupPictureCache {
  public:
    TMarkupPicture* AddPicture();
    // Compares addresses exactly, case included.
    TMarkupPicture* FindPictureByAddress(std::string_view address) const;
    TMarkupPicture* GetPicture(int index) const;
    int Count() const { return static_cast<int>(pictures_.size()); }
    void ClearPictures() { pictures_.clear(); }

  private:
    std::vector<std::unique_ptr<TMarkupPicture>> pictures_;
};

}  // namespace kv
