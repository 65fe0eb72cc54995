#pragma once
// The style sheet and script every report page carries inline.
extern const char* const kPageCss;
extern const char* const kPageJs;
