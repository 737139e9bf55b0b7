#pragma once
// A flex grid as it looks before the program fills its cells: Rows x Cols cells, the first
// FixedRows rows and FixedCols columns fixed (grey, raised), the texts its FormatString gives
// the first fixed row and the first fixed column, grid lines, and the grid's background past the
// last cell. Shown alike in the tool's pictures, a live form and an exported .ui.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/HostObject.h"

namespace kv::host {

// One entry of a FormatString: its text and the alignment its first character asked for.
struct FlexHead {
    enum Align { Unsaid, Left, Centre, Right };
    std::string text;
    Align align = Unsaid;  // Unsaid shows as Left, but is written back without a mark
    bool operator==(const FlexHead&) const = default;
};

class FlexGridLook {
  public:
    int rows = 2, cols = 2, fixed_rows = 1, fixed_cols = 1;
    std::string format;                 // FormatString as the file gives it
    std::vector<FlexHead> across;       // its column part: row 0's cells from column 0
    std::vector<FlexHead> down;         // its row part: column 0's cells from row 0
    int grid_lines = 1;                 // 0 none, else lines between the cells
    int scroll_bars = 3;                // 1 across, 2 down, 3 both; each only while needed
    double back_color = -2147483643;    // &H80000005 the window's: the cells
    double fixed_color = -2147483633;   // &H8000000F the button face: the fixed cells
    double beyond_color = -2147483636;  // &H8000000C the workspace: past the last cell

    static bool candidate(std::string_view class_name);
    static FlexGridLook read(HostObject& grid);

    // A FormatString's two parts into `across` and `down`; Cols and Rows grow to hold them.
    void take_format(std::string_view text);
    // The FormatString that gives these entries (empty parts left out).
    static std::string format_of(const std::vector<FlexHead>& across,
                                 const std::vector<FlexHead>& down);

    // The text of cell (row, col) and its alignment: only the first fixed row and column have
    // one before the program runs (the corner: the row part's, else the column part's).
    FlexHead cell(int row, int col) const;
    bool fixed(int row, int col) const { return row < fixed_rows || col < fixed_cols; }
    // Column `col`'s width in pixels: one the column part names fits its text (as `text_pixels`
    // measures it) with a little room; the others the grid's default.
    double column_pixels(int col, double twips_per_pixel,
                         const std::function<double(const std::string&)>& text_pixels) const;
    static double default_column_pixels(double twips_per_pixel);
    // A row is the font's line high and a few pixels more.
    static double row_pixels(double line_pixels) { return line_pixels + 4; }
};

// Room either side of a cell's text (pixels).
inline constexpr double kFlexTextInset = 4;

}  // namespace kv::host
