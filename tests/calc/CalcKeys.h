#pragma once
// The calculator's keys as test tables write them: "1 2 + 3 =", one token per click, with
// "." "+" "-" "*" "/" "^" "=" "sin" "cos" "+/-" and "C" besides the digits.

#include "calc/Calculator.h"

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> keyTokens(std::string_view keys);

// Presses one key on the engine; an unknown token fails the test.
void pressKey(Calculator& calculator, std::string_view token);
void pressKeys(Calculator& calculator, std::string_view keys);

// The objectName of the page's button for a token, or nullptr for an unknown token.
const char* buttonNameOf(std::string_view token);

// `count` digits d, each a token of its own: " 0 0 0".
std::string repeatedDigit(char digit, int count);
