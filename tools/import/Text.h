#pragma once
// Command-line bytes to the wide strings the importers take.
#include <string>

#include "platform/CString.h"

// Valid UTF-8 sequences become their code points, any other byte its Latin-1 character,
// the way the importers read their files.
CString WideFromUtf8(const std::string& text);

// UTF-8 text for XML and HTML: markup characters escaped, control characters that XML cannot
// hold as U+FFFD.
std::string XmlText(const std::string& utf8);
