#pragma once

#include <cstdio>
#include <string>
#include <vector>

// The tool's commands. Each takes the arguments after its name and returns
// the exit status: 0 done, 1 the input is faulty, 2 wrong usage or a file
// that cannot be read.
int RunBuild(const std::vector<std::string>& args, FILE* err);
int RunDump(const std::vector<std::string>& args, FILE* out, FILE* err);
int RunLookup(const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err);
int RunForms(const std::vector<std::string>& args, FILE* err);
int RunPronunciations(const std::vector<std::string>& args, FILE* err);
int RunCoverage(const std::vector<std::string>& args, FILE* in, FILE* out, FILE* err);
int RunExplain(const std::vector<std::string>& args, FILE* out, FILE* err);
int RunQuality(const std::vector<std::string>& args, FILE* out, FILE* err);
int RunSelections(const std::vector<std::string>& args, FILE* out, FILE* err);
