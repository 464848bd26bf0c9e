#pragma once
// The main window's own pictures, drawn by code: the tool bar with its eleven buttons, the
// squad grid's small pictures (shirt numbers, availability, morale) and the panels' icons.

#include <string_view>

#include "platform/gfx/picture.h"

namespace kv {

class ImageList;

inline constexpr int kToolBarPictureWidth = 1129;
inline constexpr int kToolBarPictureHeight = 65;

// The tool bar: one drawn button inside each zone the window answers to.
Picture ToolBarPicture();

// Shirt numbers 0..28 (24 x 18); 0 is no number and draws nothing.
void FillShirtNumberPictures(ImageList& list);
// Availability (20 x 16): 1 suspended, 3 injured, 4 three yellow cards, the same + 4 for a star,
// 12 an available star; the other entries are empty.
void FillAvailabilityPictures(ImageList& list);
// Morale (16 x 16): 8 bad, 9 good, 10 excellent; the entries below are empty.
void FillMoralePictures(ImageList& list);

// The panels' icons: "confrontos" (head-to-head), "arbitro" (referee), "historico" (player
// history), "dinheiro" (cash), "email" (inbox), "cores" (club colours), "elenco" (squad).
// Empty for any other name.
Picture MainWindowIcon(std::string_view name);

}  // namespace kv
