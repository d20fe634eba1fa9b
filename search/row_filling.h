// Appends the rows of the last run of resultRegex to the result list.
#pragma once

class ResultList;

enum class FillKind { Collect, NextPage };

// Rows are numbered from existing + 1. A collection also writes the update time
// into column 0, the list's own label column; a next page leaves it empty.
void fillRows(ResultList* list, int existing, FillKind kind);
