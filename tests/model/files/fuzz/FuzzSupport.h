// Shared by the file-reader fuzz targets: the input as the bytes of a file, a property check, and a
// project's tables as one text for comparing two projects.
#pragma once

#include "FuzzCheck.h"
#include "model/ZQInterfaceData.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The fuzzer's input as the bytes of a project file.
inline std::string_view FuzzInput(const uint8_t* data, size_t size)
{
    return std::string_view(reinterpret_cast<const char*>(data), size);
}

// Rows of a table as one text, for comparing two projects; column `skip` of every row is left out
// (-1: none).
std::string FuzzTableText(const ZQTable& table, int skip = -1);
