#pragma once
// A push button painted like a ribbon button: a two-part face (an upper face and a lower mirror
// part, each a gradient), rounded corners, colours that fade in and out as the pointer enters,
// leaves and presses, a picture or image-list image beside a caption, notes under it, and an
// optional drop-down part that opens a pop-up menu. It also works as a check button or as one
// of a group of exclusive buttons, repeats its click while held, hands its ModalResult to its
// form, and can be the default or cancel button of a dialog.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/gdiplus.h"
#include "platform/gfx/graphics.h"
#include "platform/window/control.h"
#include "platform/window/form.h"
#include "ui/controls/glow_button_appearance.h"
#include "ui/controls/glow_button_draw.h"
#include "ui/markup/gdip_picture.h"
#include "ui/markup/ui_hint_info.h"

namespace kv {

class ImageList;
class PopupMenu;
class Timer;
class TUiAction;
struct TColorToneSet;

enum TUiButtonStyle { bsButton, bsCheck };
enum TButtonSizeState { bsGlyph, bsLabel, bsLarge };
enum TFocusType { ftBorder, ftHot, ftHotBorder, ftNone };
enum TImageListType { ipActionList, ipOwnLists };
enum TShortCutHintPos {
    shpLeft,
    shpTop,
    shpRight,
    shpBottom,
    shpCenter,
    shpAboveLeft,
    shpAboveRight
};
enum TGlowButtonState { gsNormal, gsHot, gsDown };

class TUiCustomGlowButton : public Control {
  public:
    TUiCustomGlowButton();
    ~TUiCustomGlowButton() override;

    // Copies the look and behaviour settings of another button; not the appearance, Down,
    // GroupIndex, Style, Layout or the drop-down settings.
    void Assign(const TUiCustomGlowButton& source);

    std::string Version() const;
    void SetVersion(std::string_view) {}
    static constexpr std::uint32_t GetVersionNr() { return 0x02030002; }

    // --- look
    TGlowButtonAppearance& Appearance() { return appearance_; }
    const TGlowButtonAppearance& Appearance() const { return appearance_; }
    void SetAppearance(const TGlowButtonAppearance& a) { appearance_.Assign(a); }
    TAntiAlias AntiAlias() const { return anti_alias_; }
    void SetAntiAlias(TAntiAlias v) { Change(anti_alias_, v); }
    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool v);
    BorderStyle Border() const { return border_style_; }
    void SetBorderStyle(BorderStyle v);
    TFocusType FocusType() const { return focus_type_; }
    void SetFocusType(TFocusType v) { Change(focus_type_, v); }
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout v);
    int MarginHorz() const { return margin_horz_; }
    void SetMarginHorz(int v);
    int MarginVert() const { return margin_vert_; }
    void SetMarginVert(int v);
    TButtonPosition Position() const { return position_; }
    void SetPosition(TButtonPosition v);
    bool Rounded() const { return rounded_; }
    void SetRounded(bool v) { Change(rounded_, v); }
    bool ShowCaption() const { return show_caption_; }
    void SetShowCaption(bool v);
    bool ShowDisabled() const { return show_disabled_; }
    void SetShowDisabled(bool v);
    int Spacing() const { return spacing_; }
    void SetSpacing(int v) { Change(spacing_, v); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { Change(transparent_, v); }
    StringTrimming Trimming() const { return trimming_; }
    void SetTrimming(StringTrimming v) { Change(trimming_, v); }
    bool WordWrap() const { return word_wrap_; }
    void SetWordWrap(bool v) { Change(word_wrap_, v); }
    const std::vector<std::string>& Notes() const { return notes_; }
    void SetNotes(std::vector<std::string> notes);
    const Font& NotesFont() const { return notes_font_; }
    void SetNotesFont(const Font& f) { Change(notes_font_, f); }
    // Assigning copies; HotPicture is copied without a repaint.
    TGDIPPicture& Picture() { return picture_; }
    void SetPicture(const TGDIPPicture& p) { picture_.Assign(&p); }
    TGDIPPicture& HotPicture() { return hot_picture_; }
    void SetHotPicture(const TGDIPPicture& p);
    TGDIPPicture& DisabledPicture() { return disabled_picture_; }
    void SetDisabledPicture(const TGDIPPicture& p) { disabled_picture_.Assign(&p); }
    // Image lists are not owned; the window that owns them outlives the button, or calls
    // ImageListRemoved when one goes first.
    const ImageList* Images() const { return images_; }
    void SetImages(const ImageList* list);
    const ImageList* HotImages() const { return hot_images_; }
    void SetHotImages(const ImageList* list) { Change(hot_images_, list); }
    const ImageList* DisabledImages() const { return disabled_images_; }
    void SetDisabledImages(const ImageList* list) { Change(disabled_images_, list); }
    void ImageListRemoved(const ImageList* list);
    int ImageIndex() const { return image_index_; }
    void SetImageIndex(int v);
    TImageListType ImageListType() const { return image_list_type_; }
    void SetImageListType(TImageListType v);
    TUiHintInfo& OfficeHint() { return office_hint_; }
    void SetOfficeHint(const TUiHintInfo& h) { office_hint_.Assign(h); }
    const std::string& ShortCutHint() const { return short_cut_hint_; }
    void SetShortCutHint(std::string v) { short_cut_hint_ = std::move(v); }
    TShortCutHintPos ShortCutHintPos() const { return short_cut_hint_pos_; }
    void SetShortCutHintPos(TShortCutHintPos v) { short_cut_hint_pos_ = v; }

    // --- behaviour
    bool Cancel() const { return cancel_; }
    void SetCancel(bool v) { cancel_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v);
    int ModalResult() const { return modal_result_; }
    void SetModalResult(int v) { modal_result_ = v; }
    bool RepeatClick() const { return repeat_click_; }
    void SetRepeatClick(bool v) { repeat_click_ = v; }
    int InitRepeatPause() const { return init_repeat_pause_; }
    void SetInitRepeatPause(int v) { init_repeat_pause_ = v; }
    int RepeatPause() const { return repeat_pause_; }
    void SetRepeatPause(int v) { repeat_pause_ = v; }
    bool AllowAllUp() const { return allow_all_up_; }
    void SetAllowAllUp(bool v);
    bool Down() const { return down_; }
    void SetDown(bool v);
    int GroupIndex() const { return group_index_; }
    void SetGroupIndex(int v);
    TUiButtonStyle Style() const { return style_; }
    void SetStyle(TUiButtonStyle v) { style_ = v; }
    TButtonSizeState MaxButtonSizeState() const { return max_size_state_; }
    void SetMaxButtonSizeState(TButtonSizeState v);
    TButtonSizeState MinButtonSizeState() const { return min_size_state_; }
    void SetMinButtonSizeState(TButtonSizeState v);
    TButtonSizeState SizeState() const { return size_state_; }

    // --- drop-down part
    bool DropDownButton() const { return drop_down_button_; }
    void SetDropDownButton(bool v);
    TDropDownPosition DropDownPosition() const { return drop_down_position_; }
    void SetDropDownPosition(TDropDownPosition v);
    TDropDownDirection DropDownDirection() const { return drop_down_direction_; }
    void SetDropDownDirection(TDropDownDirection v) { Change(drop_down_direction_, v); }
    bool DropDownSplit() const { return drop_down_split_; }
    void SetDropDownSplit(bool v) { drop_down_split_ = v; }
    PopupMenu* DropDownMenu() const { return drop_down_menu_; }
    void SetDropDownMenu(PopupMenu* menu) { drop_down_menu_ = menu; }
    // Opens the menu below (or right of) the button; also run by F4 and the mnemonic.
    void DoDropDown();
    // Where the menu opens, in screen pixels.
    Point MenuPoint() const;

    // --- action
    TUiAction* Action() const { return action_; }
    void SetAction(TUiAction* action);
    // Takes what the linked action governs (checked state, group, image) again.
    void ActionChange();

    // The two style operations of a style manager (nothing in the game applies them).
    void ApplyStyle(int style);
    void ApplyColorTones(const TColorToneSet& tones);
    // Fading of every glow button, in milliseconds per step; 0 or less switches it off.
    static int fade_interval;

    // A click: the form's ModalResult, then on_click or the linked action.
    void Click() override;
    bool DefaultFor(int key) const override;
    bool Accelerator(char32_t ch) override;
    void Paint(Canvas& canvas) override;
    // Draws the button as Paint does into r of any canvas (the benchmark and tests).
    void PaintButton(Canvas& canvas, const Rect& r);

    // With AutoSize, sizes the button to its content now; otherwise repaints.
    void Remeasure();

    std::function<void()> on_drop_down;
    std::function<void(Canvas&, const Rect&, TGlowButtonState)> on_draw_button;

    // --- for tests: the run-time state
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    int HotPercent() const { return hot_percent_; }
    int DownPercent() const { return down_percent_; }
    bool Fading() const { return fade_running_; }
    bool MenuShown() const { return menu_shown_; }
    // The colours the next paint uses.
    GlowColorSet PaintColors();

  protected:
    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(int& key, ShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void KeyUp(int& key, ShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void CaptionChanged() override;
    virtual void AfterDrawButton() {}
    virtual bool IsMenuButton() const { return false; }
    virtual bool IsBorderVisible() const { return border_style_ == bsSingle; }
    bool ShowsFocusFrame() const;
    virtual void DoRepeatClick();

  private:
    enum ButtonState { stNormal = 0, stDisabled = 1, stDown = 2, stChecked = 4 };
    enum class Fade { None, Hot, Down };

    void StartFadeTimer();
    void FadeTick();
    void StopFade();
    void HotCheck();
    void ClickByKey();
    // Enter clicks it: it has the focus, or it is Default and no other glow button has it.
    bool Active() const;
    void NotifyGroup();
    void ButtonPressed(int group, TUiCustomGlowButton* sender);
    void SwitchSizeState(TButtonSizeState next);
    bool InsideClient(int x, int y) const;
    bool OnDropDownPart(int x, int y, int part) const;
    void RepaintNow();
    void SyncEnabledState();
    GlowDrawInputs Inputs();

    TGlowButtonAppearance appearance_;
    TAntiAlias anti_alias_ = aaClearType;
    bool auto_size_ = false;
    BorderStyle border_style_ = bsSingle;
    TFocusType focus_type_ = ftBorder;
    TButtonLayout layout_ = blGlyphLeft;
    int margin_horz_ = 1;
    int margin_vert_ = 1;
    TButtonPosition position_ = bpStandalone;
    bool rounded_ = true;
    bool show_caption_ = true;
    bool show_disabled_ = true;
    int spacing_ = 2;
    bool transparent_ = false;
    StringTrimming trimming_ = StringTrimming::None;
    bool word_wrap_ = true;
    std::vector<std::string> notes_;
    Font notes_font_{"Tahoma", 8};
    TGDIPPicture picture_, hot_picture_, disabled_picture_;
    const ImageList* images_ = nullptr;
    const ImageList* hot_images_ = nullptr;
    const ImageList* disabled_images_ = nullptr;
    int image_index_ = -1;
    TImageListType image_list_type_ = ipActionList;
    TUiHintInfo office_hint_;
    std::string short_cut_hint_;
    TShortCutHintPos short_cut_hint_pos_ = shpTop;
    bool cancel_ = false;
    bool default_ = false;
    int modal_result_ = 0;
    bool repeat_click_ = false;
    int init_repeat_pause_ = 400;
    int repeat_pause_ = 100;
    bool allow_all_up_ = false;
    bool down_ = false;
    int group_index_ = 0;
    TUiButtonStyle style_ = bsButton;
    TButtonSizeState max_size_state_ = bsLarge;
    TButtonSizeState min_size_state_ = bsGlyph;
    TButtonSizeState size_state_ = bsLarge;
    TButtonLayout saved_layout_ = blGlyphLeft;
    TDropDownPosition saved_drop_down_position_ = dpRight;
    bool drop_down_button_ = false;
    TDropDownPosition drop_down_position_ = dpRight;
    TDropDownDirection drop_down_direction_ = ddDown;
    bool drop_down_split_ = true;
    PopupMenu* drop_down_menu_ = nullptr;
    TUiAction* action_ = nullptr;
    bool checked_linked_ = false;
    bool group_linked_ = false;

    // Run-time state.
    int state_ = stNormal;
    bool pressed_ = false;
    bool repress_on_enter_ = false;
    bool mouse_held_ = false;
    bool press_tracking_ = false;
    bool hot_ = false;
    bool hot_picture_on_ = false;
    bool drop_down_hot_ = false;
    bool tracking_ = false;
    bool menu_shown_ = false;
    bool left_press_seen_ = false;
    bool release_clicks_ = false;  // the release just seen is followed by the layer's click
    mutable bool dialog_key_pending_ = false;  // the form's next click is Enter or Escape
    bool fade_running_ = false;
    std::unique_ptr<Timer> fade_timer_;
    int hot_percent_ = 0;
    int down_percent_ = 0;
    int fade_step_ = 0;
    Fade fade_ = Fade::None;
    std::unique_ptr<Timer> repeat_timer_;
    bool measure_pending_ = true;
    bool measuring_ = false;
    bool painting_ = false;
    int style_number_ = 8;
};

// The glow button as the game's windows place it.
class TUiGlowButton : public TUiCustomGlowButton {};

}  // namespace kv
