#pragma once
// Case folding for searches and lookups. The fold maps to lower case, in both
// forms, so that a folded ANSI text converted to wide text equals the wide fold
// of the same characters, for every byte of Windows-1252.

#include <cstddef>
#include <string>

#include "platform/runtime/WinTypes.h"

unsigned char FoldAnsiChar(unsigned char c);
// Folds NUL-terminated ANSI text in place.
void FoldAnsi(char* text);
void FoldAnsi(std::string& text);

char16_t FoldWideChar(char16_t c);
void FoldWide(WideString& text);
