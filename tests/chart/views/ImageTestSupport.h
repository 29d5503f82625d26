// Helpers of the image-class tests: images of any depth made and read pixel by pixel, files in a
// scratch folder, memory files, and the test data.
#pragma once

#include "wine_gtest.h"

// the standard headers before windows.h, which defines min and max as macros (the recording services
// object's header holds its own)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "FakeServices.h"

#include <windows.h>

#include "chart/views/image/SECDib.h"
#include "chart/views/image/SECJpeg.h"

// An SECDib whose building blocks the tests may call.
class TestDib : public SECDib {
public:
    using SECImage::GetPixelValue;
    using SECImage::NewImage;
    using SECImage::SetPixelValue;
};

// An empty image of that size and depth whose pixel (x, y), y counted from the top, is value(x, y)
// (a table index, or packed blue, green, red bytes); the colour table is a grey ramp.
void MakeImage(TestDib& image, DWORD width, DWORD height, WORD bits, const std::function<DWORD(DWORD, DWORD)>& value);
// Pixel (x, y) of an image, y counted from the top.
DWORD PixelAt(const SECImage& image, DWORD x, DWORD y);
// Every pixel of an image from the top row down, one value each.
std::vector<DWORD> AllPixels(const SECImage& image);
// A pixel value of a test pattern: differs between neighbours, fits the depth.
DWORD Pattern(DWORD x, DWORD y, WORD bits);
// Packed blue, green, red of a 24-bit pixel.
inline DWORD Bgr(BYTE red, BYTE green, BYTE blue)
{
    return DWORD(blue) | DWORD(green) << 8 | DWORD(red) << 16;
}

// The 40-byte header and the colour table as bytes.
std::string HeaderBytes(const SECImage& image);

// The bytes of a file ("" and a test failure when it cannot be read), and of tests/data/image/<name>.
std::string ReadBytes(const std::string& path);
std::string ImageData(const std::string& name);
void WriteBytes(const std::string& path, const std::string& bytes);

// A fresh scratch folder (host path) for the test's files, removed with its files at the end.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// The contents of a memory file.
std::string MemFileBytes(CMemFile& file);
