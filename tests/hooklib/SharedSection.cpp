#include "SharedSection.h"

#include <cstring>

SharedSection FindTapwireSection()
{
    SharedSection found;
    auto* base = reinterpret_cast<const BYTE*>(GetModuleHandleA("Tapwire.dll"));
    if (!base)
        return found;
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
        if (std::memcmp(section->Name, ".ZETO\0\0\0", IMAGE_SIZEOF_SHORT_NAME) == 0) {
            found.words = reinterpret_cast<const volatile LONG*>(base + section->VirtualAddress);
            found.virtualSize = section->Misc.VirtualSize;
            found.characteristics = section->Characteristics;
        }
    }
    return found;
}
