// The Options command on the real main dialog: the timeout and its range,
// the keyboard-input switch, leaving "Always on top" for the tray, the
// transparency toggled by releases of the track bar, and the tooltip font.
#include "tests/support/XInput.h"
#include "tests/typing/HostTools.h"
#include "tests/typing/MainDialogFixture.h"
#include "ui/OptionsDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace typing;

namespace {

const char OPTIONS[] = "Options...";
const char RANGE[] = "Please enter an integer between 1 and 10.";

class OptionsTest : public MainDialogTest {
protected:
    void SetUp() override
    {
        MainDialogTest::SetUp();
        OpenMainDialog();
    }
    void RunCommand() { ::SendMessageA(m_dlg->m_hWnd, WM_COMMAND, ID_OPTIONS, 0); }
    bool Layered() const { return (::GetWindowLongA(m_dlg->m_hWnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }
    std::string FontFace(HFONT font) const
    {
        LOGFONTA lf{};
        ::GetObjectA(font, sizeof lf, &lf);
        return lf.lfFaceName;
    }
};

TEST_F(OptionsTest, TheTimeoutOpensInSecondsRefusesZeroAndElevenAndTakesTen)
{
    ASSERT_EQ(m_dlg->m_nTimeoutMs, 3000);
    std::string shown;
    HWND timeoutEdit = nullptr;
    HWND focusAfterBox = nullptr;
    DWORD selStart = 1, selEnd = 0;
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        timeoutEdit = ::GetDlgItem(dlg, IDC_TIMEOUT);
        shown = support::TextOf(timeoutEdit);
        SetText(dlg, IDC_TIMEOUT, "0");
        PostClick(dlg, IDOK);
    });
    script.AnswerBox();
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        focusAfterBox = ::GetFocus();
        ::SendDlgItemMessageA(dlg, IDC_TIMEOUT, EM_GETSEL, (WPARAM)&selStart, (LPARAM)&selEnd);
        SetText(dlg, IDC_TIMEOUT, "11");
        PostClick(dlg, IDOK);
    });
    script.AnswerBox();
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        EXPECT_EQ(m_dlg->m_nTimeoutMs, 3000) << "refused values change nothing";
        SetText(dlg, IDC_TIMEOUT, "10");
        PostClick(dlg, IDOK);
    });
    RunCommand();
    ASSERT_TRUE(script.Done()) << script.StepsDone();
    EXPECT_EQ(shown, "3");
    EXPECT_EQ(script.boxTexts, std::vector<std::string>({RANGE, RANGE}));
    EXPECT_EQ(focusAfterBox, timeoutEdit);
    EXPECT_EQ(selStart, 0u);
    EXPECT_EQ(selEnd, 1u);
    EXPECT_EQ(m_dlg->m_nTimeoutMs, 10000);
    EXPECT_TRUE(::IsWindowVisible(m_dlg->m_hWnd));
    EXPECT_TRUE(::GetWindowLongA(m_dlg->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(OptionsTest, AnEmptyTimeoutIsNotAnIntegerAndEditCheckTellsAtOnce)
{
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        SetText(dlg, IDC_TIMEOUT, "");
        PostClick(dlg, IDC_EDIT_CHECK);
    });
    script.AnswerBox();
    script.Then(Caption(OPTIONS), [&](HWND dlg) { PostClick(dlg, IDCANCEL); });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(script.boxTexts, std::vector<std::string>({"Please enter an integer."}));
    EXPECT_EQ(m_dlg->m_nTimeoutMs, 3000);
}

TEST_F(OptionsTest, KeyboardInputOffHidesTheListAndShowsTheTranslationBox)
{
    m_dlg->m_bKeyboardInput = 1;
    Type("apple");
    ASSERT_TRUE(::IsWindowVisible(Item(IDC_SUGGESTIONS)));
    ASSERT_FALSE(::IsWindowVisible(Item(IDC_TRANSLATION)));
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_KEYBOARD_INPUT), BST_CHECKED);
        SetCheck(dlg, IDC_KEYBOARD_INPUT, false);
        PostClick(dlg, IDOK);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(m_dlg->m_bKeyboardInput, 0);
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_SUGGESTIONS)));
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_LIST_TRANSLATION)));
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_TRANSLATION)));
}

TEST_F(OptionsTest, KeyboardInputOnShowsNothingUntilTheNextChange)
{
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        SetCheck(dlg, IDC_KEYBOARD_INPUT, true);
        PostClick(dlg, IDOK);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(m_dlg->m_bKeyboardInput, 1);
    EXPECT_FALSE(::IsWindowVisible(Item(IDC_SUGGESTIONS)));
    Type("apple");
    EXPECT_TRUE(::IsWindowVisible(Item(IDC_SUGGESTIONS)));
}

TEST_F(OptionsTest, OkWithoutAlwaysOnTopSendsTheWindowToTheTrayEvenWithTheTrayOptionOff)
{
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_ALWAYS_ON_TOP), BST_CHECKED);
        SetCheck(dlg, IDC_ALWAYS_ON_TOP, false);
        SetCheck(dlg, IDC_MINIMIZE_TO_TRAY, false);
        PostClick(dlg, IDOK);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(m_dlg->m_bAlwaysOnTop, 0);
    EXPECT_EQ(m_dlg->m_bMinimizeToTray, 1);
    EXPECT_FALSE(::IsWindowVisible(m_dlg->m_hWnd)) << "hidden behind the tray icon";
    EXPECT_FALSE(::GetWindowLongA(m_dlg->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // The icon brings it back, still not top-most.
    ::SendMessageA(m_dlg->m_hWnd, WM_TRAYNOTIFY, 0, WM_LBUTTONUP);
    EXPECT_TRUE(::IsWindowVisible(m_dlg->m_hWnd));
    EXPECT_FALSE(::GetWindowLongA(m_dlg->m_hWnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(OptionsTest, CancelChangesNoSetting)
{
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        SetText(dlg, IDC_TIMEOUT, "7");
        SetCheck(dlg, IDC_ALWAYS_ON_TOP, false);
        SetCheck(dlg, IDC_KEYBOARD_INPUT, true);
        PostClick(dlg, IDCANCEL);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(m_dlg->m_nTimeoutMs, 3000);
    EXPECT_EQ(m_dlg->m_bAlwaysOnTop, 1);
    EXPECT_EQ(m_dlg->m_bKeyboardInput, 0);
    EXPECT_TRUE(::IsWindowVisible(m_dlg->m_hWnd));
}

// Real mouse releases on the track bar: the first makes the main dialog
// layered with the bar's alpha, the second opaque again.
TEST_F(OptionsTest, TwoReleasesOfTheTrackBarOnThisMakeTheMainDialogLayeredThenOpaque)
{
    ASSERT_TRUE(host::Available());
    ASSERT_FALSE(Layered());
    POINT thumb{};
    std::string valueAfterFirst;
    int positionAfterFirst = -1;
    BYTE alpha = 0;
    DWORD flags = 0;
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        HWND bar = ::GetDlgItem(dlg, IDC_ALPHA_SLIDER);
        EXPECT_EQ(::SendMessageA(bar, TBM_GETPOS, 0, 0), 127);
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_TRANSPARENT_THIS), BST_CHECKED);
        RECT rect;
        ::SendMessageA(bar, TBM_GETTHUMBRECT, 0, (LPARAM)&rect);
        thumb = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
        ::ClientToScreen(bar, &thumb);
        xinput::Click(thumb.x, thumb.y);
    });
    script.Then(
        Caption(OPTIONS),
        [&](HWND dlg) {
            positionAfterFirst = (int)::SendDlgItemMessageA(dlg, IDC_ALPHA_SLIDER, TBM_GETPOS, 0, 0);
            valueAfterFirst = support::TextOf(::GetDlgItem(dlg, IDC_ALPHA_VALUE));
            COLORREF key = 0;
            ::GetLayeredWindowAttributes(m_dlg->m_hWnd, &key, &alpha, &flags);
            xinput::Click(thumb.x, thumb.y);
        },
        [&] { return Layered(); });
    script.Then(
        Caption(OPTIONS), [&](HWND dlg) { PostClick(dlg, IDCANCEL); }, [&] { return !Layered(); });
    RunCommand();
    ASSERT_TRUE(script.Done()) << "steps done: " << script.StepsDone();
    EXPECT_EQ(positionAfterFirst, 127) << "a click on the thumb does not move it";
    EXPECT_EQ(valueAfterFirst, "127");
    EXPECT_EQ(alpha, 127);
    EXPECT_EQ(flags, (DWORD)LWA_ALPHA);
    EXPECT_FALSE(Layered()) << "Cancel leaves the transparency as the releases made it";
}

TEST_F(OptionsTest, ReleasesForOtherWithoutATargetOnlyShowTheValue)
{
    std::string value;
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        HWND bar = ::GetDlgItem(dlg, IDC_ALPHA_SLIDER);
        ::SendDlgItemMessageA(dlg, IDC_TRANSPARENT_OTHER, BM_CLICK, 0, 0);
        ::SendMessageA(bar, TBM_SETPOS, TRUE, 40);
        NMHDR nm{bar, (UINT_PTR)IDC_ALPHA_SLIDER, (UINT)NM_RELEASEDCAPTURE};
        ::SendMessageA(dlg, WM_NOTIFY, IDC_ALPHA_SLIDER, (LPARAM)&nm);
    });
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        value = support::TextOf(::GetDlgItem(dlg, IDC_ALPHA_VALUE));
        PostClick(dlg, IDCANCEL);
    });
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(value, "40");
    EXPECT_FALSE(Layered());
}

// Sends the track bar's release notification, as the bar does when it lets
// go of the mouse, at position.
void ReleaseAt(HWND dlg, int position)
{
    HWND bar = ::GetDlgItem(dlg, IDC_ALPHA_SLIDER);
    ::SendMessageA(bar, TBM_SETPOS, TRUE, position);
    NMHDR nm{bar, (UINT_PTR)IDC_ALPHA_SLIDER, (UINT)NM_RELEASEDCAPTURE};
    ::SendMessageA(dlg, WM_NOTIFY, IDC_ALPHA_SLIDER, (LPARAM)&nm);
}

TEST_F(OptionsTest, ReleasesForOtherAlternateOnTheTargetWindowAndCarryOverToTheNextOpening)
{
    HWND target = ::CreateWindowExA(0, "STATIC", "target", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_TRUE(target);
    m_dlg->m_pTarget->m_hwndTop = target;
    auto layered = [](HWND hwnd) { return (::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };
    auto alphaOf = [](HWND hwnd) {
        BYTE alpha = 255;
        DWORD flags = 0;
        ::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags);
        return (int)alpha;
    };
    std::vector<bool> states;
    int alphaAtZero = -1;
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        ::SendDlgItemMessageA(dlg, IDC_TRANSPARENT_OTHER, BM_CLICK, 0, 0);
        ReleaseAt(dlg, 0);
        states.push_back(layered(target));
        alphaAtZero = alphaOf(target);
        ReleaseAt(dlg, 200);
        states.push_back(layered(target));
        ReleaseAt(dlg, 90);
        states.push_back(layered(target));
        PostClick(dlg, IDOK);
    });
    // The next opening starts at "This" and 127; "Other" still alternates
    // from where the window's own style stands.
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        EXPECT_EQ(::IsDlgButtonChecked(dlg, IDC_TRANSPARENT_THIS), BST_CHECKED);
        EXPECT_EQ(::SendDlgItemMessageA(dlg, IDC_ALPHA_SLIDER, TBM_GETPOS, 0, 0), 127);
        ::SendDlgItemMessageA(dlg, IDC_TRANSPARENT_OTHER, BM_CLICK, 0, 0);
        ReleaseAt(dlg, 50);
        states.push_back(layered(target));
        PostClick(dlg, IDCANCEL);
    });
    RunCommand();
    RunCommand();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(states, std::vector<bool>({true, false, true, false}));
    EXPECT_EQ(alphaAtZero, 0) << "fully transparent";
    EXPECT_FALSE(Layered()) << "the main dialog was never chosen";
    ::DestroyWindow(target);
}

// Chooses the first face and a size in the common font dialog, confirms it.
void ConfirmFontDialog(DialogScript& script, HWND& options, std::string& chosen, int& points)
{
    script.Then(
        [&options](HWND hwnd) {
            char cls[16] = "";
            ::GetClassNameA(hwnd, cls, sizeof cls);
            return options && hwnd != options && std::string(cls) == "#32770" && ::IsWindowVisible(hwnd) &&
                   ::GetWindow(hwnd, GW_OWNER) == options;
        },
        [&chosen, &points](HWND font) {
            HWND faces = ::GetDlgItem(font, 1136);   // the face name combo box
            ::SendMessageA(faces, CB_SETCURSEL, 0, 0);
            ::SendMessageA(font, WM_COMMAND, MAKEWPARAM(1136, CBN_SELCHANGE), (LPARAM)faces);
            char face[LF_FACESIZE] = "";
            ::SendMessageA(faces, CB_GETLBTEXT, 0, (LPARAM)face);
            chosen = face;
            HWND sizes = ::GetDlgItem(font, 1138);   // the size combo box
            int index = ::SendMessageA(sizes, CB_GETCOUNT, 0, 0) > 3 ? 3 : 0;
            ::SendMessageA(sizes, CB_SETCURSEL, index, 0);
            ::SendMessageA(font, WM_COMMAND, MAKEWPARAM(1138, CBN_SELCHANGE), (LPARAM)sizes);
            char size[16] = "";
            ::SendMessageA(sizes, CB_GETLBTEXT, index, (LPARAM)size);
            points = std::atoi(size);
            ::PostMessageA(font, WM_COMMAND, IDOK, (LPARAM)::GetDlgItem(font, IDOK));
        });
}

TEST_F(OptionsTest, AFontChosenThenOkChangesTheTooltipFontOnly)
{
    HFONT rowFont = m_dlg->m_rowTips[0].m_font;
    std::string rowFace = FontFace(rowFont);
    HWND options = nullptr;
    std::string chosen;
    int points = 0;
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        options = dlg;
        PostClick(dlg, IDC_FONT);
    });
    ConfirmFontDialog(script, options, chosen, points);
    script.Then(Caption(OPTIONS), [&](HWND dlg) { PostClick(dlg, IDOK); });
    RunCommand();
    ASSERT_TRUE(script.Done()) << script.StepsDone();
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(FontFace(m_dlg->m_tip.m_font), chosen);
    LOGFONTA lf{};
    ::GetObjectA(m_dlg->m_tip.m_font, sizeof lf, &lf);
    HDC screen = ::GetDC(nullptr);
    ASSERT_GT(points, 0);
    int expectedHeight = -::MulDiv(points * 10, ::GetDeviceCaps(screen, LOGPIXELSY), 720);
    ::ReleaseDC(nullptr, screen);
    EXPECT_NEAR(lf.lfHeight, expectedHeight, 1) << points << " points";
    EXPECT_EQ(m_dlg->m_rowTips[0].m_font.Get(), rowFont);
    EXPECT_EQ(FontFace(m_dlg->m_rowTips[0].m_font), rowFace);
}

TEST_F(OptionsTest, AFontChosenThenCancelChangesNothing)
{
    HFONT before = m_dlg->m_tip.m_font;
    std::string face = FontFace(before);
    HWND options = nullptr;
    std::string chosen;
    int points = 0;
    DialogScript script;
    script.Then(Caption(OPTIONS), [&](HWND dlg) {
        options = dlg;
        PostClick(dlg, IDC_FONT);
    });
    ConfirmFontDialog(script, options, chosen, points);
    script.Then(Caption(OPTIONS), [&](HWND dlg) { PostClick(dlg, IDCANCEL); });
    RunCommand();
    ASSERT_TRUE(script.Done()) << script.StepsDone();
    ASSERT_FALSE(chosen.empty());
    EXPECT_EQ(m_dlg->m_tip.m_font.Get(), before);
    EXPECT_EQ(FontFace(m_dlg->m_tip.m_font), face);
}

} // namespace
