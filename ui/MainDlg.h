// CMainDlg: Zeto's main window, a dialog (template 102) that lives for the
// whole run. It owns all shared state of the program, and the handlers of
// every part of the system are its members, reached through its message
// table (MainDlg.cpp). They are defined beside the part they belong to:
//   capture/CaptureEvents.cpp   capture messages and the clipboard pipeline
//   capture/CopyMethods.cpp     attaching to the target and making it copy
//   capture/TargetCommands.cpp  Set Window Title, Tool Tip On, Automatic Attach
//   ui/KeyboardInput.cpp        typed words and the suggestion rows
//   ui/Options.cpp              the Options command
//   ui/Pause.cpp                Pause, its hotkey and its look in the tray
//   dictionary/AddNewWord.cpp   the Add New Word command
//   ui/BaseFormsCommand.cpp     Find Base Forms and the lookup every road shows
//   ui/PronunciationCommands.cpp  Show Pronunciation and Speak (the rest: Pronunciation)
//   ui/HistoryCommands.cpp      Keep History and Clear History (the recording: HistoryRecorder)
//   ui/MainDlg.cpp, ui/TranslationDisplay.cpp  the rest
//
// The text being shown has one owner: the queue of posted translations
// (m_pending). A lookup's answer is a value; PostTranslation moves it into
// the queue and posts WM_SHOWTRANSLATION with the address of the queued
// text, and OnShowTranslation takes that text out of the queue and shows it.
// Any process on the desktop can post 0x0500 to this window: a message whose
// address is not in the queue carries no text of ours and is ignored. The
// mouse road handles its own post at once (ShowTranslationNow), so the
// tooltip is up before the user's clipboard goes back.
#pragma once
#include "capture/AutomationRead.h"
#include "capture/CaptureGate.h"
#include "capture/ClipboardBorrow.h"
#include "capture/CopyRequest.h"
#include "capture/MouseWatch.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FormLookup.h"
#include "framework/Dialog.h"
#include "framework/Gdi.h"
#include "hooklib/Tapwire.h"
#include "settings/Settings.h"
#include "ui/FormsFile.h"
#include "ui/HistoryRecorder.h"
#include "ui/Hotkeys.h"
#include "ui/Pronunciation.h"
#include "ui/SettingsSaver.h"
#include "ui/SuggestionRows.h"
#include "ui/TipWnd.h"
#include "ui/TrayIcon.h"

#include <windows.h>
#include <shellapi.h>

#include <list>
#include <memory>
#include <string>
#include <vector>

// Private messages of the main dialog.
constexpr UINT WM_SHOWTRANSLATION = 0x0500;   // wParam: the text to show (see PostTranslation); lParam 0
constexpr UINT WM_TRAYNOTIFY = 0x0600;        // the tray icon's callback; lParam: the mouse message
// Broadcast by the shell when the taskbar is (re)created: every tray icon is gone.
extern const UINT g_nMsgTaskbarCreated;       // "TaskbarCreated"

// Timer 1 of the main dialog, shared: started after a translation, after the
// usage hint and after the rows are shown, each start replacing the running
// one; when it fires every tooltip of the dialog goes. It is the dialog's
// only timer: any other would hide the tooltips too, so a feature that needs
// one keeps it on a window of its own (CTimerWindow).
constexpr UINT_PTR TIMER_HIDE_TIPS = 1;

// How the selection is copied out of the target window; the positions of
// the document-format radios.
constexpr int COPY_NONE = -1;   // no method chosen yet: mouse selections are ignored
constexpr int COPY_OTHER = 0;   // WM_COPY to the window that got the mouse release
constexpr int COPY_DOC = 1;     // the same
constexpr int COPY_HTML = 2;    // CopyByCommand
constexpr int COPY_HELP = 3;    // CopyByMenuCommand
constexpr int COPY_PDF = 4;     // CopyByAcrobatMenu

// The window translations are taken from.
struct TargetWindow {
    HWND m_hwndTop = nullptr;     // top-level window of the target application
    HWND m_hwndChild = nullptr;   // child that receives the copy request
    DWORD m_dwThreadId = 0;       // thread that owns m_hwndTop; the hooks watch it
};

// The next window in the clipboard-viewer chain.
extern HWND g_hwndNextViewer;

class CMainDlg : public CDialog {
public:
    CMainDlg();
    ~CMainDlg() override;

    // ---- members, in this order ----
    std::wstring m_strTranslation;      // edit 1001; UTF-16, for a pronunciation's letters
    std::string m_strInput;             // edit 1013, at most WORD_MAX_CHARS characters
    std::wstring m_strListTranslation;  // edit 1040
    HICON m_hIcon;                      // icon 131
    std::string m_strTargetTitle;       // title of the window translations come from
    CBrush m_brDialog;                  // background of the dialog
    CBrush m_brPanel;                   // background of 1001, 1002, 1039, 1040
    CBrush m_brInput;                   // background of 1013
    std::unique_ptr<TargetWindow> m_pTarget;
    CTipWnd m_tip;                      // the translation tooltip
    RowTips m_rowTips;                  // one per suggestion row
    NOTIFYICONDATAA m_nid;              // the tray icon; its first, 88-byte-era part only
    int m_bMinimizeToTray = settings::DEFAULT_MINIMIZE_TO_TRAY;
    int m_bAutoAttach = settings::DEFAULT_AUTOMATIC_ATTACH;
    int m_bCapturePending = 0;
    int m_nCopyMethod = COPY_NONE;
    int m_nCaptureMode = CAPTURE_SELECT;
    int m_nTimeoutMs = settings::DEFAULT_TIMEOUT_SEC * 1000;
    int m_nAcrobatItem = -1;
    int m_bHintShown = 0;
    int m_bAlwaysOnTop = settings::DEFAULT_ALWAYS_ON_TOP;
    CDictionary m_dictionary;
    int m_bReady = 0;                   // both dictionary files loaded
    int m_rowY[ROW_COUNT];              // client y of each suggestion row's anchor
    int m_bRowHook = 0;                 // the left-button hook is installed for us
    int m_bKeyboardInput = settings::DEFAULT_KEYBOARD_INPUT;   // suggestions in the list box, not row tooltips
    CFormLookup m_formLookup{m_dictionary};
    CMouseWatch m_mouseWatch;           // tells selections from clicks; gates the mouse reports
    CopyDeadline m_copyDeadline;        // the current selection's time with its target
    CaptureGate m_gate;                 // paused, ignored programs, secrets
    ClipboardBorrow m_borrow;           // the user's clipboard while a selection borrows it
    AutomationReader m_automation;      // a selection asked of UI Automation
    // The settings that have no member above live here: the Tools menu's
    // switches, the hotkeys, the tooltip's font. Those that have one (the
    // timeout, the Options check boxes, Automatic Attach, the window's
    // place) and Pause and the ignored programs (m_gate) are live there and
    // only copied in when Zeto.ini is written (CurrentSettings).
    settings::Settings m_settings;
    HistoryRecorder m_history{[this](const std::string& note) { ShowNote(note); }};

    // Posts WM_SHOWTRANSLATION for text. The only way to have a translation shown.
    void PostTranslation(std::wstring text);

    // ---- application shell ----
    int OnCreate(LPCREATESTRUCTW lpCreateStruct);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;       // Enter never closes the main dialog: it settles the typed word
    void OnCancel() override;   // empty: nor does Escape
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    HBRUSH OnCtlColor(HDC hdc, HWND hwndCtl, UINT nCtlColor);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    void OnAbout();
    void OnDpiChanged(UINT dpi) override;
    void OnClose();   // also Exit
    void OnDestroy();
    void OnEndSession(UINT_PTR ending);
    bool LoadDictionaryFiles();
    void CreateRowTips();
    void HideRowTips();

    // ---- translation display ----
    LRESULT OnShowTranslation(WPARAM wParam, LPARAM lParam);
    void OnTimer(UINT_PTR nIDEvent);

    // ---- capture events and the clipboard pipeline ----
    LRESULT OnMouseSelection(WPARAM wParam, LPARAM lParam);
    LRESULT OnCopyGesture(WPARAM wParam, LPARAM lParam);
    void OnDrawClipboard();
    bool TakeQueuedCopyGesture();
    void OnChangeCbChain(HWND hWndRemove, HWND hWndAfter);
    void ClearClipboard();
    void ReadClipboardText(char* buffer);   // buffer of 256 bytes
    void ShowWordTranslation(const char* text);
    void TranslateSelection();
    void TranslateClipboard();
    void ShowTargetTitle();
    void CaptureSelection(HWND hwndRelease);
    bool ReadSelectionDirectly(HWND hwndRelease);
    void ShowTranslationNow();
    void RequestCopy(HWND hwndRelease);
    bool CopyWithCtrlC(HWND hwndRelease);
    void OnCopyWithCtrlC();

    // ---- target window and copy methods ----
    // The target and its copy method; the dialog shows its title when the
    // caller next updates it.
    void AttachToWindow(HWND hwnd);
    void DetectCopyMethod();
    BOOL FindBrowserChild();
    void CopyByCommand();
    void CopyByMenuCommand();
    void CopyByAcrobatMenu();
    void CopyInBrowserChild();

    // ---- target selection commands ----
    void OnToolTipOn();
    BOOL OnSetWindowTitle();
    void OnAutomaticAttach();
    void ChooseCaptureMode();
    void InstallHooks(HMENU menu);
    void WatchSelections();
    void RemoveCaptureHooks();

    // ---- keyboard input ----
    void OnChangeInput();
    void OnSelChangeSuggestions();
    void ShowSuggestionsInRows();
    void ShowSuggestionsInList();
    void ShowListTranslation();
    LRESULT OnRowClick(WPARAM wParam, LPARAM lParam);

    // ---- base forms and pronunciations ----
    // What every road shows for a word: the dictionary's answer, or after a
    // miss, with "Find Base Forms" on, "house: <translation>"; with "Show
    // Pronunciation" on, how the entry is said after its name. The history
    // notes it as the last answer.
    std::wstring LookupForDisplay(const char* word);
    struct Shown {
        CFormLookup::Answer answer;
        std::string entry;  // the entry the answer is for
        std::string said;   // how the answer's entry is said (UTF-8), whatever the switch
        std::wstring text;
    };
    Shown ShownFor(const char* word);
    FormsFile m_formsFile{m_formLookup.Irregular(), [this](const std::string& note) { ShowNote(note); }};
    void OnFindBaseForms();
    Pronunciation m_pronunciation{[this](const std::string& note) { ShowNote(note); }};
    void OnShowPronunciation();
    // Speak: the entry of the last answer found, said by an English voice.
    void OnSpeak();
    void RegisterSpeakHotkey();

    // ---- Pause ----
    void OnPause();
    LRESULT OnHotKey(WPARAM wParam, LPARAM lParam);
    // Every capture off (or on again); the menu and the tray icon show it.
    void SetPaused(bool paused);
    // Holds the pause hotkey for the main window; says so when another program has it.
    void RegisterPauseHotkey();
    Hotkeys m_hotkeys{[this](const std::string& note) { ShowNote(note); }};

    // ---- the history of lookups ----
    void OnKeepHistory();
    void OnClearHistory();
    void OnHistory();
    void OnExportWords();

    // ---- Options, Add New Word ----
    void OnOptions();
    void OnAddNewWord();

    // ---- settings kept in Zeto.ini, Start with Windows, the tray icon's return ----
    void LoadSettings();
    void SaveSettings();
    void SaveSettingsBeforeExit();   // no timer fires after it: a passing holder is waited out
    // A Tools menu switch chosen: flips it, its check mark follows, Zeto.ini keeps it.
    void ToggleSwitch(int& bSwitch, UINT menuItem);
    void OnStartWithWindows();
    void CheckStartWithWindows(HMENU menu);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);

protected:
    const MessageMap* GetMessageMap() const override;

private:
    // Texts posted by PostTranslation and not yet shown, in posting order; a
    // list, so a queued text never moves while its address travels.
    std::list<std::wstring> m_pending;
    CTrayIcon m_tray{m_nid};   // offers m_nid to the shell while the window is in the tray
    SettingsSaver m_settingsSaver{[this] { ShowSettingsNotSaved(); }};
    void ShowSettingsNotSaved();
    std::string CurrentSettings() const;   // the text Zeto.ini should hold now
    void ShowNote(const std::string& text);   // Windows-1251
    void ShowInTranslationBox(std::wstring text);
    bool TakePendingTranslation(WPARAM key, std::wstring& text);
};
