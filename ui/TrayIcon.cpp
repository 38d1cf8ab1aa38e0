#include "ui/TrayIcon.h"

namespace {
constexpr UINT RETRY_MS = 1000;
}

CTrayIcon::CTrayIcon(NOTIFYICONDATAA& nid) : m_nid(nid) {}

CTrayIcon::~CTrayIcon() { Leave(); }

void CTrayIcon::Enter()
{
    m_inTray = true;
    Offer();
}

void CTrayIcon::Leave()
{
    m_inTray = false;
    m_retry.Stop();
    if (m_shown)
        ::Shell_NotifyIconA(NIM_DELETE, &m_nid);
    m_shown = false;
}

void CTrayIcon::Refresh()
{
    if (m_shown)
        ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
}

void CTrayIcon::OnTaskbarCreated()
{
    if (!m_inTray)
        return;   // a window on the screen needs no icon
    m_shown = false;
    Offer();
}

void CTrayIcon::Offer()
{
    if (!m_inTray) {
        m_retry.Stop();
        return;
    }
    m_shown = ::Shell_NotifyIconA(NIM_ADD, &m_nid) || ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
    if (m_shown)
        m_retry.Stop();
    else if (!m_retry.Running())
        m_retry.Start(RETRY_MS);
}
