#pragma once
// Keeps a cookie text up to date across web requests: the cookies a response set replace the
// sent ones of the same name, sent cookies the response did not touch stay, and cookies the
// response deleted are gone.

#include "common/Text.h"

#include <string_view>
#include <vector>

// The text before the first "=" of a cookie item, trimmed; an item without "=" is all name.
Text cookieName(std::string_view item);

// True when some item of `items` has the cookie name `name` (exact, case-sensitive).
bool hasCookieNamed(const std::vector<Text>& items, std::string_view name);

// The 1-based index of the first item equal to `text`, or -1.
int indexOfText(const std::vector<Text>& items, std::string_view text);

// Splits at `separator`, keeps the first of equal pieces, and joins the kept pieces again.
Text removeDuplicates(std::string_view text, std::string_view separator);

// Merges the cookies that were sent with those the response set. Both texts lose their spaces
// in place; `sent` then holds the merged text, which is also returned. Items of the merged
// text are separated by "; ": first the received ones in their order, then the sent ones whose
// names were not received; items ending in "=deleted" and exact repeats are left out.
Text mergeCookies(Text& sent, Text& received);
