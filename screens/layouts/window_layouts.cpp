#include "screens/layouts/window_layouts.h"

// To add a window, add one line X(kFormNLayout) below, naming the table its file defines (and
// its header declares: extern const WindowLayout kFormNLayout;). A window of a screens library
// not yet listed in this folder's CMakeLists.txt needs that library added there once.
#define KORVANEL_WINDOW_LAYOUTS(X) \
    X(kForm1Layout)                \
    X(kForm13Layout)               \
    X(kForm17Layout)               \
    X(kForm31Layout)               \
    X(kForm89Layout)               \
    X(kForm9Layout)                \
    X(kForm11Layout)               \
    X(kForm56Layout)               \
    X(kForm12Layout)               \
    X(kForm39Layout)               \
    X(kForm21Layout)               \
    X(kForm32Layout)               \
    X(kForm40Layout)               \
    X(kForm41Layout)               \
    X(kForm45Layout)               \
    X(kForm64Layout)               \
    X(kForm67Layout)               \
    X(kForm26Layout)               \
    X(kForm36Layout)               \
    X(kForm35Layout)               \
    X(kForm69Layout)               \
    X(kForm63Layout)               \
    X(kForm70Layout)               \
    X(kForm87Layout)               \
    X(kForm90Layout)               \
    X(kForm46Layout)               \
    X(kForm88Layout)               \
    X(kForm34Layout)               \
    X(kForm54Layout)               \
    X(kForm53Layout)               \
    X(kForm37Layout)               \
    X(kForm38Layout)               \
    X(kForm52Layout)               \
    X(kForm2Layout)                \
    X(kForm3Layout)                \
    X(kForm7Layout)                \
    X(kForm5Layout)                \
    X(kform43Layout)               \
    X(kForm4Layout)                \
    X(kForm6Layout)                \
    X(kForm79Layout)               \
    X(kForm73Layout)               \
    X(kForm68Layout)               \
    X(kForm59Layout)               \
    X(kForm72Layout)               \
    X(kForm30Layout)               \
    X(kForm50Layout)               \
    X(kForm51Layout)               \
    X(kForm65Layout)               \
    X(kForm62Layout)               \
    X(kForm82Layout)               \
    X(kForm86Layout)               \
    X(kForm81Layout)               \
    X(kForm84Layout)               \
    X(kForm85Layout)               \
    X(kForm66Layout)               \
    X(kForm57Layout)               \
    X(kForm80Layout)               \
    X(kForm22Layout)               \
    X(kForm28Layout)               \
    X(kForm8Layout)                \
    X(kForm10Layout)               \
    X(kForm27Layout)               \
    X(kForm58Layout)               \
    X(kForm14Layout)               \
    X(kForm60Layout)               \
    X(kForm61Layout)               \
    X(kForm49Layout)               \
    X(kForm24Layout)               \
    X(kForm25Layout)               \
    X(kForm48Layout)               \
    X(kForm44Layout)               \
    X(kForm23Layout)               \
    X(kForm20Layout)               \
    X(kForm55Layout)               \
    X(kForm74Layout)               \
    X(kForm16Layout)               \
    X(kForm15Layout)               \
    X(kForm29Layout)               \
    X(kForm71Layout)               \
    X(kForm18Layout)               \
    X(kForm47Layout)               \
    X(kForm19Layout)               \
    X(kForm83Layout)               \
    X(kForm76Layout)               \
    X(kForm77Layout)               \
    X(kForm75Layout)               \
    X(kForm78Layout)

namespace kv {

#define KORVANEL_DECLARE_LAYOUT(table) extern const WindowLayout table;
KORVANEL_WINDOW_LAYOUTS(KORVANEL_DECLARE_LAYOUT)
#undef KORVANEL_DECLARE_LAYOUT

std::span<const WindowLayout* const> EveryWindowLayout() {
#define KORVANEL_LIST_LAYOUT(table) &table,
    static const WindowLayout* const kEvery[] = {KORVANEL_WINDOW_LAYOUTS(KORVANEL_LIST_LAYOUT)};
#undef KORVANEL_LIST_LAYOUT
    return kEvery;
}

}  // namespace kv
