#pragma once
// The progress column: a number shown as a bar against Max, with the percentage as text.
// A Max of 0 or less has no percentage: the bar stays empty and the text reads "0%". A
// negative value never fills leftwards.

#include <memory>
#include <string>

#include "ui/grid/column_display.h"
#include "ui/grid/grid_column.h"

namespace kv {

// Scoped: the pen styles already take the short names.
enum class TProgressStyle { psSolid, psBoxes, psGradient, psCylinder };
enum TProgressTextPosition { tpInside, tpBeside };

class TGrProgressColumn : public TGrCustomColumn {
  public:
    explicit TGrProgressColumn(std::string name = {});

    TColor BorderColor = clGray;
    bool HideWhenEmpty = false;
    int HighValueBound = 0;
    TColor HighValueColor = clHighlight;
    int LowValueBound = 0;
    TColor LowValueColor = clHighlight;
    int Margin = 2;
    int Max = 100;
    int Precision = 0;
    TColor ProgressColor = clHighlight;
    int ProgressHeight = 0;
    TProgressStyle ProgressStyle = TProgressStyle::psSolid;
    bool RoundCorners = false;
    bool ShowText = false;
    TProgressTextPosition TextPosition = tpBeside;
    bool Transparent = false;

    // The percentage of a value; 0 when Max is 0 or less.
    double Percent(double value) const;

  protected:
    std::unique_ptr<TColumnDisplay> CreateDisplay() override;
};

class TProgressColumnDisplay : public TColumnDisplay {
  public:
    using TColumnDisplay::TColumnDisplay;
    void Paint() override;
};

}  // namespace kv
