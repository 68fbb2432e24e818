// Case conversion of words: only the ASCII letters change, every other byte
// passes through, and no locale takes part.
#pragma once

#include <string>

std::string AsciiLowerCase(std::string text);
std::string AsciiUpperCase(std::string text);
