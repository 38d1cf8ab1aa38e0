// The dialog templates and the menu as they are linked into the program,
// read back from the resources and compared with what the dialogs must be.
#include "res/resource.h"
#include "tests/support/ZetoProcess.h"
#include "tests/ui/UiTestSupport.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

struct Control {
    int id;
    std::string cls;    // "Button", "Edit", "Static", "ListBox" or a class name
    short x, y, cx, cy;
    DWORD styleOn;      // bits that must be set
    DWORD styleOff;     // bits that must not be set
    std::string text;   // "#n" for a resource ordinal (an icon)
};

struct Template {
    DWORD style = 0, exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::string menu, caption, face;
    WORD pointSize = 0;
    BYTE charset = 0;
    std::vector<Control> controls;
};

// Reads a WORD-aligned sz_Or_Ord field.
std::string ReadSzOrOrd(const WORD*& p)
{
    if (*p == 0) {
        ++p;
        return "";
    }
    if (*p == 0xFFFF) {
        WORD ordinal = p[1];
        p += 2;
        return "#" + std::to_string(ordinal);
    }
    std::string text;
    while (*p)
        text += (char)(*p < 0x80 ? *p : '?'), ++p;
    ++p;
    return text;
}

std::string ClassOf(const std::string& raw)
{
    if (raw == "#128") return "Button";
    if (raw == "#129") return "Edit";
    if (raw == "#130") return "Static";
    if (raw == "#131") return "ListBox";
    return raw;
}

Template Load(int id)
{
    Template t;
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG);
    if (!found)
        return t;
    const BYTE* base = (const BYTE*)::LockResource(::LoadResource(nullptr, found));
    const WORD* w = (const WORD*)base;
    EXPECT_EQ(w[1], 0xFFFF) << id << ": an extended template";
    const DWORD* d = (const DWORD*)(base + 4);
    t.exStyle = d[1];
    t.style = d[2];
    const WORD* p = (const WORD*)(base + 16);
    WORD count = *p++;
    t.x = (short)*p++; t.y = (short)*p++; t.cx = (short)*p++; t.cy = (short)*p++;
    t.menu = ReadSzOrOrd(p);
    ReadSzOrOrd(p);   // class
    t.caption = ReadSzOrOrd(p);
    if (t.style & DS_SETFONT) {
        t.pointSize = *p++;
        ++p;                                   // weight
        t.charset = ((const BYTE*)p)[1];       // after italic
        ++p;
        t.face = ReadSzOrOrd(p);
    }
    for (WORD i = 0; i < count; ++i) {
        p = (const WORD*)(((ULONG_PTR)p + 3) & ~(ULONG_PTR)3);
        const DWORD* item = (const DWORD*)p;
        Control c{};
        c.styleOn = item[2];
        p = (const WORD*)(item + 3);
        c.x = (short)*p++; c.y = (short)*p++; c.cx = (short)*p++; c.cy = (short)*p++;
        c.id = (int)*(const DWORD*)p;
        p += 2;
        c.cls = ClassOf(ReadSzOrOrd(p));
        c.text = ReadSzOrOrd(p);
        WORD extra = *p++;
        p = (const WORD*)((const BYTE*)p + extra);
        t.controls.push_back(c);
    }
    return t;
}

void ExpectControls(int id, const Template& t, const std::vector<Control>& expected)
{
    ASSERT_EQ(t.controls.size(), expected.size()) << "dialog " << id;
    for (size_t i = 0; i < expected.size(); ++i) {
        const Control& e = expected[i];
        const Control& c = t.controls[i];
        std::string where = "dialog " + std::to_string(id) + " control #" + std::to_string(i) + " (" + e.text + ")";
        EXPECT_EQ((short)c.id, (short)e.id) << where;
        EXPECT_EQ(lstrcmpiA(c.cls.c_str(), e.cls.c_str()), 0) << where << ": " << c.cls;
        EXPECT_EQ(c.x, e.x) << where;
        EXPECT_EQ(c.y, e.y) << where;
        EXPECT_EQ(c.cx, e.cx) << where;
        EXPECT_EQ(c.cy, e.cy) << where;
        EXPECT_EQ(c.text, e.text) << where;
        EXPECT_EQ(c.styleOn & e.styleOn, e.styleOn) << where;
        EXPECT_EQ(c.styleOn & e.styleOff, 0u) << where;
    }
}

void ExpectFrame(int id, const Template& t, const char* caption, short cx, short cy, WORD points)
{
    EXPECT_EQ(t.caption, caption) << id;
    EXPECT_EQ(t.x, 0) << id;
    EXPECT_EQ(t.y, 0) << id;
    EXPECT_EQ(t.cx, cx) << id;
    EXPECT_EQ(t.cy, cy) << id;
    EXPECT_EQ(t.face, "Arial") << id;
    EXPECT_EQ(t.pointSize, points) << id;
    EXPECT_EQ(t.charset, DEFAULT_CHARSET) << id << ": Cyrillic texts show in the system's code page";
    DWORD frame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    EXPECT_EQ(t.style & frame, frame) << id;
}

const DWORD C = WS_CHILD, V = WS_VISIBLE, B = WS_BORDER, T = WS_TABSTOP, G = WS_GROUP;

TEST(ResourceTest, MainDialog102)
{
    Template t = Load(IDD_MAIN);
    ExpectFrame(IDD_MAIN, t, "Wordlumo", 155, 105, 10);
    DWORD style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME | DS_3DLOOK |
                  DS_SETFONT | DS_SYSMODAL;
    EXPECT_EQ(t.style, style);
    EXPECT_EQ(t.exStyle, (DWORD)WS_EX_APPWINDOW);
    EXPECT_EQ(t.menu, "#129");
    ExpectControls(IDD_MAIN, t, {
        {1013, "Edit", 5, 25, 145, 14, C | V | B | T | ES_AUTOHSCROLL, ES_MULTILINE | ES_READONLY, ""},
        {1001, "Edit", 5, 44, 145, 56, C | V | B | T | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY, WS_VSCROLL, ""},
        {1002, "Edit", 5, 5, 145, 14, C | V | B | T | ES_READONLY, ES_MULTILINE, ""},
        {1039, "ListBox", 5, 40, 45, 58, C | B | T | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, V, ""},
        {1040, "Edit", 52, 40, 98, 58, C | B | T | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, V | ES_READONLY, ""},
    });
}

TEST(ResourceTest, AboutBox130)
{
    Template t = Load(IDD_ABOUT);
    ExpectFrame(IDD_ABOUT, t, "About", 145, 71, 10);
    EXPECT_EQ(t.style & (WS_VISIBLE | DS_SYSMODAL), 0u);
    ExpectControls(IDD_ABOUT, t, {
        {-1, "Static", 0, 15, 145, 8, C | V | SS_CENTER, 0, "Wordlumo"},
        {-1, "Static", 60, 28, 20, 20, C | V | SS_ICON, 0, "#131"},
        {1000, "Button", 51, 50, 35, 14, C | V | T, BS_DEFPUSHBUTTON, "OK"},
    });
}

TEST(ResourceTest, TargetDialogs132To139)
{
    Template t = Load(IDD_WINDOW_TITLE);
    ExpectFrame(IDD_WINDOW_TITLE, t, "Aplication Title", 195, 114, 10);
    ExpectControls(IDD_WINDOW_TITLE, t, {
        {1001, "Edit", 15, 20, 163, 14, C | V | ES_AUTOHSCROLL | G, 0, ""},
        {1000, "Button", 10, 83, 170, 19, C | V, 0, "&OK"},
        {-1, "Button", 10, 40, 170, 40, C | V | BS_GROUPBOX, 0, "Drag And Drop"},
        {1030, "Static", 15, 51, 24, 21, C | V | SS_ICON, 0, "#140"},
        {-1, "Static", 42, 49, 137, 28, C | V, 0,
         "Drag-n-drop the wand on the title bar of any application. Icon at the top-left corner or the application"},
        {-1, "Button", 10, 10, 170, 27, C | V | BS_GROUPBOX, 0, "Enter Title Of Window"},
    });

    t = Load(IDD_CAPTURE_MODE);
    ExpectFrame(IDD_CAPTURE_MODE, t, "Choose [ Mouse Or Keyboard ]", 143, 106, 10);
    ExpectControls(IDD_CAPTURE_MODE, t, {
        {-1, "Button", 5, 5, 135, 76, C | V | BS_GROUPBOX, 0, ""},
        {IDOK, "Button", 5, 85, 135, 14, C | V, 0, "OK"},
        {1005, "Button", 25, 20, 104, 10, C | V | BS_AUTORADIOBUTTON | G, 0, "Mouse         ->> Select"},
        {1006, "Button", 25, 35, 100, 10, C | V | BS_AUTORADIOBUTTON, G, "Keyboard     ->> Ctrl + C"},
        {1026, "Button", 25, 50, 111, 10, C | V | BS_AUTORADIOBUTTON, G, "Right Button ->> RB + Copy"},
        {1038, "Button", 25, 65, 108, 10, C | V | BS_AUTORADIOBUTTON, G, "With All        ->>  1 + 2 + 3"},
        {-1, "Static", 10, 20, 8, 8, C | V, 0, "1."},
        {-1, "Static", 10, 35, 8, 8, C | V, 0, "2."},
        {-1, "Static", 10, 50, 8, 8, C | V, 0, "3."},
        {-1, "Static", 10, 65, 8, 8, C | V, 0, "4."},
    });

    t = Load(IDD_DOC_FORMAT);
    ExpectFrame(IDD_DOC_FORMAT, t, "Choose Format Of Document  ", 135, 75, 10);
    ExpectControls(IDD_DOC_FORMAT, t, {
        {IDOK, "Button", 75, 10, 50, 14, C | V | BS_DEFPUSHBUTTON, 0, "OK"},
        {IDCANCEL, "Button", 75, 30, 50, 14, C | V, BS_DEFPUSHBUTTON, "Cancel"},
        {-1, "Button", 5, 7, 60, 60, C | V | BS_GROUPBOX, 0, ""},
        {1018, "Button", 15, 15, 34, 11, C | V | BS_AUTORADIOBUTTON | G, 0, "Other"},
        {1019, "Button", 15, 25, 32, 10, C | V | BS_AUTORADIOBUTTON, G, "DOC"},
        {1020, "Button", 15, 35, 35, 10, C | V | BS_AUTORADIOBUTTON, G, "HTML"},
        {1022, "Button", 15, 45, 35, 10, C | V | BS_AUTORADIOBUTTON, G, "HELP"},
        {1024, "Button", 15, 55, 31, 10, C | V | BS_AUTORADIOBUTTON, G, "PDF"},
    });

    t = Load(IDD_ACROBAT_VERSION);
    ExpectFrame(IDD_ACROBAT_VERSION, t, "Acrobat Reader", 122, 86, 10);
    ExpectControls(IDD_ACROBAT_VERSION, t, {
        {-1, "Button", 5, 5, 105, 45, C | V | BS_GROUPBOX, 0, "*.PDF"},
        {1024, "Button", 10, 19, 85, 10, C | V | BS_AUTORADIOBUTTON | G, 0, "Acrobat Reader 5.0"},
        {1028, "Button", 10, 35, 78, 10, C | V | BS_AUTORADIOBUTTON, G, "Acrobat Reader 4.0"},
        {1000, "Button", 5, 60, 105, 14, C | V, 0, "OK"},
    });
}

TEST(ResourceTest, OptionsDialog134)
{
    Template t = Load(IDD_OPTIONS);
    ExpectFrame(IDD_OPTIONS, t, "Options...", 280, 172, 8);
    EXPECT_EQ(t.style, 0x80C800C0u);
    ExpectControls(IDD_OPTIONS, t, {
        {IDOK, "Button", 7, 151, 50, 14, C | V | T | BS_DEFPUSHBUTTON, 0, "OK"},
        {IDCANCEL, "Button", 82, 151, 50, 14, C | V | T, 0, "Cancel"},
        {-1, "Button", 10, 10, 50, 40, C | V | BS_GROUPBOX, 0, "TimeOut"},
        {1007, "Edit", 15, 25, 20, 15, C | V | B | T | ES_NUMBER | ES_AUTOHSCROLL, 0, ""},
        {-1, "Static", 40, 30, 18, 8, C | V | SS_CENTER, 0, "Sec. "},
        {-1, "Button", 65, 10, 58, 40, C | V | BS_GROUPBOX, 0, "Font"},
        {1000, "Button", 70, 25, 50, 15, C | V | T, 0, "Font"},
        {-1, "Button", 10, 55, 114, 52, C | V | BS_GROUPBOX, 0, "Transparent Window"},
        {1031, "Button", 15, 63, 30, 10, C | V | BS_AUTORADIOBUTTON | G, T, "This"},
        {1032, "Button", 46, 63, 34, 10, C | V | BS_AUTORADIOBUTTON, T | G, "Other"},
        {1033, "msctls_trackbar32", 15, 75, 107, 15, C | V | T | TBS_BOTH | TBS_NOTICKS, TBS_VERT, ""},
        {-1, "Static", 15, 90, 8, 8, C | V, 0, "0"},
        {-1, "Static", 105, 90, 13, 8, C | V, 0, "255"},
        {1034, "Static", 63, 90, 13, 8, C | V, 0, "127"},
        {1036, "Button", 86, 64, 29, 10, C | V | T | BS_AUTOCHECKBOX, 0, "Edit"},
        {-1, "Button", 10, 105, 115, 42, C | V | BS_GROUPBOX, 0, ""},
        {1037, "Button", 15, 115, 100, 10, C | V | T | BS_AUTOCHECKBOX, 0, "Minimize in systray"},
        {1023, "Button", 15, 125, 100, 10, C | V | T | BS_AUTOCHECKBOX, 0, "Always on top"},
        {1035, "Button", 15, 135, 76, 10, C | V | T | BS_AUTOCHECKBOX, 0, "Keyboard Input"},
        {-1, "Button", 140, 10, 130, 52, C | V | BS_GROUPBOX, 0, "Hotkeys"},
        {-1, "Static", 145, 24, 28, 8, C | V, 0, "Pause"},
        {IDC_PAUSE_HOTKEY, "msctls_hotkey32", 175, 21, 90, 14, C | V | B | T, 0, ""},
        {-1, "Static", 145, 41, 28, 8, C | V, 0, "Speak"},
        {IDC_SPEAK_HOTKEY, "msctls_hotkey32", 175, 38, 90, 14, C | V | B | T, 0, ""},
        {-1, "Button", 140, 67, 130, 80, C | V | BS_GROUPBOX, 0, "Never capture in these programs"},
        {IDC_IGNORED_PROGRAMS, "Edit", 145, 79, 120, 63, C | V | B | T | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL, 0, ""},
    });
}

TEST(ResourceTest, NewWordDialog135)
{
    Template t = Load(IDD_NEW_WORD);
    ExpectFrame(IDD_NEW_WORD, t, "New word", 139, 110, 10);
    ExpectControls(IDD_NEW_WORD, t, {
        {-1, "Static", 5, 0, 37, 8, C | V, 0, "New word"},
        {1008, "Edit", 5, 10, 130, 14, C | V | B | T | ES_AUTOHSCROLL, ES_MULTILINE, ""},
        {-1, "Static", 5, 25, 40, 8, C | V, 0, "Translation"},
        {1009, "Edit", 5, 35, 130, 55, C | V | B | T | ES_MULTILINE | ES_AUTOVSCROLL, 0, ""},
        {1012, "Button", 5, 95, 60, 14, C | V | T, BS_DEFPUSHBUTTON, "&OK"},
        {IDCANCEL, "Button", 75, 95, 60, 14, C | V | T, BS_DEFPUSHBUTTON, "Cancel"},
    });
}

TEST(ResourceTest, Menu129)
{
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    ASSERT_NE(menu, nullptr);
    auto text = [](HMENU m, UINT pos) {
        char buffer[64] = "";
        ::GetMenuStringA(m, pos, buffer, sizeof buffer, MF_BYPOSITION);
        return std::string(buffer);
    };
    ASSERT_EQ(::GetMenuItemCount(menu), 3);
    EXPECT_EQ(text(menu, 0), "&File");
    EXPECT_EQ(text(menu, 1), "&Tools");
    EXPECT_EQ(text(menu, 2), "&Help");
    struct Item { int popup, pos; UINT id; const char* text; };
    for (Item i : {Item{0, 0, 32774, "&Set Window Title"}, Item{0, 1, 32773, "&Tool Tip On"},
                   Item{0, 2, 32777, "&Automatic Attach"}, Item{0, 3, 32786, "&Export Words..."},
                   Item{0, 4, 32778, "E&xit"},
                   Item{1, 0, 32775, "Options..."}, Item{1, 1, 32776, "Add New Word"},
                   Item{2, 0, 32772, "About"}}) {
        HMENU popup = ::GetSubMenu(menu, i.popup);
        EXPECT_EQ(::GetMenuItemID(popup, i.pos), i.id) << i.text;
        EXPECT_EQ(text(popup, i.pos), i.text);
        EXPECT_EQ(::GetMenuState(popup, i.pos, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << i.text;
    }
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(menu, 0)), 5);
    // After a separator, the switches of the Tools menu: Find Base Forms and
    // Copy With Ctrl+C When Needed start checked, Start with Windows and Pause unchecked.
    HMENU tools = ::GetSubMenu(menu, 1);
    EXPECT_EQ(::GetMenuState(tools, 2, MF_BYPOSITION) & MF_SEPARATOR, (UINT)MF_SEPARATOR);
    const struct { UINT id; const char* text; UINT checked; } switches[] = {
        {ID_FIND_BASE_FORMS, "Find Base Forms", MF_CHECKED},
        {ID_COPY_WITH_CTRL_C, "Copy With Ctrl+C When Needed", MF_CHECKED},
        {ID_START_WITH_WINDOWS, "Start with Windows", 0},
        {ID_PAUSE, "Pause\tCtrl+Alt+Z", 0},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(::GetMenuItemID(tools, 3 + i), switches[i].id);
        EXPECT_EQ(text(tools, 3 + i), switches[i].text);
        EXPECT_EQ(::GetMenuState(tools, 3 + i, MF_BYPOSITION) & MF_CHECKED, switches[i].checked);
    }
    // After another separator, the history's: its window, and Keep History,
    // which starts checked.
    EXPECT_EQ(::GetMenuState(tools, 7, MF_BYPOSITION) & MF_SEPARATOR, (UINT)MF_SEPARATOR);
    const struct { UINT id; const char* text; UINT checked; } history[] = {
        {ID_HISTORY, "History...", 0},
        {ID_KEEP_HISTORY, "Keep History", MF_CHECKED},
        {ID_CLEAR_HISTORY, "Clear History", 0},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(::GetMenuItemID(tools, 8 + i), history[i].id);
        EXPECT_EQ(text(tools, 8 + i), history[i].text);
        EXPECT_EQ(::GetMenuState(tools, 8 + i, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED), history[i].checked);
    }
    // After a third, how a word is said: Show Pronunciation starts checked;
    // Speak has no hotkey until one is chosen in Options.
    EXPECT_EQ(::GetMenuState(tools, 11, MF_BYPOSITION) & MF_SEPARATOR, (UINT)MF_SEPARATOR);
    EXPECT_EQ(::GetMenuItemID(tools, 12), (UINT)ID_SHOW_PRONUNCIATION);
    EXPECT_EQ(text(tools, 12), "Show Pronunciation");
    EXPECT_EQ(::GetMenuState(tools, 12, MF_BYPOSITION) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_EQ(::GetMenuItemID(tools, 13), (UINT)ID_SPEAK);
    EXPECT_EQ(text(tools, 13), "Speak");
    EXPECT_EQ(::GetMenuItemCount(tools), 14);
    EXPECT_EQ(::GetMenuItemCount(::GetSubMenu(menu, 2)), 1);
    ::DestroyMenu(menu);
}

// The widths an icon or cursor group offers, from its resource directory.
constexpr int GROUP_CURSOR = 12, GROUP_ICON = 14;   // RT_GROUP_CURSOR, RT_GROUP_ICON
std::set<int> GroupWidths(int group, int id)
{
    HMODULE self = ::GetModuleHandleA(nullptr);
    HRSRC found = ::FindResourceA(self, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(group));
    if (!found)
        return {};
    const BYTE* dir = (const BYTE*)::LockResource(::LoadResource(self, found));
    std::set<int> widths;
    const int count = *(const WORD*)(dir + 4);
    for (int i = 0; i < count; ++i) {
        const BYTE* entry = dir + 6 + 14 * i;   // an icon's width is a byte, a cursor's a word
        widths.insert(group == GROUP_CURSOR ? *(const WORD*)entry : (entry[0] ? entry[0] : 256));
    }
    return widths;
}

// Sharp at 100% to 200% scaling: a drawn image for each size Windows asks for.
TEST(ResourceTest, IconsAndTheWandHaveTheirSizesUpTo200Percent)
{
    EXPECT_EQ(GroupWidths(GROUP_ICON, IDI_WORDLUMO), (std::set<int>{16, 20, 24, 32, 40, 48, 64}));
    EXPECT_EQ(GroupWidths(GROUP_ICON, IDI_WAND), (std::set<int>{32, 48, 64}));
    EXPECT_EQ(GroupWidths(GROUP_CURSOR, IDC_WAND_CURSOR), (std::set<int>{32, 48, 64}));
}

// Zeto.exe's own manifest, as Windows reads it from the built program.
TEST(ResourceTest, ZetoExeAsksForVisualStylesAndPerMonitorDpi)
{
    HMODULE zeto = ::LoadLibraryExA(support::BuiltZeto().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(zeto, nullptr);
    HRSRC found = ::FindResourceA(zeto, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));   // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest((const char*)::LockResource(::LoadResource(zeto, found)), ::SizeofResource(zeto, found));
    ::FreeLibrary(zeto);
    EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"), std::string::npos);
    EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos) << "Windows 10 and 11";
    EXPECT_NE(manifest.find("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}"), std::string::npos) << "Windows 7";
    EXPECT_NE(manifest.find(">PerMonitorV2, System</dpiAwareness>"), std::string::npos)
        << "system-aware where per-monitor v2 is not known";
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << "system-aware before Windows 10 1607";
}

} // namespace
