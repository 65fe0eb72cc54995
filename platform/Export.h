#pragma once
// RIVEZOZER_API marks what the library's DLL exports on Windows: the importer classes and the
// shape classes with their inline helpers. Building the DLL defines RIVEZOZER_EXPORTS, a host
// that links the DLL defines RIVEZOZER_DLL; linked as a static library the mark is empty.
#if defined(_WIN32) && defined(RIVEZOZER_EXPORTS)
#define RIVEZOZER_API __declspec(dllexport)
#elif defined(_WIN32) && defined(RIVEZOZER_DLL)
#define RIVEZOZER_API __declspec(dllimport)
#else
#define RIVEZOZER_API
#endif
