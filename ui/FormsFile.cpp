#include "ui/FormsFile.h"

#include "framework/Text.h"
#include "text/Cp1251Literal.h"

#include <cstdio>

namespace {
constexpr auto NOTE_NO_FORMS = cp1251::Literal(
    u8"Файлът forms.dat липсва или е повреден: неправилните форми (ran, children) няма да се откриват.");
}

void FormsFile::Load()
{
    if (m_read)
        return;
    m_read = true;
    FILE* file = OpenFileNamed(CIrregularForms::FILE_NAME, "rb");
    const bool loaded = file && m_forms.Load(file);
    if (file)
        std::fclose(file);
    if (!loaded)
        m_note(NOTE_NO_FORMS.c_str());
}
