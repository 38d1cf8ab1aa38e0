// Tells a selection made with the left button from a plain click. A release
// ends a selection when it completes a double click, or when it lies outside
// the drag rectangle centred on the press; any other release is a click, which
// selects nothing (and in many applications Ctrl+C then copies a whole line).
// Pure rules over points and times, so they build and are tested everywhere.
#pragma once

struct GestureMetrics {
    int dragWidth, dragHeight;           // SM_CXDRAG, SM_CYDRAG
    int doubleWidth, doubleHeight;       // SM_CXDOUBLECLK, SM_CYDOUBLECLK
    unsigned doubleClickMs;              // GetDoubleClickTime()
};

class SelectionGesture {
public:
    explicit SelectionGesture(const GestureMetrics& metrics) : m_metrics(metrics) {}

    // The left button went down at (x, y) at timeMs (a wrapping millisecond
    // clock); a press always cancels a selection not yet taken.
    void Press(int x, int y, unsigned timeMs);
    // The left button came up at (x, y).
    void Release(int x, int y);
    // True once for each release that ended a selection.
    bool TakeSelection();
    // Whether the last selection was a drag (not a double click), and where
    // its button went down: a drag may have begun on a scrollbar rather than
    // over text, which only the window there can tell.
    bool LastWasDrag() const { return m_dragged; }
    int PressX() const { return m_pressX; }
    int PressY() const { return m_pressY; }

private:
    GestureMetrics m_metrics;
    int m_pressX = 0, m_pressY = 0;
    unsigned m_pressTime = 0;
    bool m_pressed = false;
    bool m_canDouble = false;     // the last press may begin a double click
    bool m_doublePress = false;   // the current press completed one
    bool m_selection = false;
    bool m_dragged = false;
};
