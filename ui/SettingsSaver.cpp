#include "ui/SettingsSaver.h"

#include "settings/SettingsFile.h"

namespace {

constexpr UINT RETRY_MS = 100;
constexpr DWORD GIVE_UP_MS = 10000;
constexpr DWORD EXIT_WAIT_MS = 2000;

} // namespace

using settings::WriteResult;

SettingsSaver::SettingsSaver(std::function<void()> notSaved) : m_notSaved(std::move(notSaved)) {}

void SettingsSaver::Loaded(const std::string& text, bool writable)
{
    m_saved = m_wanted = text;
    m_writable = writable;
}

void SettingsSaver::Save(const std::string& text)
{
    if (!m_writable)
        return;
    m_wanted = text;
    if (!m_retry.Running())   // otherwise the next retry writes the newest text
        Write();
}

void SettingsSaver::Write()
{
    if (m_wanted == m_saved) {
        m_retry.Stop();
        return;
    }
    const WriteResult result = settings::WriteSettingsFile(settings::FILE_NAME, m_wanted);
    if (result == WriteResult::Written) {
        m_saved = m_wanted;
        m_retry.Stop();
        return;
    }
    if (result == WriteResult::Held) {
        if (!m_retry.Running()) {
            m_heldSince = ::GetTickCount();
            if (m_retry.Start(RETRY_MS))
                return;
        } else if (::GetTickCount() - m_heldSince < GIVE_UP_MS) {
            return;
        }
    }
    m_retry.Stop();
    m_notSaved();
}

void SettingsSaver::SaveBeforeExit(const std::string& text)
{
    if (!m_writable)
        return;
    m_retry.Stop();
    m_wanted = text;
    if (m_wanted == m_saved)
        return;
    const DWORD start = ::GetTickCount();
    WriteResult result;
    while ((result = settings::WriteSettingsFile(settings::FILE_NAME, m_wanted)) == WriteResult::Held &&
           ::GetTickCount() - start < EXIT_WAIT_MS)
        ::Sleep(RETRY_MS);
    if (result == WriteResult::Written)
        m_saved = m_wanted;
    else
        m_notSaved();
}
