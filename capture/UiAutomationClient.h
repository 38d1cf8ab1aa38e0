// The few UI Automation client interfaces Zeto calls, which MinGW-w64's
// headers lack. Zeto only calls them, never implements them, so each is
// declared up to the last method it calls: the methods before it stand in
// the Windows SDK's order (UIAutomationClient.idl), since a method is found
// by its place in the table. Never insert, remove or reorder a line; the
// numbers are the slots, IUnknown's three first. Parameters of methods Zeto
// does not call are spelled loosely (void*, int), and those methods answer
// E_NOTIMPL, so a stand-in in a test implements only what Zeto calls.
#pragma once
#include <windows.h>
#include <ole2.h>

namespace uia {

// The body of every method Zeto does not call.
#define NOT_CALLED { return E_NOTIMPL; }

constexpr CLSID CLSID_CUIAutomation = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
constexpr IID IID_IUIAutomation = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
constexpr IID IID_IUIAutomationTextPattern = {
    0x32eba289, 0x3583, 0x42c9, {0x9c, 0x59, 0x3b, 0x6d, 0x9a, 0x1e, 0x9b, 0x6a}};
constexpr int TextPatternId = 10014;

struct IUIAutomationElement;
struct IUIAutomationTextRange;

struct IUIAutomationTextRange : IUnknown {
    /*  3 */ virtual HRESULT STDMETHODCALLTYPE Clone(IUIAutomationTextRange**) NOT_CALLED
    /*  4 */ virtual HRESULT STDMETHODCALLTYPE Compare(IUIAutomationTextRange*, BOOL*) NOT_CALLED
    /*  5 */ virtual HRESULT STDMETHODCALLTYPE CompareEndpoints(int, IUIAutomationTextRange*, int, int*) NOT_CALLED
    /*  6 */ virtual HRESULT STDMETHODCALLTYPE ExpandToEnclosingUnit(int) NOT_CALLED
    /*  7 */ virtual HRESULT STDMETHODCALLTYPE FindAttribute(int, VARIANT, BOOL, IUIAutomationTextRange**) NOT_CALLED
    /*  8 */ virtual HRESULT STDMETHODCALLTYPE FindText(BSTR, BOOL, BOOL, IUIAutomationTextRange**) NOT_CALLED
    /*  9 */ virtual HRESULT STDMETHODCALLTYPE GetAttributeValue(int, VARIANT*) NOT_CALLED
    /* 10 */ virtual HRESULT STDMETHODCALLTYPE GetBoundingRectangles(SAFEARRAY**) NOT_CALLED
    /* 11 */ virtual HRESULT STDMETHODCALLTYPE GetEnclosingElement(IUIAutomationElement**) NOT_CALLED
    // At most maxLength characters (-1: all).
    /* 12 */ virtual HRESULT STDMETHODCALLTYPE GetText(int maxLength, BSTR* text) = 0;
};

struct IUIAutomationTextRangeArray : IUnknown {
    /*  3 */ virtual HRESULT STDMETHODCALLTYPE get_Length(int* length) = 0;
    /*  4 */ virtual HRESULT STDMETHODCALLTYPE GetElement(int index, IUIAutomationTextRange** element) = 0;
};

struct IUIAutomationTextPattern : IUnknown {
    /*  3 */ virtual HRESULT STDMETHODCALLTYPE RangeFromPoint(POINT, IUIAutomationTextRange**) NOT_CALLED
    /*  4 */ virtual HRESULT STDMETHODCALLTYPE RangeFromChild(void*, IUIAutomationTextRange**) NOT_CALLED
    /*  5 */ virtual HRESULT STDMETHODCALLTYPE GetSelection(IUIAutomationTextRangeArray** ranges) = 0;
};

struct IUIAutomationElement : IUnknown {
    /*  3 */ virtual HRESULT STDMETHODCALLTYPE SetFocus() NOT_CALLED
    /*  4 */ virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY**) NOT_CALLED
    /*  5 */ virtual HRESULT STDMETHODCALLTYPE FindFirst(int, void*, IUIAutomationElement**) NOT_CALLED
    /*  6 */ virtual HRESULT STDMETHODCALLTYPE FindAll(int, void*, void**) NOT_CALLED
    /*  7 */ virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int, void*, void*, IUIAutomationElement**) NOT_CALLED
    /*  8 */ virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int, void*, void*, void**) NOT_CALLED
    /*  9 */ virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(void*, IUIAutomationElement**) NOT_CALLED
    /* 10 */ virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(int, VARIANT*) NOT_CALLED
    /* 11 */ virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValueEx(int, BOOL, VARIANT*) NOT_CALLED
    /* 12 */ virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValue(int, VARIANT*) NOT_CALLED
    /* 13 */ virtual HRESULT STDMETHODCALLTYPE GetCachedPropertyValueEx(int, BOOL, VARIANT*) NOT_CALLED
    /* 14 */ virtual HRESULT STDMETHODCALLTYPE GetCurrentPatternAs(int patternId, REFIID riid, void** pattern) = 0;
    /* 15 */ virtual HRESULT STDMETHODCALLTYPE GetCachedPatternAs(int, REFIID, void**) NOT_CALLED
    /* 16 */ virtual HRESULT STDMETHODCALLTYPE GetCurrentPattern(int, IUnknown**) NOT_CALLED
    /* 17 */ virtual HRESULT STDMETHODCALLTYPE GetCachedPattern(int, IUnknown**) NOT_CALLED
    /* 18 */ virtual HRESULT STDMETHODCALLTYPE GetCachedParent(IUIAutomationElement**) NOT_CALLED
    /* 19 */ virtual HRESULT STDMETHODCALLTYPE GetCachedChildren(void**) NOT_CALLED
    /* 20 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentProcessId(int* processId) = 0;
    /* 21 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentControlType(int*) NOT_CALLED
    /* 22 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentLocalizedControlType(BSTR*) NOT_CALLED
    /* 23 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentName(BSTR*) NOT_CALLED
    /* 24 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentAcceleratorKey(BSTR*) NOT_CALLED
    /* 25 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentAccessKey(BSTR*) NOT_CALLED
    /* 26 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentHasKeyboardFocus(BOOL*) NOT_CALLED
    /* 27 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentIsKeyboardFocusable(BOOL*) NOT_CALLED
    /* 28 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentIsEnabled(BOOL*) NOT_CALLED
    /* 29 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentAutomationId(BSTR*) NOT_CALLED
    /* 30 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentClassName(BSTR*) NOT_CALLED
    /* 31 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentHelpText(BSTR*) NOT_CALLED
    /* 32 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentCulture(int*) NOT_CALLED
    /* 33 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentIsControlElement(BOOL*) NOT_CALLED
    /* 34 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentIsContentElement(BOOL*) NOT_CALLED
    /* 35 */ virtual HRESULT STDMETHODCALLTYPE get_CurrentIsPassword(BOOL* isPassword) = 0;
};

struct IUIAutomation : IUnknown {
    /*  3 */ virtual HRESULT STDMETHODCALLTYPE CompareElements(void*, void*, BOOL*) NOT_CALLED
    /*  4 */ virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(SAFEARRAY*, SAFEARRAY*, BOOL*) NOT_CALLED
    /*  5 */ virtual HRESULT STDMETHODCALLTYPE GetRootElement(IUIAutomationElement**) NOT_CALLED
    /*  6 */ virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(void*, IUIAutomationElement**) NOT_CALLED
    /*  7 */ virtual HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT, IUIAutomationElement**) NOT_CALLED
    /*  8 */ virtual HRESULT STDMETHODCALLTYPE GetFocusedElement(IUIAutomationElement** element) = 0;
};

#undef NOT_CALLED

} // namespace uia
