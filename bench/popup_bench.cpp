// Cost of opening the popup menu on a huge tree against a small one with the same top level:
// only the levels that show are made into native menus, so the ratio should stay near 1.
#include "ui/menu_handler_args.h"
#include "ui/popup_menu.h"

#include <chrono>
#include <cstdio>
#include <algorithm>
#include <memory>

namespace {

// Ten folders at the top, each holding perFolder items spread over two levels.
void FillTree(core::TMenuItem& root, int perFolder) {
    auto wire = [](core::TMenuItem& item) {
        item.OnMeasureItem = [](core::TMenuItem&, core::TMeasureItemArgs& a) {
            a.Width = 150;
            a.Height = 20;
        };
        item.OnDrawItem = [](core::TMenuItem& i, core::TDrawItemArgs& a) {
            DrawTextW(a.Canvas, i.Caption.c_str(), int(i.Caption.size()), &a.Rect, DT_SINGLELINE);
        };
    };
    for (int f = 0; f < 10; ++f) {
        auto folder = std::make_unique<core::TMenuItem>();
        folder->Caption = L"Folder " + std::to_wstring(f);
        wire(*folder);
        int sub = perFolder / 20;
        for (int s = 0; s < sub; ++s) {
            auto inner = std::make_unique<core::TMenuItem>();
            inner->Caption = L"Group " + std::to_wstring(s);
            wire(*inner);
            for (int i = 0; i < 19; ++i) {
                auto file = std::make_unique<core::TMenuItem>();
                file->Caption = L"Program " + std::to_wstring(i);
                wire(*file);
                inner->Add(std::move(file));
            }
            folder->Add(std::move(inner));
        }
        root.Add(std::move(folder));
    }
    for (const wchar_t* caption : {L"Settings...", L"Donate", L"About...", L"Run...", L"Exit"}) {
        auto item = std::make_unique<core::TMenuItem>();
        item->Caption = caption;
        wire(*item);
        root.Add(std::move(item));
    }
}

int CountItems(const core::TMenuItem& item) {
    int n = item.Count();
    for (int i = 0; i < item.Count(); ++i) n += CountItems(item[i]);
    return n;
}

// Seconds per popup of the top level (shown, then closed by a key the menu loop finds waiting).
double TimePopups(TVeskPopupMenu& menu, int rounds) {
    menu.OnPopup = [] { PostMessageW(VeskPopupList.Window(), WM_KEYDOWN, VK_ESCAPE, 0); };
    auto start = std::chrono::steady_clock::now();
    for (int r = 0; r < rounds; ++r) menu.Popup(200, 200);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

}  // namespace

int main() {
    TVeskPopupMenu small, large;
    FillTree(small.Items, 20);
    FillTree(large.Items, 2000);
    const int rounds = 20;
    TimePopups(small, 3);  // warm up the menu windows and fonts
    TimePopups(large, 3);
    // Interleaved, best of five: the machine's other work shows in both alike.
    double tSmall = 1e9, tLarge = 1e9;
    for (int pass = 0; pass < 5; ++pass) {
        tSmall = std::min(tSmall, TimePopups(small, rounds));
        tLarge = std::min(tLarge, TimePopups(large, rounds));
    }
    std::printf("popup of the top level, best of 5 passes of %d rounds each\n", rounds);
    std::printf("  small tree: %6d items  %8.3f ms per popup\n", CountItems(small.Items), tSmall * 1e3);
    std::printf("  large tree: %6d items  %8.3f ms per popup\n", CountItems(large.Items), tLarge * 1e3);
    std::printf("  ratio large / small: %.2f\n", tLarge / tSmall);
    return 0;
}
