// The texts a chart reads whole from the program's resources or from files: polygon texts
// (DEDized::LoadPolygonFile) and chart templates (DEDized::ReadTemplate).
#pragma once

#include <string>

// What ReadChartResourceText found.
enum ChartResourceTextResult { chartResourceMissing = 0, chartResourceRead = 1, chartResourceUnlocked = 2 };

// The text of the resource lpszName (a name, or an id made with MAKEINTRESOURCE) of type lpszType, from
// whichever module of the program holds it, into rText. Returns chartResourceRead, chartResourceMissing
// when no module holds it (or lpszType is null), or chartResourceUnlocked when it cannot be loaded or
// locked.
ChartResourceTextResult ReadChartResourceText(const char* lpszName, const char* lpszType, std::string& rText);

// The whole file at the host path lpszPath into rText. False when lpszPath is a resource id, or the
// file cannot be opened or read to its end (rText then holds nothing useful).
bool ReadChartFileText(const char* lpszPath, std::string& rText);
