#pragma once

#include "dictionary/Dictionary.h"
#include "dictionary/FormLookup.h"
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

// Both, as Zeto loads them for its lookup: the dictionaries, and with
// withForms the irregular forms beside the first. False as LoadDictionaries.
bool LoadForLookup(const std::vector<std::string>& paths, CFormLookup& lookup, CDictionary& dict, bool withForms,
                   const char* command, FILE* err);

class PivotSupport;
// "--pivot ENG-X X-BUL" at args[i]: adds the language and moves i to its
// last argument. *status is 0, or the exit status of a failure, said on err.
bool TakePivotOption(const std::vector<std::string>& args, std::size_t& i, PivotSupport& pivots,
                     const char* command, FILE* err, int* status);
