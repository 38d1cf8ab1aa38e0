// Owners of GDI objects: each owns at most one handle, deletes it when it
// goes or is replaced, and can be moved but not copied (a copy would delete
// the handle twice). ScopedSelect puts an object into a device context for
// one scope and puts the previous one back.
#pragma once
#include "framework/Dpi.h"
#include "text/Cp1251Utf16.h"

#include <windows.h>

#include <utility>

template <class Handle>
class CGdiObject {
public:
    CGdiObject() = default;
    explicit CGdiObject(Handle handle) : m_handle(handle) {}
    ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
    CGdiObject& operator=(CGdiObject&& other) noexcept
    {
        if (this != &other)
            Reset(std::exchange(other.m_handle, nullptr));
        return *this;
    }

    Handle Get() const { return m_handle; }
    operator Handle() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Deletes the owned handle (if any) and takes the new one.
    void Reset(Handle handle = nullptr)
    {
        if (m_handle)
            ::DeleteObject(m_handle);
        m_handle = handle;
    }
    void DeleteObject() { Reset(); }

private:
    Handle m_handle = nullptr;
};

class CBrush : public CGdiObject<HBRUSH> {
public:
    using CGdiObject::CGdiObject;
    // Replaces the owned brush; false when the system made none.
    bool CreateSolidBrush(COLORREF color)
    {
        Reset(::CreateSolidBrush(color));
        return Get() != nullptr;
    }
};

class CPen : public CGdiObject<HPEN> {
public:
    using CGdiObject::CGdiObject;
    bool CreatePen(int style, int width, COLORREF color)
    {
        Reset(::CreatePen(style, width, color));
        return Get() != nullptr;
    }
};

class CFont : public CGdiObject<HFONT> {
public:
    using CGdiObject::CGdiObject;
    // A font of nPointSize tenths of a point for a screen of dpi (0: the
    // system's), default character set; faceName in Windows-1251. False when
    // the system made none.
    bool CreatePointFont(int nPointSize, const char* faceName, UINT dpi = 0)
    {
        LOGFONTW lf{};
        lf.lfHeight = -::MulDiv(nPointSize, (int)(dpi ? dpi : SystemDpi()), 720);
        lf.lfCharSet = DEFAULT_CHARSET;
        lstrcpynW(lf.lfFaceName, cp1251::ToUtf16(faceName).c_str(), LF_FACESIZE);
        Reset(::CreateFontIndirectW(&lf));
        return Get() != nullptr;
    }
};

class ScopedSelect {
public:
    ScopedSelect(HDC hdc, HGDIOBJ object) : m_hdc(hdc), m_old(::SelectObject(hdc, object)) {}
    ~ScopedSelect()
    {
        if (m_old)
            ::SelectObject(m_hdc, m_old);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;
private:
    HDC m_hdc;
    HGDIOBJ m_old;
};
