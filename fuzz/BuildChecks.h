#pragma once

#include "tools/zetodict/SourceRecord.h"

#include <string>
#include <vector>

// Properties of what zetodict build makes of its input, shared by the TSV
// and dictd targets.

// A refused input: the message must say something, and where.
void CheckRefusal(const SourceResult& result);

// Accepted records must reach a .dat file whole: each is written with the
// program's own WriteRecord, loaded back with LoadFile, and must come back
// byte for byte; and zetodict dump's TSV of them must build the same records.
void CheckRecordsSurvive(const std::vector<SourceRecord>& records);
