#pragma once
// The two-letter mnemonic that opens a plotter command.
#include "platform/Afx.h"

// Whether the command opens with the mnemonic (two capital letters), ignoring case as
// Left(2).CompareNoCase(mnemonic) does: two ASCII characters are told at once, others (which
// the runtime's case folding may still map onto a letter) by that comparison itself.
inline bool IsMnemonic(const CString& label, const wchar_t* mnemonic)
{
    if (label.GetLength() < 2)
        return false;
    const wchar_t a = label[0], b = label[1];
    if (a < 0x80 && b < 0x80)
        return (a & ~0x20) == mnemonic[0] && (b & ~0x20) == mnemonic[1];
    return label.Left(2).CompareNoCase(mnemonic) == 0;
}
