#include "tools/sampledb/sample_pictures.h"

#include <cairo.h>
#include <jpeglib.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "tools/sampledb/output_files.h"
#include "tools/sampledb/sample_database.h"
#include "tools/sampledb/sample_random.h"

namespace kv::sampledb {
namespace {

namespace fs = std::filesystem;

constexpr double kPi = 3.14159265358979323846;

constexpr std::array<std::int32_t, 9> kFlagColours = {
    0x0000CC, 0xFFFFFF, 0x993300, 0x00AA00, 0x00CCFF, 0x000000, 0xCC6600, 0x000080, 0x0066FF,
};

struct Surface {
    explicit Surface(int w, int h)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
          cr(cairo_create(surface)) {}
    ~Surface() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    cairo_surface_t* surface;
    cairo_t* cr;
};

void SetColour(cairo_t* cr, std::int32_t colour, double alpha = 1.0) {
    cairo_set_source_rgba(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                          ((colour >> 16) & 0xFF) / 255.0, alpha);
}

bool SavePng(Surface& s, const fs::path& path, std::string* error) {
    cairo_surface_flush(s.surface);
    if (cairo_surface_write_to_png(s.surface, path.c_str()) == CAIRO_STATUS_SUCCESS) return true;
    if (error) *error = "não foi possível gravar " + path.string();
    return false;
}

void Star(cairo_t* cr, double cx, double cy, double r) {
    for (int i = 0; i < 10; ++i) {
        const double a = -kPi / 2 + i * kPi / 5;
        const double rr = i % 2 ? r * 0.45 : r;
        const double x = cx + rr * std::cos(a);
        const double y = cy + rr * std::sin(a);
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void DrawFlag(cairo_t* cr, const FlagDesign& f, double w, double h) {
    SetColour(cr, f.colours[0]);
    cairo_paint(cr);
    switch (f.pattern) {
        case 0:  // three horizontal bands
            for (int i = 1; i < 3; ++i) {
                SetColour(cr, f.colours[i]);
                cairo_rectangle(cr, 0, h * i / 3, w, h / 3 + 1);
                cairo_fill(cr);
            }
            break;
        case 1:  // three vertical bands
            for (int i = 1; i < 3; ++i) {
                SetColour(cr, f.colours[i]);
                cairo_rectangle(cr, w * i / 3, 0, w / 3 + 1, h);
                cairo_fill(cr);
            }
            break;
        case 2:  // two horizontal bands
            SetColour(cr, f.colours[1]);
            cairo_rectangle(cr, 0, h / 2, w, h / 2);
            cairo_fill(cr);
            break;
        case 3:  // a cross set towards the hoist
            SetColour(cr, f.colours[1]);
            cairo_rectangle(cr, w * 0.28, 0, w * 0.2, h);
            cairo_rectangle(cr, 0, h * 0.4, w, h * 0.2);
            cairo_fill(cr);
            SetColour(cr, f.colours[2]);
            cairo_rectangle(cr, w * 0.33, 0, w * 0.1, h);
            cairo_rectangle(cr, 0, h * 0.45, w, h * 0.1);
            cairo_fill(cr);
            break;
        case 4:  // a triangle at the hoist
            SetColour(cr, f.colours[1]);
            cairo_rectangle(cr, 0, h / 2, w, h / 2);
            cairo_fill(cr);
            SetColour(cr, f.colours[2]);
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, w * 0.45, h / 2);
            cairo_line_to(cr, 0, h);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
        default:  // a diagonal
            SetColour(cr, f.colours[1]);
            cairo_move_to(cr, w, 0);
            cairo_line_to(cr, w, h);
            cairo_line_to(cr, 0, h);
            cairo_close_path(cr);
            cairo_fill(cr);
            break;
    }
    if (f.emblem == 1) {
        SetColour(cr, f.colours[2] == f.colours[0] ? f.colours[1] : f.colours[2]);
        cairo_arc(cr, w / 2, h / 2, h * 0.22, 0, 2 * kPi);
        cairo_fill(cr);
    } else if (f.emblem == 2) {
        SetColour(cr, 0xFFFFFF);
        Star(cr, w * 0.5, h * 0.5, h * 0.22);
        cairo_fill(cr);
    }
}

// Capital letters of a 5 x 7 grid, one row per byte (bit 4 is the left column): crests get
// their letters from here rather than from the machine's fonts, so the pictures are the same on
// every machine.
constexpr std::array<std::array<std::uint8_t, 7>, 26> kLetterGrid = {{
    {0b01110, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001},  // A
    {0b11110, 0b10001, 0b10001, 0b11110, 0b10001, 0b10001, 0b11110},  // B
    {0b01110, 0b10001, 0b10000, 0b10000, 0b10000, 0b10001, 0b01110},  // C
    {0b11110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b11110},  // D
    {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b11111},  // E
    {0b11111, 0b10000, 0b10000, 0b11110, 0b10000, 0b10000, 0b10000},  // F
    {0b01110, 0b10001, 0b10000, 0b10111, 0b10001, 0b10001, 0b01111},  // G
    {0b10001, 0b10001, 0b10001, 0b11111, 0b10001, 0b10001, 0b10001},  // H
    {0b01110, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b01110},  // I
    {0b00111, 0b00010, 0b00010, 0b00010, 0b00010, 0b10010, 0b01100},  // J
    {0b10001, 0b10010, 0b10100, 0b11000, 0b10100, 0b10010, 0b10001},  // K
    {0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b10000, 0b11111},  // L
    {0b10001, 0b11011, 0b10101, 0b10101, 0b10001, 0b10001, 0b10001},  // M
    {0b10001, 0b10001, 0b11001, 0b10101, 0b10011, 0b10001, 0b10001},  // N
    {0b01110, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110},  // O
    {0b11110, 0b10001, 0b10001, 0b11110, 0b10000, 0b10000, 0b10000},  // P
    {0b01110, 0b10001, 0b10001, 0b10001, 0b10101, 0b10010, 0b01101},  // Q
    {0b11110, 0b10001, 0b10001, 0b11110, 0b10100, 0b10010, 0b10001},  // R
    {0b01111, 0b10000, 0b10000, 0b01110, 0b00001, 0b00001, 0b11110},  // S
    {0b11111, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100, 0b00100},  // T
    {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01110},  // U
    {0b10001, 0b10001, 0b10001, 0b10001, 0b10001, 0b01010, 0b00100},  // V
    {0b10001, 0b10001, 0b10001, 0b10101, 0b10101, 0b10101, 0b01010},  // W
    {0b10001, 0b10001, 0b01010, 0b00100, 0b01010, 0b10001, 0b10001},  // X
    {0b10001, 0b10001, 0b01010, 0b00100, 0b00100, 0b00100, 0b00100},  // Y
    {0b11111, 0b00001, 0b00010, 0b00100, 0b01000, 0b10000, 0b11111},  // Z
}};

void DrawLetters(cairo_t* cr, const std::string& letters, double x, double y, double cell,
                 std::int32_t colour, double alpha) {
    SetColour(cr, colour, alpha);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const int index = letters[i] - 'A';
        if (index < 0 || index >= 26) continue;
        const double left = x + static_cast<double>(i) * 6 * cell;
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 5; ++col) {
                if (kLetterGrid[static_cast<std::size_t>(index)][static_cast<std::size_t>(row)] &
                    (0x10 >> col)) {
                    cairo_rectangle(cr, left + col * cell, y + row * cell, cell, cell);
                }
            }
        }
    }
    cairo_fill(cr);
}

std::string Initials(const std::string& name) {
    std::string out;
    bool start = true;
    for (char ch : name) {
        if (ch == ' ' || ch == '-' || ch == '.') {
            start = true;
        } else if (start) {
            if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'))
                out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(ch))));
            start = false;
        }
        if (out.size() == 3) break;
    }
    return out.empty() ? "FC" : out;
}

void ShieldPath(cairo_t* cr, double s) {
    cairo_move_to(cr, s * 0.12, s * 0.08);
    cairo_line_to(cr, s * 0.88, s * 0.08);
    cairo_line_to(cr, s * 0.88, s * 0.5);
    cairo_curve_to(cr, s * 0.88, s * 0.75, s * 0.65, s * 0.86, s * 0.5, s * 0.95);
    cairo_curve_to(cr, s * 0.35, s * 0.86, s * 0.12, s * 0.75, s * 0.12, s * 0.5);
    cairo_close_path(cr);
}

struct Emblem {
    std::int32_t main;
    std::int32_t second;
    int pattern;
    std::string letters;
    bool star;
};

void DrawCrest(cairo_t* cr, const Emblem& e, double s) {
    ShieldPath(cr, s);
    SetColour(cr, e.main);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    SetColour(cr, e.second);
    switch (e.pattern % 4) {
        case 0:
            for (int i = 0; i < 3; ++i) cairo_rectangle(cr, s * (0.22 + i * 0.22), 0, s * 0.1, s);
            break;
        case 1:
            cairo_rectangle(cr, 0, s * 0.36, s, s * 0.2);
            break;
        case 2:
            cairo_move_to(cr, 0, s * 0.2);
            cairo_line_to(cr, s * 0.2, 0);
            cairo_line_to(cr, s, s * 0.8);
            cairo_line_to(cr, s * 0.8, s);
            cairo_close_path(cr);
            break;
        default:
            cairo_rectangle(cr, 0, 0, s, s * 0.3);
            break;
    }
    cairo_fill(cr);
    cairo_restore(cr);
    if (s >= 32) {
        const bool dark =
            ((e.main & 0xFF) + ((e.main >> 8) & 0xFF) + ((e.main >> 16) & 0xFF)) < 380;
        const double cell = s * (e.letters.size() > 2 ? 0.036 : 0.05);
        const double width = (static_cast<double>(e.letters.size()) * 6 - 1) * cell;
        const double x = s / 2 - width / 2;
        const double y = s * 0.62 - 3.5 * cell;
        DrawLetters(cr, e.letters, x + 1, y + 1, cell, dark ? 0x000000 : 0xFFFFFF, 0.6);
        DrawLetters(cr, e.letters, x, y, cell, dark ? 0xFFFFFF : 0x000000, 1.0);
    }
    if (e.star) {
        SetColour(cr, 0x00CCFF);
        Star(cr, s * 0.5, s * 0.2, s * 0.08);
        cairo_fill(cr);
    }
    ShieldPath(cr, s);
    cairo_set_line_width(cr, std::max(1.0, s / 24));
    SetColour(cr, 0x202020);
    cairo_stroke(cr);
}

void ShirtPath(cairo_t* cr, double s) {
    cairo_move_to(cr, s * 0.36, s * 0.1);
    cairo_curve_to(cr, s * 0.42, s * 0.18, s * 0.58, s * 0.18, s * 0.64, s * 0.1);
    cairo_line_to(cr, s * 0.95, s * 0.26);
    cairo_line_to(cr, s * 0.85, s * 0.45);
    cairo_line_to(cr, s * 0.76, s * 0.4);
    cairo_line_to(cr, s * 0.76, s * 0.92);
    cairo_line_to(cr, s * 0.24, s * 0.92);
    cairo_line_to(cr, s * 0.24, s * 0.4);
    cairo_line_to(cr, s * 0.15, s * 0.45);
    cairo_line_to(cr, s * 0.05, s * 0.26);
    cairo_close_path(cr);
}

void DrawShirt(cairo_t* cr, std::int32_t body, std::int32_t trim, int pattern, double s) {
    ShirtPath(cr, s);
    SetColour(cr, body);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    SetColour(cr, trim);
    switch (pattern % 4) {
        case 0:
            for (int i = 0; i < 4; ++i) cairo_rectangle(cr, s * (0.28 + i * 0.13), 0, s * 0.065, s);
            break;
        case 1:
            for (int i = 0; i < 3; ++i) cairo_rectangle(cr, 0, s * (0.3 + i * 0.2), s, s * 0.1);
            break;
        case 2:
            cairo_move_to(cr, s * 0.2, s * 0.2);
            cairo_line_to(cr, s * 0.35, s * 0.15);
            cairo_line_to(cr, s * 0.85, s * 0.95);
            cairo_line_to(cr, s * 0.7, s * 0.95);
            cairo_close_path(cr);
            break;
        default:
            cairo_rectangle(cr, 0, s * 0.1, s * 0.24, s * 0.4);
            cairo_rectangle(cr, s * 0.76, s * 0.1, s * 0.24, s * 0.4);
            break;
    }
    cairo_fill(cr);
    cairo_restore(cr);
    ShirtPath(cr, s);
    cairo_set_line_width(cr, std::max(1.0, s / 40));
    SetColour(cr, 0x202020);
    cairo_stroke(cr);
}

bool WriteEmblemPictures(const Emblem& e, std::int32_t third, const fs::path& crest,
                         const fs::path* mini, const std::array<fs::path, 3>& shirts,
                         std::string* error) {
    {
        Surface s(64, 64);
        DrawCrest(s.cr, e, 64);
        if (!SavePng(s, crest, error)) return false;
    }
    if (mini) {
        Surface s(20, 20);
        DrawCrest(s.cr, e, 20);
        if (!SavePng(s, *mini, error)) return false;
    }
    const std::array<std::array<std::int32_t, 2>, 3> kits = {
        {{e.main, e.second}, {e.second, e.main}, {third, e.main}}};
    for (std::size_t k = 0; k < 3; ++k) {
        Surface s(48, 48);
        DrawShirt(s.cr, kits[k][0], kits[k][1],
                  k == 0 ? e.pattern : e.pattern + 1 + static_cast<int>(k), 48);
        if (!SavePng(s, shirts[k], error)) return false;
    }
    return true;
}

// A dark green tile with the stripes of a mown pitch: the windows tile it behind everything.
std::vector<std::uint8_t> BackgroundPixels(int w, int h, int shade) {
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w * h * 3));
    SampleRandom rng(static_cast<std::uint64_t>(shade) + 99);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int stripe = ((x + y) / 16) % 2 ? 8 : 0;
            const int grain = rng.Below(7);
            std::uint8_t* p = &rgb[static_cast<std::size_t>((y * w + x) * 3)];
            p[0] = static_cast<std::uint8_t>(10 + shade / 2 + grain);
            p[1] = static_cast<std::uint8_t>(58 + shade + stripe + grain);
            p[2] = static_cast<std::uint8_t>(28 + shade / 2 + grain);
        }
    }
    return rgb;
}

bool WriteJpeg(const fs::path& path, int w, int h, const std::vector<std::uint8_t>& rgb,
               std::string* error) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        if (error) *error = "não foi possível gravar " + path.string();
        return false;
    }
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(w);
    info.image_height = static_cast<JDIMENSION>(h);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 88, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<JSAMPROW>(&rgb[static_cast<std::size_t>(info.next_scanline) * w * 3]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return std::fclose(file) == 0;
}

void PutLe(std::string& out, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

bool WriteBmp(const fs::path& path, int w, int h, const std::vector<std::uint8_t>& rgb,
              std::string* error) {
    const int row = (w * 3 + 3) & ~3;
    std::string out = "BM";
    PutLe(out, static_cast<std::uint32_t>(54 + row * h), 4);
    PutLe(out, 0, 4);
    PutLe(out, 54, 4);
    PutLe(out, 40, 4);
    PutLe(out, static_cast<std::uint32_t>(w), 4);
    PutLe(out, static_cast<std::uint32_t>(h), 4);
    PutLe(out, 1, 2);
    PutLe(out, 24, 2);
    PutLe(out, 0, 4);
    PutLe(out, static_cast<std::uint32_t>(row * h), 4);
    PutLe(out, 2835, 4);
    PutLe(out, 2835, 4);
    PutLe(out, 0, 4);
    PutLe(out, 0, 4);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = &rgb[static_cast<std::size_t>((y * w + x) * 3)];
            out.push_back(static_cast<char>(p[2]));
            out.push_back(static_cast<char>(p[1]));
            out.push_back(static_cast<char>(p[0]));
        }
        out.append(static_cast<std::size_t>(row - w * 3), '\0');
    }
    return WriteOutputFile(path, out, error);
}

// The match day's group frames: a pitch drawn in faint white lines, laid centred under the
// rows of each group, so the frames read as one board without hiding the names.
bool WriteFramePicture(const fs::path& path, std::string* error) {
    constexpr double w = 320, h = 46;
    Surface s(static_cast<int>(w), static_cast<int>(h));
    cairo_t* cr = s.cr;
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    // Mown stripes across the grass, barely there.
    for (int i = 0; i < 8; i += 2) {
        cairo_rectangle(cr, 4 + i * (w - 8) / 8, 4, (w - 8) / 8, h - 8);
        SetColour(cr, 0xFFFFFF, 0.05);
        cairo_fill(cr);
    }
    SetColour(cr, 0xFFFFFF, 0.22);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 4.5, 4.5, w - 9, h - 9);
    cairo_move_to(cr, w / 2, 4.5);
    cairo_line_to(cr, w / 2, h - 4.5);
    cairo_stroke(cr);
    cairo_arc(cr, w / 2, h / 2, h * 0.22, 0, 2 * kPi);
    cairo_stroke(cr);
    // The penalty areas and goal areas at both ends.
    for (const double end : {4.5, w - 4.5}) {
        const double dir = end < w / 2 ? 1 : -1;
        cairo_rectangle(cr, end, h * 0.22, dir * w * 0.1, h * 0.56);
        cairo_rectangle(cr, end, h * 0.37, dir * w * 0.035, h * 0.26);
        cairo_stroke(cr);
        cairo_arc(cr, end + dir * w * 0.075, h / 2, 1.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_arc(cr, w / 2, h / 2, 2, 0, 2 * kPi);
    cairo_fill(cr);
    return SavePng(s, path, error);
}

}  // namespace

FlagDesign DesignFlag(int country) {
    SampleRandom rng(static_cast<std::uint64_t>(country) * 1000003 + 7);
    FlagDesign f;
    f.pattern = rng.Below(6);
    const int first = rng.Below(static_cast<int>(kFlagColours.size()));
    int second = rng.Below(static_cast<int>(kFlagColours.size()) - 1);
    if (second >= first) ++second;
    int third = rng.Below(static_cast<int>(kFlagColours.size()));
    if (third == second) third = first;
    f.colours = {kFlagColours[first], kFlagColours[second], kFlagColours[third]};
    f.emblem = rng.Below(5) == 0 ? 1 : rng.Below(4) == 0 ? 2 : 0;
    return f;
}

bool WriteSamplePictures(const SampleDatabase& db, const std::string& folder, std::string* error) {
    const fs::path root = folder;
    const fs::path teams = root / "teams";
    const fs::path national = teams / "selecoes";
    const fs::path flags = root / "img" / "flags";
    for (const fs::path& dir : {flags, teams / "escudos", teams / "miniescudos", teams / "camisas",
                                teams / "camisas2", teams / "camisas3", national}) {
        if (!MakeOutputFolder(dir, error)) return false;
    }
    for (int country = 0; country < 202; ++country) {
        Surface s(36, 24);
        DrawFlag(s.cr, DesignFlag(country), 36, 24);
        if (!SavePng(s, flags / (std::to_string(country) + ".png"), error)) return false;
    }
    for (const SampleClub& c : db.clubs) {
        const std::string pic = c.club.picture_name.str() + ".png";
        const Emblem e{c.club.back_colour, c.club.text_colour, c.club.club_id,
                       Initials(c.club.short_name.str()), c.club.reputation >= 5};
        const fs::path mini = teams / "miniescudos" / pic;
        const std::int32_t third = c.club.club_id % 2 ? 0x202020 : 0x808080;
        if (!WriteEmblemPictures(
                e, third, teams / "escudos" / pic, &mini,
                {teams / "camisas" / pic, teams / "camisas2" / pic, teams / "camisas3" / pic},
                error)) {
            return false;
        }
    }
    for (const SampleNationalTeam& n : db.national_teams) {
        const std::string pic = n.record.picture_name.str() + ".png";
        const FlagDesign flag = DesignFlag(n.record.country);
        std::string code = n.record.picture_name.str().substr(0, 3);
        for (char& ch : code) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const Emblem e{flag.colours[0], flag.colours[1], n.record.country, code, true};
        if (!WriteEmblemPictures(
                e, flag.colours[2], national / pic, nullptr,
                {national / ("c_" + pic), national / ("c2_" + pic), national / ("c3_" + pic)},
                error)) {
            return false;
        }
    }
    const fs::path img = root / "img";
    return WriteJpeg(img / "f01.jpg", 256, 256, BackgroundPixels(256, 256, 0), error) &&
           WriteBmp(img / "f03.bmp", 128, 128, BackgroundPixels(128, 128, 12), error) &&
           WriteFramePicture(img / "f03.png", error);
}

}  // namespace kv::sampledb
