#pragma once
// Every reason the census gives, in one table: its code, its words and what it stands for.
#include <string>

enum class ReasonKind
{
    Dropped,    // the importer read the entity and deleted what it made
    PassedOver, // the importer did not make anything of it, by its rules
    Stopped,    // why reading ended before the file's end marker
    ReadToEnd,  // why a reader that read its whole file still answers 0
    Warning,    // what the host will see, though every shape was read by the rules
};

struct Reason
{
    const char* code;
    ReasonKind kind;
    const char* text; // "%1", "%2" stand for the details the scanner fills in
};

// The row of a code; an unknown code is a programming error and aborts.
const Reason& ReasonFor(const std::string& code);

// True for the code of a stop that is no stop: the reader read its whole file.
bool ReadToItsEnd(const std::string& stopCode);

// The reason's text with its details put in.
std::string ReasonText(const std::string& code, const std::string& detail1 = "",
                       const std::string& detail2 = "");
