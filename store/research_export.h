#pragma once

#include "store/sheet_table.h"

#include <map>
#include <random>
#include <string>
#include <vector>

namespace vorlant {

// An export for research names no one: each person is a code, "P001", "P002", … (more digits
// past 999 persons), and the key from codes to names is kept apart. person → code.
using ResearchCodes = std::map<std::string, std::string>;

// Codes for persons, handed out in an order drawn with random, so that a code does not tell
// where its person stands in the alphabet.
ResearchCodes DrawResearchCodes(const std::vector<std::string> &persons, std::mt19937 &random);

// The overview's sheet without names and dates: each row's person (the first column) becomes
// its code under codeHeader, and the date columns (those of kDateFormat) become one column
// daysHeader, where the first of them stood: the days from the earliest to the latest of those
// dates. Rows in the order of their codes; a row whose person has no code is left out.
SheetTable ResearchOverviewSheet(const SheetTable &overview, const ResearchCodes &codes,
                                 const std::string &codeHeader, const std::string &daysHeader);

// The sheet sheetName with one row an attempt of every test of the coded persons in folder, in
// the order of the codes, each person's tests oldest first: "kod", "test" (the person's tests
// numbered from 1), "den" (the days since the person's first test with attempts, by the dates
// in the file names), "pokus" (from 0, as the chart numbers them), "delka", "uspech" (0 or 1),
// "cas_ms". Files that cannot be read, or whose names carry no time, add nothing and are
// named in unreadable.
struct ResearchAttempts
{
    SheetTable sheet;
    std::vector<std::string> unreadable;
};
ResearchAttempts ResearchAttemptsSheet(const std::string &folder, const ResearchCodes &codes,
                                       const std::string &sheetName);

// The key as CSV: "kod,osoba", then a line a code, in the order of the codes.
std::string ResearchKeyCsv(const ResearchCodes &codes);

} // namespace vorlant
