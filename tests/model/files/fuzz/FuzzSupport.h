// Shared by the file-reader fuzz targets: the readers take a path, so each input is put into a
// scratch file first. The file lives as long as the process and is removed at exit.
#pragma once

#include "model/ZQInterfaceData.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The path of the process's scratch file number n (0 or 1), created on first use.
const std::string& FuzzScratchPath(int n);

// Replaces scratch file n with the input bytes and returns its path.
const std::string& WriteFuzzInput(int n, const uint8_t* data, size_t size);

// Stops the run with a message when a property of the readers or writers does not hold.
void FuzzCheck(bool condition, const char* what);

// Rows of a table as one text, for comparing two projects; column `skip` of every row is left out
// (-1: none).
std::string FuzzTableText(const ZQTable& table, int skip = -1);
