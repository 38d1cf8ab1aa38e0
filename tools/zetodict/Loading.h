#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/IrregularForms.h"

#include <cstdio>
#include <string>
#include <vector>

// Loads the files in order into one dictionary, as Zeto loads data.dat and
// then NewData.dat. False, with a message naming the command, when a file
// cannot be read; a record cut short is left out with a warning, as Zeto
// leaves it out.
bool LoadDictionaries(const std::vector<std::string>& paths, CDictionary& dict, const char* command, FILE* err);

// forms.dat from the folder of the first dictionary file, as Zeto reads it
// beside data.dat. When it is missing or damaged, a warning, and the base
// forms are found by the rules alone, as in Zeto.
void LoadIrregularForms(const std::string& firstDictionary, CIrregularForms& forms, const char* command, FILE* err);
