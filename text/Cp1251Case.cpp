#include "text/Cp1251Case.h"

unsigned char ToLower1251(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDF))
        return c + 0x20;
    switch (c) {
    case 0x80: return 0x90;   // Ђ ђ
    case 0x81: return 0x83;   // Ѓ ѓ
    case 0x8A: return 0x9A;   // Љ љ
    case 0x8C: return 0x9C;   // Њ њ
    case 0x8D: return 0x9D;   // Ќ ќ
    case 0x8E: return 0x9E;   // Ћ ћ
    case 0x8F: return 0x9F;   // Џ џ
    case 0xA1: return 0xA2;   // Ў ў
    case 0xA3: return 0xBC;   // Ј ј
    case 0xA5: return 0xB4;   // Ґ ґ
    case 0xA8: return 0xB8;   // Ё ё
    case 0xAA: return 0xBA;   // Є є
    case 0xAF: return 0xBF;   // Ї ї
    case 0xB2: return 0xB3;   // І і
    case 0xBD: return 0xBE;   // Ѕ ѕ
    default: return c;
    }
}
