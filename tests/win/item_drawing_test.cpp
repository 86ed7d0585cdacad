// Menu items measured and drawn into a bitmap through the painter the draw handler uses, on the
// classic path and through the visual style, with pixels read back.
#include "app/main_form.h"
#include "core/settings_table.h"
#include "ui/additional_icon.h"
#include "ui/item_painting.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <uxtheme.h>

#include <memory>
#include <optional>
#include <set>
#include <utility>

using core::TMenuItem;

namespace {

// System colours that tell every use apart; the tints of 0.25 and 0.5 become 244 and 248.
const std::pair<int, COLORREF> kColors[] = {
    {COLOR_MENU, RGB(240, 240, 240)},      {COLOR_BTNHIGHLIGHT, RGB(255, 255, 255)},
    {COLOR_BTNSHADOW, RGB(160, 160, 160)}, {COLOR_HIGHLIGHT, RGB(0, 0, 128)},
    {COLOR_MENUHILIGHT, RGB(0, 128, 0)},   {COLOR_MENUTEXT, RGB(0, 0, 0)},
    {COLOR_HIGHLIGHTTEXT, RGB(255, 255, 0)},
};
const COLORREF kMenu = RGB(240, 240, 240);
const COLORREF kAreaTint = RGB(244, 244, 244);
const COLORREF kDemotedTint = RGB(248, 248, 248);
const COLORREF kShadow = RGB(160, 160, 160);
const COLORREF kHighlight = RGB(0, 0, 128);
const COLORREF kMenuText = RGB(0, 0, 0);
const COLORREF kBtnHighlight = RGB(255, 255, 255);
const COLORREF kBlank = RGB(255, 0, 255);  // the bitmap before drawing
const COLORREF kItemIcon = RGB(255, 0, 0);

// Sets the colours for the life of a test and puts the old ones back.
class SystemColors {
public:
    SystemColors() {
        std::vector<COLORREF> values;
        for (auto [index, color] : kColors) {
            indexes_.push_back(index);
            old_.push_back(GetSysColor(index));
            values.push_back(color);
        }
        SetSysColors(int(indexes_.size()), indexes_.data(), values.data());
    }
    ~SystemColors() { SetSysColors(int(indexes_.size()), indexes_.data(), old_.data()); }

private:
    std::vector<int> indexes_;
    std::vector<COLORREF> old_;
};

platform::UniqueHBitmap SolidBitmap(HDC dc, int w, int h, COLORREF color) {
    platform::UniqueHBitmap bitmap(CreateCompatibleBitmap(dc, w, h));
    platform::UniqueHdc mem(CreateCompatibleDC(dc));
    platform::SelectObjectScope select(mem.get(), bitmap.get());
    RECT r{0, 0, w, h};
    platform::UniqueHBrush brush(CreateSolidBrush(color));
    FillRect(mem.get(), &r, brush.get());
    return bitmap;
}

// An opaque square icon of one colour.
platform::UniqueHIcon SolidIcon(int size, COLORREF color) {
    HDC screen = GetDC(nullptr);
    platform::UniqueHBitmap colorBits = SolidBitmap(screen, size, size, color);
    ReleaseDC(nullptr, screen);
    platform::UniqueHBitmap mask(CreateBitmap(size, size, 1, 1, nullptr));
    {
        platform::UniqueHdc mem(CreateCompatibleDC(nullptr));
        platform::SelectObjectScope select(mem.get(), mask.get());
        PatBlt(mem.get(), 0, 0, size, size, BLACKNESS);  // mask 0: the picture shows everywhere
    }
    ICONINFO info{TRUE, 0, 0, mask.get(), colorBits.get()};
    return platform::UniqueHIcon(CreateIconIndirect(&info));
}

// A 32-bit bitmap with the menu font (unsmoothed, so text pixels have exact colours).
class Canvas {
public:
    Canvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)), width_(width), height_(height) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        metrics.lfMenuFont.lfQuality = NONANTIALIASED_QUALITY;
        font_.reset(CreateFontIndirectW(&metrics.lfMenuFont));
        selectBitmap_.emplace(dc_.get(), bitmap_.get());
        selectFont_.emplace(dc_.get(), font_.get());
    }
    HDC Dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
    void Clear() {
        RECT r{0, 0, width_, height_};
        platform::UniqueHBrush brush(CreateSolidBrush(kBlank));
        FillRect(dc_.get(), &r, brush.get());
    }
    // Every pixel of the colour inside r.
    std::set<std::pair<int, int>> Find(RECT r, COLORREF color) const {
        std::set<std::pair<int, int>> found;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) == color) found.insert({x, y});
        return found;
    }

private:
    platform::UniqueHdc dc_;
    platform::UniqueHBitmap bitmap_;
    platform::UniqueHFont font_;
    std::optional<platform::SelectObjectScope> selectBitmap_;
    std::optional<platform::SelectObjectScope> selectFont_;
    int width_, height_;
};

// An icon data object that keeps its small picture too, as the main form's icons do.
class KeptIcon : public TAdditionalIconData {
public:
    platform::UniqueHIcon Small;

protected:
    void SetSmallIcon(HICON handle) override { Small.reset(handle); }
};

std::unique_ptr<core::TMenuItemData> Record(bool isDir, bool isPersonal, bool raised) {
    auto d = std::make_unique<core::TMenuItemData>();
    d->IsDir = isDir;
    d->IsPersonal = isPersonal;
    d->Raised = raised;
    d->DisplayName = isDir ? L"Folder" : L"File";
    return d;
}

class ItemDrawing : public ::testing::Test {
protected:
    static constexpr int kRowTop = 4;
    static constexpr int kRight = 300;

    void SetUp() override {
        large_.Owned.reset(ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1));
        small_.Owned.reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1));
        for (TImageList* list : {&large_, &small_}) {
            list->Handle = list->Owned.get();
            ImageList_GetIconSize(list->Handle, &list->Width, &list->Height);
            platform::UniqueHIcon icon = SolidIcon(list->Width, kItemIcon);
            ImageList_AddIcon(list->Handle, icon.get());
        }
        form_ = core::AddFormItems(root_, {}, {});
        folder_ = &root_.Insert(0, std::make_unique<TMenuItem>());
        folder_->Data = Record(true, true, true);
        folder_->Caption = L"Programs";

        s_.FormItems = &form_;
        s_.LargeList = &large_;
        s_.RootImages = &large_;
        s_.ProgramsImages = s_.FavoritesImages = s_.DocumentImages = &small_;
        for (int i = 0; i < 9; ++i) {
            icons_[i].first = SolidIcon(32, RGB(0, 0, 200 + i));
            icons_[i].second = SolidIcon(16, RGB(0, 0, 200 + i));
            s_.AdditionalIcons[i] = {icons_[i].first.get(), icons_[i].second.get(), false};
        }
        s_.FlatMenu = false;
    }

    // A file item in the programs folder (small list), before the folder's other items.
    TMenuItem& File(bool raised, int imageIndex, const wchar_t* caption = L"File") {
        auto item = std::make_unique<TMenuItem>();
        item->Data = Record(false, true, raised);
        item->Caption = caption;
        item->ImageIndex = imageIndex;
        return folder_->Add(std::move(item));
    }

    core::TSize Measure(TMenuItem& item) {
        core::TMeasureItemArgs args{canvas_.Dc()};
        MeasureMenuItem(s_, item, args);
        return {args.Width, args.Height};
    }

    // Draws the item in a row of the height it measures, from x = 0 to kRight; returns the row.
    RECT Draw(TMenuItem& item, bool selected) {
        core::TSize size = Measure(item);
        canvas_.Clear();
        core::TDrawItemArgs args{canvas_.Dc(), {0, kRowTop, kRight, kRowTop + size.Height}, selected,
                                 UINT(selected ? ODS_SELECTED : 0)};
        int saved = SaveDC(canvas_.Dc());
        DrawMenuItem(s_, item, args);
        RestoreDC(canvas_.Dc(), saved);
        return args.Rect;
    }

    void UseTheme(bool themed) {
        s_.Themed = themed;
        if (themed) {
            HTHEME theme = OpenThemeData(nullptr, L"MENU");
            ASSERT_NE(theme, nullptr) << "the visual style of the system is needed";
            CloseThemeData(theme);
        }
    }

    SystemColors colors_;
    Canvas canvas_{kRight + 20, 64};
    TImageList large_, small_;
    TMenuItem root_;
    core::TFormMenuItems form_;
    TMenuItem* folder_ = nullptr;
    std::pair<platform::UniqueHIcon, platform::UniqueHIcon> icons_[9];
    TItemPaintSettings s_;
};

TEST_F(ItemDrawing, DemotedItemsShowBothTintsAndTheClassicPanelOnly) {
    TMenuItem& raised = File(true, -1);
    TMenuItem& demoted = File(false, -1);
    s_.Personalized = true;
    s_.AdditionalIcons[2].Disappeared = true;  // an empty column shows its tint
    const int a = 19;                           // a 16-pixel additional icon + 3
    for (bool themed : {false, true}) {
        SCOPED_TRACE(themed ? "themed" : "classic");
        UseTheme(themed);
        RECT r = Draw(demoted, false);
        int y = (r.top + r.bottom) / 2;
        EXPECT_EQ(canvas_.At(5, y), kAreaTint);
        EXPECT_EQ(canvas_.At(a, y), kAreaTint) << "L to L + A take the additional-icons tint";
        EXPECT_EQ(canvas_.At(a + 1, y), kDemotedTint);
        EXPECT_EQ(canvas_.At(kRight - 5, y), kDemotedTint);
        // Only item of its run: framed on all sides in the classic look, sunken (shadow top left).
        EXPECT_EQ(canvas_.At(0, y), themed ? kAreaTint : kShadow);
        EXPECT_EQ(canvas_.At(a + 5, r.top), themed ? kDemotedTint : kShadow);
        EXPECT_EQ(canvas_.At(kRight - 1, y), themed ? kDemotedTint : kBtnHighlight);
        EXPECT_EQ(canvas_.At(a + 5, r.bottom - 1), themed ? kDemotedTint : kBtnHighlight);

        r = Draw(raised, false);
        EXPECT_EQ(canvas_.At(5, y), kMenu);
        EXPECT_EQ(canvas_.At(0, y), kMenu) << "a raised item has no frame";
    }
    s_.Personalized = false;
    UseTheme(false);
    RECT r = Draw(demoted, false);
    EXPECT_EQ(canvas_.At(5, (r.top + r.bottom) / 2), kMenu) << "the static menu tints nothing";
    EXPECT_EQ(canvas_.At(0, (r.top + r.bottom) / 2), kMenu);
}

TEST_F(ItemDrawing, SelectionStartsRightOfTheIconFrameOrAtTheColumnWithoutAnIcon) {
    TMenuItem& withIcon = File(true, 0);
    TMenuItem& withoutIcon = File(true, -1);
    const int a = 19, w = 16;
    for (bool themed : {false, true}) {
        SCOPED_TRACE(themed ? "themed" : "classic");
        UseTheme(themed);
        RECT r = Draw(withIcon, true);
        int y = (r.top + r.bottom) / 2;
        COLORREF selection = canvas_.At(a + w + 6, y);
        EXPECT_NE(selection, kMenu);
        if (!themed) {
            EXPECT_EQ(selection, kHighlight);
        }
        EXPECT_EQ(canvas_.At(a + w + 5, y), kMenu) << "one pixel between the icon frame and the selection";
        EXPECT_EQ(canvas_.At(a + w + 7, r.top), kMenu) << "the selection leaves the row's top pixel";
        EXPECT_EQ(canvas_.At(kRight - 1, y), kMenu) << "and its right pixel";
        EXPECT_EQ(canvas_.At(a + 3, r.top + 3), kItemIcon) << "icon at L + A + 3, centred";
        EXPECT_EQ(canvas_.At(a + 3 + w - 1, r.top + 3 + 15), kItemIcon);
        EXPECT_NE(canvas_.At(a + 1, y), kMenu) << "the icon's own frame";

        r = Draw(withoutIcon, true);
        EXPECT_EQ(canvas_.At(a + 1, y), selection);
        EXPECT_EQ(canvas_.At(a, y), kMenu);
        EXPECT_TRUE(canvas_.Find(r, kItemIcon).empty());
    }
}

TEST_F(ItemDrawing, TheDoubleChevronIsTwentyMenuTextPixelsCentredInTheRow) {
    TMenuItem& expansion = folder_->Add(std::make_unique<TMenuItem>());
    for (bool themed : {false, true}) {
        for (bool selected : {false, true}) {
            SCOPED_TRACE(std::string(themed ? "themed" : "classic") + (selected ? " selected" : ""));
            UseTheme(themed);
            RECT r = Draw(expansion, selected);
            ASSERT_EQ(r.bottom - r.top, 22);
            const int x0 = (kRight - 5) / 2, y0 = r.top + (22 - 8) / 2;
            std::set<std::pair<int, int>> expected;
            for (core::TPoint p : core::DoubleChevronPixels({x0, y0})) expected.insert({p.X, p.Y});
            EXPECT_EQ(canvas_.Find(r, kMenuText), expected);
            EXPECT_EQ(canvas_.At(x0 + 2, y0 + 3), kMenuText);
            EXPECT_EQ(canvas_.At(x0 + 2, y0 + 7), kMenuText);
            EXPECT_EQ(canvas_.At(2, r.top + 5), kMenu) << "no additional icon";
            if (selected && !themed) {
                EXPECT_EQ(canvas_.At(3, y0), kBtnHighlight) << "raised frame 3 pixels in";
            }
        }
    }
}

TEST_F(ItemDrawing, DisabledCaptionsAreEmbossedOnlyInTheClassicUnselectedLook) {
    auto placeholder = std::make_unique<TMenuItem>();
    placeholder->Caption = L"(Empty)";
    placeholder->Enabled = false;
    TMenuItem& empty = folder_->Add(std::move(placeholder));
    UseTheme(false);
    RECT r = Draw(empty, false);
    RECT caption{19 + 16 + 8, r.top, kRight - 10 + 1, r.bottom + 1};
    auto shadow = canvas_.Find(caption, kShadow);
    auto light = canvas_.Find(caption, kBtnHighlight);
    ASSERT_FALSE(shadow.empty());
    ASSERT_FALSE(light.empty());
    // The light copy sits one pixel right and down: wherever it shows, the shadow copy's pixel is
    // up and left of it, unless the shadow covers that one too.
    for (auto [x, y] : light) EXPECT_TRUE(shadow.count({x - 1, y - 1})) << x << "," << y;
    for (auto [x, y] : shadow) {
        if (!shadow.count({x + 1, y + 1})) {
            EXPECT_EQ(canvas_.At(x + 1, y + 1), kBtnHighlight) << x << "," << y;
        }
    }

    s_.FlatMenu = true;
    Draw(empty, false);
    EXPECT_TRUE(canvas_.Find(caption, kBtnHighlight).empty()) << "flat menus";
    EXPECT_EQ(canvas_.Find(caption, kShadow), shadow);
    s_.FlatMenu = false;
    Draw(empty, true);
    EXPECT_TRUE(canvas_.Find(caption, kBtnHighlight).empty()) << "selected";
}

TEST_F(ItemDrawing, TheDefaultItemIsBold) {
    UseTheme(false);
    TMenuItem& about = *form_.AboutMenuItem;
    core::TSize regular = Measure(about);
    about.Default = true;
    core::TSize bold = Measure(about);
    EXPECT_GT(bold.Width, regular.Width);
    RECT r = Draw(about, false);
    auto boldPixels = canvas_.Find(r, kMenuText).size();
    about.Default = false;
    Draw(about, false);
    EXPECT_GT(boldPixels, canvas_.Find(r, kMenuText).size());
}

TEST_F(ItemDrawing, WithoutShellIconsNothingIsDrawnAndTheWidthStays) {
    // Generic icons leave every item at image index -1.
    TMenuItem& shellIcon = File(true, 0);
    TMenuItem& generic = File(true, -1);
    EXPECT_EQ(Measure(generic), Measure(shellIcon));
    for (bool themed : {false, true}) {
        UseTheme(themed);
        RECT r = Draw(generic, false);
        EXPECT_TRUE(canvas_.Find(r, kItemIcon).empty());
        r = Draw(shellIcon, false);
        EXPECT_EQ(canvas_.Find(r, kItemIcon).size(), 16u * 16u);
    }
}

TEST_F(ItemDrawing, AnIconFileThatYieldsNothingDrawsNothingAndKeepsThreePixels) {
    KeptIcon nothing;
    nothing.SetData(TestDir() + L"no such file.ico", 0);
    ASSERT_FALSE(nothing.FLargeIcon);
    ASSERT_FALSE(nothing.Small);
    TMenuItem& file = File(true, -1);
    s_.NoExtraIcons = true;
    core::TSize without = Measure(file);
    s_.NoExtraIcons = false;
    s_.AdditionalIcons[2] = {nullptr, nullptr, false};
    core::TSize empty = Measure(file);
    EXPECT_EQ(empty.Width, without.Width + 3);
    EXPECT_EQ(empty.Height, 22);
    UseTheme(false);
    s_.Personalized = true;  // the tint shows where the column ends
    file.Data->Raised = false;
    RECT r = Draw(file, false);
    int y = (r.top + r.bottom) / 2;
    for (int x = 1; x <= 3; ++x) EXPECT_EQ(canvas_.At(x, y), kAreaTint) << x;
    EXPECT_EQ(canvas_.At(4, y), kDemotedTint);
}

TEST_F(ItemDrawing, OnAFirstRunTheCommonIconsAreHiddenAndTheOtherSevenShown) {
    // The nine icons as a first run makes them: the program's own icon groups, the defaults'
    // hidden states.
    KeptIcon kept[9];
    for (int i = 0; i < 9; ++i) {
        kept[i].SetData(TestDir() + L"veskara.exe", core::kAdditionalIcons[i].DefaultIndex);
        s_.AdditionalIcons[i] = {kept[i].FLargeIcon.get(), kept[i].Small.get(), core::kAdditionalIcons[i].DefaultDisappeared};
    }
    // A top-level item of each kind, with the large list.
    TMenuItem* items[9];
    for (int i = 0; i < 4; ++i) {
        items[i] = &root_.Insert(0, std::make_unique<TMenuItem>());
        items[i]->Data = Record(i % 2 == 1, i >= 2, true);
        items[i]->Caption = L"Item";
    }
    items[4] = form_.SettingsMenuItem;
    items[5] = form_.DonateMenuItem;
    items[6] = form_.AboutMenuItem;
    items[7] = form_.RunMenuItem;
    items[8] = form_.ExitMenuItem;
    UseTheme(false);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Measure(*items[i]).Height, 38) << "a 32-pixel picture + 6";
        RECT r = Draw(*items[i], false);
        RECT column{3, r.top + 3, 35, r.top + 35};
        size_t blank = canvas_.Find(column, kMenu).size();
        if (i < 2) {
            EXPECT_EQ(blank, 32u * 32u) << "hidden";
        } else {
            EXPECT_LT(blank, 32u * 32u - 100) << "shown";
        }
    }
}

}  // namespace
