// Opens every window of the game on a prepared game (a new game from the sample database, a few
// rounds played so that tables and lists are full) on the headless back end and writes a PNG of
// each at the five screen sizes players have (800x600, 1024x768, 1280x800, 1366x768, 1920x1080),
// with an index page listing them.
//
// Each window is opened in a child process of its own: a window that crashes on the prepared
// game is reported in the index and leaves the rest of the gallery to be drawn.
//
//   korvanel-gallery [--out FOLDER] [--only Form13,Form36,...] [--size WxH] [--rounds N]
//
// Exit code 1 when a window could not be opened, is blank (one colour), does not fit on the
// screen, is not centred on it (or, where it should, does not fill it), has a control outside the
// window or the screen, a text wider than its control, or a grid cell cut short ("...") while its
// grid has width to spare.

#include <sys/wait.h>
#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "core/game_data.h"
#include "platform/window/combo_box.h"
#include "platform/window/form.h"
#include "platform/window/layout_builder.h"
#include "platform/window/test_driver.h"
#include "screens/layouts/window_layouts.h"
#include "tools/gallery/contrast_check.h"
#include "tools/gallery/gallery_windows.h"
#include "ui/grid/column_classes.h"
#include "ui/grid/grid_column.h"
#include "ui/grid/grid_columns.h"
#include "ui/grid/grid_control.h"
#include "ui/grid/progress_column.h"

namespace kv {
namespace {

using gallery::Entry;
using gallery::Prepared;

// More than one colour inside the window.
bool Drawn(Screen& screen, const Rect& r) {
    const PixelView view = screen.BackBuffer();
    bool first = true;
    uint32_t colour = 0;
    for (int y = std::max(0, r.top); y < std::min(view.height, r.bottom); ++y)
        for (int x = std::max(0, r.left); x < std::min(view.width, r.right); ++x) {
            const uint32_t c = view.pixels[y * view.stride / 4 + x] & 0xFFFFFFu;
            if (first)
                colour = c, first = false;
            else if (c != colour)
                return true;
        }
    return false;
}

bool Scrolls(const Control& c) {
    return std::string(typeid(c).name()).find("Scroll") != std::string::npos;
}

// Visible controls that reach outside the client area of the control holding them.
void Outside(const Control& holder, const std::string& path, std::vector<std::string>& faults) {
    const Rect area = holder.ClientArea();
    for (const auto& child : holder.Children()) {
        if (!child->Visible()) continue;
        const Rect b = child->BoundsRect();
        if (b.left < 0 || b.top < 0 || b.right > area.width() || b.bottom > area.height())
            faults.push_back(path + child->Name() + " fora da janela (" + std::to_string(b.left) +
                             "," + std::to_string(b.top) + " " + std::to_string(b.width()) + "x" +
                             std::to_string(b.height()) + " em " + std::to_string(area.width()) +
                             "x" + std::to_string(area.height()) + ")");
        if (!Scrolls(*child)) Outside(*child, path + child->Name() + ".", faults);
    }
}

// The caption checks of the layout tables, by the type of control they make.
const std::map<std::string, const CaptionCheck*>& CaptionChecks() {
    static const std::map<std::string, const CaptionCheck*> checks = [] {
        std::map<std::string, const CaptionCheck*> by_type;
        std::set<std::string> classes;
        for (const WindowLayout* layout : EveryWindowLayout()) {
            if (layout->register_classes) layout->register_classes();
            for (const LayoutControl& row : layout->controls)
                classes.insert(std::string(row.class_name));
        }
        for (const std::string& name : classes) {
            const ControlClass* control_class = FindControlClass(name);
            if (!control_class || !control_class->create) continue;
            const CaptionCheck* check = CaptionCheckOf(*control_class);
            const std::unique_ptr<Control> sample = control_class->create();
            if (check && sample) by_type.emplace(typeid(*sample).name(), check);
        }
        return by_type;
    }();
    return checks;
}

// Visible controls whose text, as the window shows it now, does not fit them.
void Overflowing(const Control& holder, std::vector<std::string>& faults) {
    for (const auto& child : holder.Children()) {
        if (!child->Visible()) continue;
        const auto check = CaptionChecks().find(typeid(*child).name());
        if (check != CaptionChecks().end() && !child->Caption().empty()) {
            if (const std::string fault = (*check->second)(*child); !fault.empty())
                faults.push_back(child->Name() + " \"" + child->Caption() + "\": " + fault);
        }
        Overflowing(*child, faults);
    }
}

// --contrast: texts that do not stand out from what lies around them are faults too;
// --contrast-only: they are the only faults looked for.
bool g_check_contrast = false;
bool g_only_contrast = false;

std::string Box(const Rect& b) {
    return std::to_string(b.left) + "," + std::to_string(b.top) + " " + std::to_string(b.width()) +
           "x" + std::to_string(b.height());
}

// Visible controls, and the rows in view of visible grids, that reach outside the screen.
void OffScreen(const Control& holder, int w, int h, std::vector<std::string>& faults) {
    const Point scroll = holder.ScrollOffset();
    for (const auto& child : holder.Children()) {
        if (!child->Visible()) continue;
        const Rect b = child->BoundsRect();
        const Point at = holder.ClientToScreen({b.left - scroll.x, b.top - scroll.y});
        const Rect on{at.x, at.y, at.x + b.width(), at.y + b.height()};
        if (on.left < 0 || on.top < 0 || on.right > w || on.bottom > h) {
            faults.push_back(child->Name() + " fora da tela (" + Box(on) + ")");
            continue;
        }
        if (auto* grid = dynamic_cast<TGrCustomGridControl*>(child.get())) {
            for (int row = std::max(0, grid->TopRow()); row < grid->GetRowCount(); ++row) {
                const Rect cell = grid->GetCellRect(0, row);
                if (cell.top >= grid->ClientHeight()) break;
                if (grid->ClientToScreen({0, cell.bottom}).y > h) {
                    faults.push_back(child->Name() + ": linha " + std::to_string(row + 1) +
                                     " fora da tela");
                    break;
                }
            }
        }
        if (!Scrolls(*child)) OffScreen(*child, w, h, faults);
    }
}

// The width a cell's text takes and the width its column gives it.
int TextWidthIn(const TGrCustomColumn& column, const std::string& text) {
    Canvas measure(1, 1);
    measure.font = column.GetFont();
    return measure.TextWidth(text);
}

// Cells in view whose text the grid cuts short ("...") while the grid has the width to show it
// whole: empty width right of its columns, or width its other columns do not use.
void CutCells(const Control& holder, std::vector<std::string>& faults) {
    for (const auto& child : holder.Children()) {
        if (!child->Visible()) continue;
        CutCells(*child, faults);
        auto* grid = dynamic_cast<TGrCustomGridControl*>(child.get());
        if (!grid) continue;
        grid->FitColumnsToWidth();
        TGrColumns& columns = grid->Columns();
        std::vector<int> rows;
        for (int row = std::max(0, grid->TopRow()); row < grid->GetRowCount(); ++row) {
            if (!grid->IsRowShown(row)) continue;
            if (grid->GetCellRect(0, row).top >= grid->ClientHeight()) break;
            rows.push_back(row);
        }
        // Each shown column: the room it gives its text and the widest text it shows.
        struct Shown {
            int col, room, widest;
            std::string cut;
        };
        std::vector<Shown> shown;
        int used = 0;
        for (int col = 0; col < columns.Count(); ++col) {
            TGrCustomColumn& column = columns.GetItem(col);
            if (!column.Visible()) continue;
            used += column.Width();
            Shown s{col, column.Width() - 1 - 4 - 2 * column.Padding(),
                    TextWidthIn(column, column.Header().Caption()), {}};
            // Pictures and bars draw their values rather than show them as text: nothing of
            // theirs is cut, and they have no width to spare.
            if (dynamic_cast<TGrImageColumn*>(&column) || dynamic_cast<TGrGraphicColumn*>(&column) ||
                dynamic_cast<TGrProgressColumn*>(&column)) {
                s.widest = s.room;
                shown.push_back(std::move(s));
                continue;
            }
            for (int row : rows) {
                std::string text;
                grid->GetDrawText(col, row, text);
                const int width = TextWidthIn(column, text);
                s.widest = std::max(s.widest, width);
                if (width > s.room && s.cut.empty() && column.WrapKind() != wkWordWrap &&
                    column.WrapKind() != wkNone)
                    s.cut = text;
            }
            shown.push_back(std::move(s));
        }
        const int empty = std::max(0, columns.available_width ? columns.available_width() - used : 0);
        for (const Shown& s : shown) {
            if (s.cut.empty()) continue;
            int spare = empty;
            for (const Shown& other : shown)
                if (other.col != s.col) spare += std::max(0, other.room - other.widest);
            if (spare >= s.widest - s.room)
                faults.push_back(child->Name() + ": \"" + s.cut + "\" cortado em " +
                                 std::to_string(s.room) + " px, com " + std::to_string(spare) +
                                 " px de sobra na grade");
        }
    }
}

// The windows that fill the screen: the main window, the national team's hub and the editor at
// every size; the large lists the main window opens on the smallest screen.
bool FillsScreen(const std::string& id, int w) {
    static const std::set<std::string> always = {"Form13", "Form75", "Form3"};
    static const std::set<std::string> small = {"Form29", "Form20", "Form47",
                                                "Form71", "Form35", "Form69"};
    return always.count(id) > 0 || (w == 800 && small.count(id) > 0);
}

// The picture of a window on show and its faults.
std::vector<std::string> Picture(Screen& screen, Form& form, int w, int h,
                                 const std::string& png) {
    std::vector<std::string> faults;
    screen.Paint();
    if (screen.SavePng(png) == false) faults.push_back("PNG não gravado");
    if (g_check_contrast)
        for (std::string& f : LowContrastTexts(screen, form)) faults.push_back(std::move(f));
    if (g_only_contrast) return faults;
    if (!Drawn(screen, form.BoundsRect())) faults.push_back("janela em branco");
    const Rect b = form.BoundsRect();
    if (b.width() > w || b.height() > h)
        faults.push_back("janela maior que a tela (" + std::to_string(b.width()) + "x" +
                         std::to_string(b.height()) + ")");
    if (FillsScreen(form.Name(), w)) {
        if (b.left != 0 || b.top != 0 || b.width() != w || b.height() != h)
            faults.push_back("janela não preenche a tela (" + Box(b) + ")");
    } else if (std::abs(b.left - (w - b.width()) / 2) > 1 ||
               std::abs(b.top - (h - b.height()) / 2) > 1) {
        faults.push_back("janela fora do centro (" + Box(b) + ")");
    }
    Outside(form, "", faults);
    OffScreen(form, w, h, faults);
    Overflowing(form, faults);
    CutCells(form, faults);
    return faults;
}

// Opens one window on a screen of that size, writes its picture and returns its faults.
std::vector<std::string> Draw(const Entry& e, const Prepared& p, int w, int h,
                              const std::string& png) {
    return gallery::OpenWindow(e, p, w, h, [&](Screen& screen, Form& form) {
        return Picture(screen, form, w, h, png);
    });
}

std::string Escape(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

}  // namespace
}  // namespace kv

int main(int argc, char** argv) {
    using namespace kv;
    std::string out = KORVANEL_GALLERY_OUT;
    std::set<std::string> only;
    int rounds = 4;
    std::vector<std::pair<int, int>> sizes = {
        {800, 600}, {1024, 768}, {1280, 800}, {1366, 768}, {1920, 1080}};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--out" && i + 1 < argc)
            out = argv[++i];
        else if (a == "--size" && i + 1 < argc) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w < 320 || h < 240) return 2;
            sizes = {{w, h}};
        } else if (a == "--contrast")
            g_check_contrast = true;
        else if (a == "--contrast-only")
            g_check_contrast = g_only_contrast = true;
        else if (a == "--rounds" && i + 1 < argc)
            rounds = std::atoi(argv[++i]);
        else if (a == "--only" && i + 1 < argc) {
            std::stringstream ss(argv[++i]);
            for (std::string id; std::getline(ss, id, ',');) only.insert(id);
        } else {
            std::fprintf(stderr,
                         "uso: %s [--out PASTA] [--only Form13,Form36] [--size LxA] [--rounds N] "
                         "[--contrast | --contrast-only]\n",
                         argv[0]);
            return 2;
        }
    }
    std::filesystem::create_directories(out);

    Prepared p;
    if (const std::string error = gallery::PrepareGame(rounds, p); !error.empty()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    std::ofstream index(out + "/index.html");
    index << "<!doctype html><meta charset=utf-8><title>Janelas</title>\n"
             "<style>figure{display:inline-block;margin:8px}.f{color:#b00}</style>\n";
    int failed = 0, shown = 0;
    const std::vector<Entry> windows = gallery::Windows();
    // Every window of the game has its place here.
    for (const WindowLayout* layout : EveryWindowLayout()) {
        const std::string id(layout->name);
        bool listed = false;
        for (const Entry& e : windows) listed = listed || e.id == id;
        if (listed || (!only.empty() && !only.count(id))) continue;
        ++failed;
        index << "<h2>T" << Escape(id) << "</h2><pre class=f>fora da galeria</pre>\n";
        std::printf("T%s: fora da galeria\n", id.c_str());
    }
    for (const Entry& e : windows) {
        if (!only.empty() && !only.count(e.id)) continue;
        index << "<h2>T" << e.id << ": " << Escape(e.what) << "</h2>\n";
        for (const auto& [w, h] : sizes) {
            const std::string file = e.id + "_" + std::to_string(w) + "x" + std::to_string(h);
            const std::string report = out + "/" + file + ".txt";
            std::fflush(nullptr);
            const pid_t child = fork();
            if (child == 0) {
                std::ofstream r(report);
                try {
                    for (const std::string& f : Draw(e, p, w, h, out + "/" + file + ".png"))
                        r << f << "\n";
                } catch (const std::exception& ex) {
                    r << "erro ao abrir: " << ex.what() << "\n";
                }
                r.close();
                std::fflush(nullptr);
                _exit(0);
            }
            int status = 0;
            waitpid(child, &status, 0);
            std::string faults;
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                faults = "o programa caiu ao abrir a janela\n";
            } else {
                std::ifstream r(report);
                std::stringstream ss;
                ss << r.rdbuf();
                faults = ss.str();
            }
            std::filesystem::remove(report);
            ++shown;
            index << "<figure><img src=\"" << file << ".png\" width=" << w / 2 << "><figcaption>"
                  << w << "x" << h;
            if (!faults.empty()) {
                ++failed;
                index << "<pre class=f>" << Escape(faults) << "</pre>";
                std::printf("T%s %dx%d:\n%s", e.id.c_str(), w, h, faults.c_str());
            }
            index << "</figcaption></figure>\n";
        }
    }
    std::printf("%d imagens em %s/index.html, %d com falhas\n", shown, out.c_str(), failed);
    return failed ? 1 : 0;
}
