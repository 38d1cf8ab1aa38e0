// Message tables: each window class lists, in a static constexpr array, which
// messages, commands and control notifications reach which member handler
// (how a message travels to the table: framework/Wnd.h).
//
// Handler signatures (the thunk unpacks the message for them; an entry
// whose handler has none of these fails to compile, naming them):
//   void OnX()                                  any message; the result is 0
//   R OnX()  (R an integer, BOOL or handle)     the result is the return value
//   LRESULT OnX(WPARAM, LPARAM)                 the raw parameters
//   void OnTimer(UINT_PTR nIDEvent)             WM_TIMER
//   void OnSysCommand(UINT nID, LPARAM)         WM_SYSCOMMAND
//   HBRUSH OnCtlColor(HDC, HWND, UINT nCtlColor) WM_CTLCOLOR*; nCtlColor is CTLCOLOR_*
//   int OnCreate(LPCREATESTRUCTW)               WM_CREATE
//   void OnX(HWND, HWND)                        two window handles (WM_CHANGECBCHAIN)
//   void OnX(NMHDR*, LRESULT* pResult)          WM_NOTIFY; *pResult is the result
#pragma once
#include <windows.h>

#include <cstddef>
#include <type_traits>
#include <utility>

class CWnd;

enum class Match : unsigned char {
    Message,     // a window message, by number
    Range,       // the window messages first..second (the control-colour family)
    Command,     // WM_COMMAND from a menu, an accelerator or a button click, by id
    CommandCode, // WM_COMMAND with a control notification code: code first, control id second
    Notify,      // WM_NOTIFY: code first, control id second
    Registered,  // a registered message, by the number stored at *pRegistered
};

using Thunk = LRESULT (*)(CWnd& wnd, UINT msg, WPARAM wParam, LPARAM lParam);

struct MessageEntry {
    Match match;
    UINT first;
    UINT second;
    const UINT* pRegistered;
    Thunk thunk;
};

struct MessageMap {
    const MessageMap* pBase;
    const MessageEntry* pEntries;
    std::size_t nEntries;
};

bool Matches(const MessageEntry& entry, UINT msg, WPARAM wParam, LPARAM lParam);

namespace msgmap {

template <class> struct ClassOf;
template <class R, class C, class... A> struct ClassOf<R (C::*)(A...)> { using type = C; };

template <class T> LRESULT Call(T& t, void (T::*pmf)(), UINT, WPARAM, LPARAM)
{ (t.*pmf)(); return 0; }
template <class T, class R> LRESULT Call(T& t, R (T::*pmf)(), UINT, WPARAM, LPARAM)
{ return (LRESULT)(t.*pmf)(); }
template <class T> LRESULT Call(T& t, LRESULT (T::*pmf)(WPARAM, LPARAM), UINT, WPARAM w, LPARAM l)
{ return (t.*pmf)(w, l); }
template <class T> LRESULT Call(T& t, void (T::*pmf)(UINT_PTR), UINT, WPARAM w, LPARAM)
{ (t.*pmf)((UINT_PTR)w); return 0; }
template <class T> LRESULT Call(T& t, void (T::*pmf)(UINT, LPARAM), UINT, WPARAM w, LPARAM l)
{ (t.*pmf)((UINT)w, l); return 0; }
template <class T> LRESULT Call(T& t, HBRUSH (T::*pmf)(HDC, HWND, UINT), UINT msg, WPARAM w, LPARAM l)
{ return (LRESULT)(t.*pmf)((HDC)w, (HWND)l, msg - WM_CTLCOLORMSGBOX); }
template <class T> LRESULT Call(T& t, int (T::*pmf)(LPCREATESTRUCTW), UINT, WPARAM, LPARAM l)
{ return (t.*pmf)((LPCREATESTRUCTW)l); }
template <class T> LRESULT Call(T& t, void (T::*pmf)(HWND, HWND), UINT, WPARAM w, LPARAM l)
{ (t.*pmf)((HWND)w, (HWND)l); return 0; }
template <class T> LRESULT Call(T& t, void (T::*pmf)(NMHDR*, LRESULT*), UINT, WPARAM, LPARAM l)
{ LRESULT result = 0; (t.*pmf)((NMHDR*)l, &result); return result; }

// Whether one of the Call overloads above unpacks the message for Pmf.
template <auto Pmf, class = void> struct HasHandlerSignature : std::false_type {};
template <auto Pmf>
struct HasHandlerSignature<Pmf, std::void_t<decltype(Call<typename ClassOf<decltype(Pmf)>::type>(
                                    std::declval<typename ClassOf<decltype(Pmf)>::type&>(), Pmf, UINT(), WPARAM(),
                                    LPARAM()))>> : std::true_type {};

template <auto Pmf> LRESULT Invoke(CWnd& wnd, UINT msg, WPARAM w, LPARAM l)
{
    static_assert(HasHandlerSignature<Pmf>::value,
                  "a message table entry's handler must be one of: void OnX(); R OnX(); "
                  "LRESULT OnX(WPARAM, LPARAM); void OnTimer(UINT_PTR); void OnSysCommand(UINT, LPARAM); "
                  "HBRUSH OnCtlColor(HDC, HWND, UINT); int OnCreate(LPCREATESTRUCTW); void OnX(HWND, HWND); "
                  "void OnX(NMHDR*, LRESULT*)");
    using T = typename ClassOf<decltype(Pmf)>::type;
    return Call<T>(static_cast<T&>(wnd), Pmf, msg, w, l);
}

LRESULT DefaultThunk(CWnd& wnd, UINT msg, WPARAM w, LPARAM l);

} // namespace msgmap

template <auto Pmf> constexpr MessageEntry OnMessage(UINT msg)
{ return {Match::Message, msg, 0, nullptr, &msgmap::Invoke<Pmf>}; }
template <auto Pmf> constexpr MessageEntry OnMessageRange(UINT first, UINT last)
{ return {Match::Range, first, last, nullptr, &msgmap::Invoke<Pmf>}; }
template <auto Pmf> constexpr MessageEntry OnCommand(UINT id)
{ return {Match::Command, id, 0, nullptr, &msgmap::Invoke<Pmf>}; }
// WM_COMMAND carrying a control's notification code (EN_CHANGE, LBN_SELCHANGE).
template <auto Pmf> constexpr MessageEntry OnCommandCode(UINT code, UINT id)
{ return {Match::CommandCode, code, id, nullptr, &msgmap::Invoke<Pmf>}; }
// WM_NOTIFY from a common control; the handler gets the NMHDR.
template <auto Pmf> constexpr MessageEntry OnNotify(UINT code, UINT id)
{
    static_assert(std::is_same_v<decltype(Pmf), void (msgmap::ClassOf<decltype(Pmf)>::type::*)(NMHDR*, LRESULT*)>,
                  "OnNotify is for WM_NOTIFY: its handler is void OnX(NMHDR*, LRESULT*); "
                  "a WM_COMMAND notification code (EN_CHANGE, LBN_SELCHANGE) takes OnCommandCode");
    return {Match::Notify, code, id, nullptr, &msgmap::Invoke<Pmf>};
}
template <auto Pmf> constexpr MessageEntry OnRegistered(const UINT& number)
{ return {Match::Registered, 0, 0, &number, &msgmap::Invoke<Pmf>}; }
// Claims the message only to give it default processing, so no base table sees it.
constexpr MessageEntry DefaultFor(UINT msg)
{ return {Match::Message, msg, 0, nullptr, &msgmap::DefaultThunk}; }

template <std::size_t N>
constexpr MessageMap MakeMessageMap(const MessageMap* pBase, const MessageEntry (&entries)[N])
{ return {pBase, entries, N}; }
