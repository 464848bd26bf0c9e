#pragma once
// A component holding named pictures that mark-up finds by name ("<IMG SRC="i_gol">").
// The canvas renderer's container holds TMarkupPicture, the GDI+ one TUiGDIPPicture.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/markup/markup_picture.h"
#include "ui/markup/markup_text.h"
#include "ui/markup/ui_gdip_picture.h"

namespace kv {

// Named pictures as the renderer looks them up, whatever kind of picture a container holds.
class MarkupPictureSource {
  public:
    virtual ~MarkupPictureSource() = default;
    virtual EncodedPicture* FindEncoded(std::string_view name) const = 0;
};

template <class Picture>
struct NamedPictureItem {
    Picture picture;
    std::string Name;
    int Tag = 0;

    // Setting the picture copies it; the item keeps its own.
    void SetPicture(const Picture* source) { picture.Assign(source); }
    void Assign(const NamedPictureItem& source) {
        Name = source.Name;
        Tag = source.Tag;
        picture.Assign(&source.picture);
    }
};

template <class Picture, std::uint32_t kVersion>
class NamedPictureContainer : public MarkupPictureSource {
  public:
    using Item = NamedPictureItem<Picture>;

    Item& Add() {
        items_.push_back(std::make_unique<Item>());
        return *items_.back();
    }
    int Count() const { return static_cast<int>(items_.size()); }
    Item& operator[](int index) { return *items_.at(static_cast<std::size_t>(index)); }
    void Clear() { items_.clear(); }

    // The first item whose name matches without regard to case.
    Picture* FindPictureByName(std::string_view name) const {
        const std::string wanted = UpperAscii(name);
        for (const auto& item : items_) {
            if (UpperAscii(item->Name) == wanted) return &item->picture;
        }
        return nullptr;
    }

    EncodedPicture* FindEncoded(std::string_view name) const override {
        return FindPictureByName(name);
    }

    std::string Version() const { return FormatVersion(kVersion); }
    void SetVersion(std::string_view) {}

  private:
    std::vector<std::unique_ptr<Item>> items_;
};

using TPictureItem = NamedPictureItem<TMarkupPicture>;
using TPictureContainer = NamedPictureContainer<TMarkupPicture, 0x02000000>;
using TGDIPPictureItem = NamedPictureItem<TUiGDIPPicture>;
using TGDIPPictureContainer = NamedPictureContainer<TUiGDIPPicture, 0x01000000>;

}  // namespace kv
