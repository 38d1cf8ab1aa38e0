#include "capture/SelectionGesture.h"

#include <cstdlib>

namespace {
// Inside the rectangle of width x height centred on the first point.
bool Within(int dx, int dy, int width, int height)
{
    return std::abs(dx) <= width / 2 && std::abs(dy) <= height / 2;
}
}  // namespace

void SelectionGesture::Press(int x, int y, unsigned timeMs)
{
    m_doublePress = m_canDouble && timeMs - m_pressTime <= m_metrics.doubleClickMs &&
                    Within(x - m_pressX, y - m_pressY, m_metrics.doubleWidth, m_metrics.doubleHeight);
    // A third press in a row begins afresh, as the system counts clicks.
    m_canDouble = !m_doublePress;
    m_pressX = x;
    m_pressY = y;
    m_pressTime = timeMs;
    m_pressed = true;
    m_selection = false;
}

void SelectionGesture::Release(int x, int y)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    m_dragged = !m_doublePress && !Within(x - m_pressX, y - m_pressY, m_metrics.dragWidth, m_metrics.dragHeight);
    m_selection = m_doublePress || m_dragged;
    if (m_dragged)
        m_canDouble = false;
}

bool SelectionGesture::TakeSelection()
{
    bool selection = m_selection;
    m_selection = false;
    return selection;
}
