#include "ui/MainDlg.h"

#include "framework/DataExchange.h"
#include "framework/Dpi.h"
#include "framework/Menu.h"
#include "framework/Text.h"
#include "hooklib/Tapwire.h"
#include "res/Colors.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/EditKeys.h"

#include <cstdio>

HWND g_hwndNextViewer = nullptr;
const UINT g_nMsgTaskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");


// The table grouped by concern; the order within a group is free, since no
// two entries claim the same message.
const MessageMap* CMainDlg::GetMessageMap() const
{
    static constexpr MessageEntry kEntries[] = {
        // The window's life, its look and the tray.
        OnMessage<&CMainDlg::OnCreate>(WM_CREATE),
        OnMessage<&CMainDlg::OnDestroy>(WM_DESTROY),
        OnMessage<&CMainDlg::OnEndSession>(WM_ENDSESSION),
        OnMessage<&CMainDlg::OnClose>(WM_CLOSE),
        OnCommand<&CMainDlg::OnClose>(ID_EXIT),
        OnMessage<&CMainDlg::OnSysCommand>(WM_SYSCOMMAND),
        OnMessage<&CMainDlg::OnTrayNotify>(WM_TRAYNOTIFY),
        OnRegistered<&CMainDlg::OnTaskbarCreated>(g_nMsgTaskbarCreated),
        OnMessage<&CMainDlg::OnPaint>(WM_PAINT),
        OnMessage<&CMainDlg::OnQueryDragIcon>(WM_QUERYDRAGICON),
        OnMessageRange<&CMainDlg::OnCtlColor>(WM_CTLCOLORMSGBOX, WM_CTLCOLORSTATIC),
        DefaultFor(WM_LBUTTONDOWN),
        DefaultFor(WM_LBUTTONUP),
        // Menu commands.
        OnCommand<&CMainDlg::OnSetWindowTitle>(ID_SET_WINDOW_TITLE),
        OnCommand<&CMainDlg::OnToolTipOn>(ID_TOOLTIP_ON),
        OnCommand<&CMainDlg::OnAutomaticAttach>(ID_AUTOMATIC_ATTACH),
        OnCommand<&CMainDlg::OnOptions>(ID_OPTIONS),
        OnCommand<&CMainDlg::OnAddNewWord>(ID_ADD_NEW_WORD),
        OnCommand<&CMainDlg::OnFindBaseForms>(ID_FIND_BASE_FORMS),
        OnCommand<&CMainDlg::OnCopyWithCtrlC>(ID_COPY_WITH_CTRL_C),
        OnCommand<&CMainDlg::OnStartWithWindows>(ID_START_WITH_WINDOWS),
        OnCommand<&CMainDlg::OnPause>(ID_PAUSE),
        OnCommand<&CMainDlg::OnKeepHistory>(ID_KEEP_HISTORY),
        OnCommand<&CMainDlg::OnShowPronunciation>(ID_SHOW_PRONUNCIATION),
        OnCommand<&CMainDlg::OnSpeak>(ID_SPEAK),
        OnCommand<&CMainDlg::OnClearHistory>(ID_CLEAR_HISTORY),
        OnCommand<&CMainDlg::OnHistory>(ID_HISTORY),
        OnCommand<&CMainDlg::OnExportWords>(ID_EXPORT_WORDS),
        OnMessage<&CMainDlg::OnHotKey>(WM_HOTKEY),
        OnCommand<&CMainDlg::OnAbout>(ID_ABOUT),
        // Capture: Tapwire's reports and the clipboard.
        OnRegistered<&CMainDlg::OnMouseSelection>(g_tapwireMessages.mouseSelection),
        OnRegistered<&CMainDlg::OnCopyGesture>(g_tapwireMessages.ctrlC),
        OnRegistered<&CMainDlg::OnCopyGesture>(g_tapwireMessages.rbuttonCopy),
        OnMessage<&CMainDlg::OnDrawClipboard>(WM_DRAWCLIPBOARD),
        OnMessage<&CMainDlg::OnChangeCbChain>(WM_CHANGECBCHAIN),
        // Showing translations.
        OnMessage<&CMainDlg::OnShowTranslation>(WM_SHOWTRANSLATION),
        OnMessage<&CMainDlg::OnTimer>(WM_TIMER),
        // Keyboard input and the suggestions.
        OnCommandCode<&CMainDlg::OnChangeInput>(EN_CHANGE, IDC_INPUT),
        OnCommandCode<&CMainDlg::OnSelChangeSuggestions>(LBN_SELCHANGE, IDC_SUGGESTIONS),
        OnRegistered<&CMainDlg::OnRowClick>(g_tapwireMessages.lbuttonPress),
    };
    static const MessageMap kMap = MakeMessageMap(CDialog::GetMessageMap(), kEntries);
    return &kMap;
}

CMainDlg::CMainDlg()
    : CDialog(IDD_MAIN),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_WORDLUMO))),
      m_strTargetTitle("MSDN Library - January 2001"),
      m_pTarget(std::make_unique<TargetWindow>()),
      m_nid{}
{
    g_hwndNextViewer = nullptr;
    for (int i = 0; i < ROW_COUNT; ++i)
        m_rowY[i] = RowAnchorY(i);
}

CMainDlg::~CMainDlg()
{
    // A modeless dialog still open: destroyed while its handlers can run.
    DestroyWindow();
}

int CMainDlg::OnCreate(LPCREATESTRUCTW)
{
    if (Default() == -1)
        return -1;
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAIN_MENU));
    // The template attached its own copy of the menu; it is replaced, so it goes.
    HMENU fromTemplate = ::GetMenu(m_hWnd);
    ::SetMenu(m_hWnd, menu);
    if (fromTemplate && fromTemplate != menu)
        ::DestroyMenu(fromTemplate);
    GrayMenuItem(menu, ID_TOOLTIP_ON);
    CheckStartWithWindows(menu);
    return 0;
}

BOOL CMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, (LPARAM)m_hIcon);
    ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, (LPARAM)m_hIcon);
    KeepCloseKeysIn(GetDlgItem(IDC_TRANSLATION));
    KeepCloseKeysIn(GetDlgItem(IDC_LIST_TRANSLATION));

    // Joined before the dictionary is loaded: a WM_DRAWCLIPBOARD that comes
    // during the call finds m_bReady still 0.
    g_hwndNextViewer = ::SetClipboardViewer(m_hWnd);

    m_tip.Create(this, 0);

    if (!LoadDictionaryFiles()) {
        ShowMessageBox(m_hWnd, "File data.dat or NewData.dat not found!", "Error", MB_OK | MB_ICONHAND);
        LoadSettings();
        return FALSE;
    }
    m_bReady = 1;

    HMENU menu = ::GetMenu(m_hWnd);
    GrayMenuItem(menu, ID_SET_WINDOW_TITLE);
    EnableMenuItemById(menu, ID_TOOLTIP_ON);

    CreateRowTips();
    PlaceRows(LayoutDpi(), m_rowY);
    LoadSettings();
    if (m_settings.findBaseForms)
        m_formsFile.Load();
    m_pronunciation.Load(m_settings.showPronunciation != 0);
    m_history.Keep(m_settings.keepHistory != 0);
    return TRUE;
}

// Both files are opened before either is read: when one is missing,
// nothing is loaded.
bool CMainDlg::LoadDictionaryFiles()
{
    FILE* data = OpenFileNamed(DATA_FILE, "rb");
    FILE* newData = OpenFileNamed(NEW_DATA_FILE, "rb");
    if (!data || !newData) {
        if (data)
            std::fclose(data);
        if (newData)
            std::fclose(newData);
        return false;
    }
    m_dictionary.LoadFile(data);
    std::fclose(data);
    m_dictionary.LoadFile(newData);
    std::fclose(newData);
    return true;
}

void CMainDlg::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_TRANSLATION, m_strTranslation);
    DDX_Text(pDX, IDC_INPUT, m_strInput);
    DDV_MaxChars(pDX, m_strInput, WORD_MAX_CHARS);
    DDX_Text(pDX, IDC_LIST_TRANSLATION, m_strListTranslation);
}

// Enter: the typed word is settled on (the history keeps it); the dialog stays.
void CMainDlg::OnOK() { m_history.Settled(); }

void CMainDlg::OnCancel() {}

void CMainDlg::CreateRowTips()
{
    for (CTipWnd& row : m_rowTips)
        CreateRowTip(row, this);
}

void CMainDlg::HideRowTips()
{
    for (CTipWnd& row : m_rowTips)
        row.Hide();
    // The left-button hook watches the rows only while they are visible.
    if (m_bRowHook == 1) {
        ::ClearLButtonHook();
        m_bRowHook = 0;
    }
}

// Every request gets a fresh brush; the previous one of that member goes.
// Made anew at each request rather than once, as the dialog always has:
// deleting the previous one first keeps the GDI objects flat (the soak
// counts them), so making them once would change nothing a user sees.
HBRUSH CMainDlg::OnCtlColor(HDC hdc, HWND hwndCtl, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_DLG) {
        m_brDialog.CreateSolidBrush(COLOR_DIALOG);
        return m_brDialog;
    }
    int id = ::GetDlgCtrlID(hwndCtl);
    if (id == IDC_TRANSLATION || id == IDC_TARGET_TITLE || id == IDC_LIST_TRANSLATION || id == IDC_SUGGESTIONS) {
        m_brPanel.CreateSolidBrush(COLOR_PANEL);
        ::SetBkMode(hdc, OPAQUE);
        ::SetBkColor(hdc, COLOR_PANEL);
        ::SetTextColor(hdc, COLOR_WHITE);
        return m_brPanel;
    }
    if (id == IDC_INPUT) {
        m_brInput.CreateSolidBrush(COLOR_WHITE);
        ::SetBkMode(hdc, OPAQUE);
        ::SetBkColor(hdc, COLOR_WHITE);
        ::SetTextColor(hdc, COLOR_PANEL);
        return m_brInput;
    }
    return (HBRUSH)Default();
}

// Minimising while "Minimize in systray" is on hides the window behind a
// tray icon instead.
void CMainDlg::OnSysCommand(UINT nID, LPARAM)
{
    if (nID == SC_MINIMIZE && m_bMinimizeToTray == 1) {
        m_nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
        m_nid.hWnd = m_hWnd;
        m_nid.uID = IDI_WORDLUMO;
        m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        m_nid.uCallbackMessage = WM_TRAYNOTIFY;
        m_tray.Fill(m_hIcon);
        m_tray.Enter();
        ::ShowWindow(m_hWnd, SW_HIDE);
        return;
    }
    Default();
}

// A new taskbar (Explorer restarted) knows no icon of ours: a window hidden
// in the tray would be lost without it. The shell broadcasts the news to
// top-level windows only, so it comes here for the icon.
LRESULT CMainDlg::OnTaskbarCreated(WPARAM, LPARAM)
{
    m_tray.OnTaskbarCreated();
    return 0;
}

LRESULT CMainDlg::OnTrayNotify(WPARAM, LPARAM lParam)
{
    if (lParam == WM_LBUTTONUP) {
        ::ShowWindow(m_hWnd, SW_RESTORE);
        m_tray.Leave();   // NIM_DELETE
    }
    return 0;
}

// Minimised (tray off): the icon, centred in the client area.
void CMainDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd)) {
        Default();
        return;
    }
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, (WPARAM)hdc, 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    ::GetClientRect(m_hWnd, &rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    ::DrawIcon(hdc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}

HCURSOR CMainDlg::OnQueryDragIcon() { return (HCURSOR)m_hIcon; }

// Moved to a monitor of another DPI and fitted to it: the rows' anchors
// follow. The tooltips take the DPI of wherever they are shown next.
void CMainDlg::OnDpiChanged(UINT dpi) { PlaceRows(dpi, m_rowY); }

void CMainDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal();
}

// WM_CLOSE (the close box, the system menu, Alt+F4) and Exit: the standard
// OK processing (not the empty OnOK), then the default course.
void CMainDlg::OnClose()
{
    CDialog::OnOK();
    Default();
}

// Windows may end the process after this without destroying the window.
void CMainDlg::OnEndSession(UINT_PTR ending)
{
    if (ending)
        SaveSettingsBeforeExit();
}

void CMainDlg::OnDestroy()
{
    Default();
    SaveSettingsBeforeExit();   // the window's last position
    ::ChangeClipboardChain(m_hWnd, g_hwndNextViewer);
    g_hwndNextViewer = nullptr;
    ::ClearTapwire(m_hWnd);
    ::ClearLButtonHook();
    m_mouseWatch.Stop();
    m_pTarget.reset();
    ::KillTimer(m_hWnd, TIMER_HIDE_TIPS);
    m_hotkeys.LetGo(m_hWnd);
    m_tray.Leave();   // a window closed while in the tray takes its icon with it
}
