// the standard and system headers before windows.h, which defines min and max as macros
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <dirent.h>
#include <unistd.h>

#include "ImageTestSupport.h"

void MakeImage(TestDib& image, DWORD width, DWORD height, WORD bits, const std::function<DWORD(DWORD, DWORD)>& value)
{
    ASSERT_TRUE(image.NewImage(width, height, bits));
    for (WORD i = 0; i < image.m_wColors; ++i) {
        const BYTE level = BYTE(i * 255 / (image.m_wColors - 1));
        image.m_lpRGB[i] = {level, level, level, 0};
    }
    for (DWORD y = 0; y < height; ++y) {
        BYTE* row = image.m_lpSrcBits + (height - 1 - y) * image.GetPaddedRowBytes();
        for (DWORD x = 0; x < width; ++x)
            image.SetPixelValue(row, x, value(x, y));
    }
    image.CreatePalette();
}

DWORD PixelAt(const SECImage& image, DWORD x, DWORD y)
{
    const BYTE* row = image.m_lpSrcBits + (image.m_dwHeight - 1 - y) * image.GetPaddedRowBytes();
    switch (image.m_nSrcBitsPerPixel) {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return x % 2 == 0 ? row[x / 2] >> 4 : row[x / 2] & 0x0F;
    default: {
        DWORD value = 0;
        for (DWORD i = 0; i < image.m_nSrcBitsPerPixel / 8u; ++i)
            value |= DWORD(row[x * (image.m_nSrcBitsPerPixel / 8u) + i]) << (8 * i);
        return value;
    }
    }
}

std::vector<DWORD> AllPixels(const SECImage& image)
{
    std::vector<DWORD> pixels;
    for (DWORD y = 0; y < image.m_dwHeight; ++y)
        for (DWORD x = 0; x < image.m_dwWidth; ++x)
            pixels.push_back(PixelAt(image, x, y));
    return pixels;
}

DWORD Pattern(DWORD x, DWORD y, WORD bits)
{
    const DWORD value = x * 7 + y * 13 + (x * y) % 5;
    switch (bits) {
    case 1:
        return (x + y + x * y) % 2;
    case 4:
        return value % 16;
    case 8:
        return value % 256;
    default:
        return Bgr(BYTE(value), BYTE(x * 3), BYTE(y * 11)) & (bits == 16 ? 0xFFFF : 0xFFFFFF);
    }
}

std::string HeaderBytes(const SECImage& image)
{
    const char* p = reinterpret_cast<const char*>(image.m_lpBMI);
    return std::string(p, sizeof(BITMAPINFOHEADER) + image.m_wColors * sizeof(RGBQUAD));
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot read " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ImageData(const std::string& name)
{
    const char* root = std::getenv("ONDRIX_TEST_DATA");
    EXPECT_NE(root, nullptr) << "ONDRIX_TEST_DATA is not set";
    return ReadBytes(std::string(root != nullptr ? root : ".") + "/image/" + name);
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    EXPECT_TRUE(out.good()) << "cannot write " << path;
}

ScratchFolder::ScratchFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/ondrix-image-XXXXXX";
    EXPECT_NE(::mkdtemp(&pattern[0]), nullptr);
    m_path = pattern;
}

ScratchFolder::~ScratchFolder()
{
    if (DIR* dir = ::opendir(m_path.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                ::unlink(File(name).c_str());
        }
        ::closedir(dir);
    }
    ::rmdir(m_path.c_str());
}

std::string MemFileBytes(CMemFile& file)
{
    const uint64_t position = file.GetPosition();
    std::string bytes(size_t(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], UINT(bytes.size()));
    file.Seek(int64_t(position), CFile::begin);
    return bytes;
}
