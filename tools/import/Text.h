#pragma once
// Command-line bytes to the wide strings the importers take.
#include <string>

#include "platform/CString.h"

// Valid UTF-8 sequences become their code points, any other byte its Latin-1 character,
// the way the importers read their files.
CString WideFromUtf8(const std::string& text);
