// Letter case in Windows-1251, for texts shown to the user (the suggestion
// list). Lookups fold only A-Z (dictionary/); this knows the Cyrillic
// capitals too.
#pragma once

// Windows-1251 capitals to small letters: A-Z, А-Я and the Cyrillic capitals
// that the code page scatters over 0x80-0xBF. Every other byte stays.
unsigned char ToLower1251(unsigned char c);
