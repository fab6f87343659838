#pragma once

struct sqlite3;

// BEGINS_UPPER(text, prefix): whether the Unicode upper case of `text` begins with
// `prefix` (given in upper case), compared as `UPPER(text) LIKE prefix || '%'` would
// compare it with every character literal. A search runs it on every row, so plain
// ASCII text is compared in place and stops at the first differing character; only
// text with other characters is upper-cased in full.
void RegisterBeginsWith(sqlite3* db);
