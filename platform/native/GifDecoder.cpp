#include "native/GifDecoder.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>

namespace {

const size_t kScreenBytes = 13;     // signature, width, height, flags, background, aspect
const size_t kDescriptorBytes = 9;  // left, top, width, height, flags
const int kMaxCodes = 4096;         // LZW codes are at most 12 bits wide

uint16_t Word(const uint8_t* p)
{
    return uint16_t(p[0] | p[1] << 8);
}

// The bytes of the file, read front to back.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    size_t Left() const { return m_size - m_pos; }
    const uint8_t* Take(size_t n)
    {
        if (Left() < n)
            return nullptr;
        const uint8_t* p = m_data + m_pos;
        m_pos += n;
        return p;
    }
    // The next byte, or -1 at the end.
    int Byte() { return m_pos < m_size ? m_data[m_pos++] : -1; }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// The LZW codes of an image's sub-blocks, least significant bit first; ends quietly where the data
// end.
class CodeReader {
public:
    explicit CodeReader(Reader& in) : m_in(in) {}
    // The next code of `width` bits, or -1 when the data end first.
    int Next(int width)
    {
        while (m_bits < width) {
            if (m_blockLeft == 0) {
                const int length = m_ended ? -1 : m_in.Byte();
                if (length <= 0) {
                    m_ended = true;
                    return -1;
                }
                m_blockLeft = length;
            }
            const int byte = m_in.Byte();
            if (byte < 0) {
                m_ended = true;
                return -1;
            }
            --m_blockLeft;
            m_buffer |= uint32_t(byte) << m_bits;
            m_bits += 8;
        }
        const int code = int(m_buffer & ((1u << width) - 1));
        m_buffer >>= width;
        m_bits -= width;
        return code;
    }

private:
    Reader& m_in;
    uint32_t m_buffer = 0;
    int m_bits = 0;
    int m_blockLeft = 0;
    bool m_ended = false;
};

// The bytes of a pixel as the picture holds it: red, green, blue and alpha, or, over white, blue,
// green, red and a zero byte; and the pixel where nothing is drawn.
uint32_t PixelOf(uint8_t first, uint8_t second, uint8_t third, uint8_t fourth)
{
    const uint8_t bytes[4] = {first, second, third, fourth};
    uint32_t pixel;
    std::memcpy(&pixel, bytes, 4);
    return pixel;
}
uint32_t Colour(const uint8_t* rgb, bool overWhite)
{
    return overWhite ? PixelOf(rgb[2], rgb[1], rgb[0], 0) : PixelOf(rgb[0], rgb[1], rgb[2], 255);
}
uint32_t Background(bool overWhite)
{
    return overWhite ? PixelOf(255, 255, 255, 0) : PixelOf(0, 0, 0, 0);
}

// Where the decoded indices of one image go: its rectangle on the screen, in the interlaced row
// order when the image is interlaced, clipped to the screen. Each index is written as the pixel its
// colour makes (the background for the transparent index, black past the colour table), so that the
// picture needs no second pass.
class ImageWriter {
public:
    ImageWriter(GifPicture& picture, int left, int top, int width, int height, bool interlaced,
                const uint8_t* table, int tableSize, int transparent, bool overWhite)
        : m_picture(picture), m_left(left), m_top(top), m_width(width), m_height(height),
          m_interlaced(interlaced)
    {
        static const uint8_t black[3] = {0, 0, 0};
        for (int index = 0; index < 256; ++index)
            m_pixels[index] = Colour(index < tableSize ? table + 3 * index : black, overWhite);
        if (transparent >= 0 && transparent < 256)
            m_pixels[transparent] = Background(overWhite);
        StartRow();
    }
    bool Full() const { return m_width == 0 || m_row >= m_height; }
    // Writes the `count` indices at `indices`, in order, as far as the image goes.
    void Put(const uint8_t* indices, int count)
    {
        while (count > 0 && !Full()) {
            const int run = std::min(count, m_width - m_column);
            const int visible = std::max(0, std::min(run, m_rowVisible - m_column));
            // a row off the screen has no pixels to point into
            if (visible > 0) {
                uint8_t* pixel = m_rowPixels + size_t(m_column) * 4;
                for (int i = 0; i < visible; ++i, pixel += 4)
                    std::memcpy(pixel, &m_pixels[indices[i]], 4);
            }
            indices += run;
            count -= run;
            m_column += run;
            if (m_column == m_width) {
                m_column = 0;
                ++m_row;
                StartRow();
            }
        }
    }

private:
    // Where the row m_row lands: its first pixel on the screen and how many of its pixels are on it
    // (none for a row below the screen, and for the rows after the last).
    void StartRow()
    {
        m_rowPixels = nullptr;
        m_rowVisible = 0;
        if (Full())
            return;
        const int y = m_top + RowOnImage();
        if (y >= m_picture.height || m_left >= m_picture.width)
            return;
        m_rowPixels = &m_picture.rgba[(size_t(y) * size_t(m_picture.width) + size_t(m_left)) * 4];
        m_rowVisible = std::min(m_width, m_picture.width - m_left);
    }

    // The image row of the m_row-th row delivered: interlaced images come in four passes, every
    // eighth row from 0, every eighth from 4, every fourth from 2, every second from 1.
    int RowOnImage() const
    {
        if (!m_interlaced)
            return m_row;
        static const int start[4] = {0, 4, 2, 1};
        static const int step[4] = {8, 8, 4, 2};
        int n = m_row;
        for (int pass = 0; pass < 4; ++pass) {
            const int rows = m_height > start[pass] ? (m_height - start[pass] + step[pass] - 1) / step[pass] : 0;
            if (n < rows)
                return start[pass] + n * step[pass];
            n -= rows;
        }
        return m_height; // not reached: Full() stops the writer first
    }

    GifPicture& m_picture;
    int m_left, m_top, m_width, m_height;
    bool m_interlaced;
    uint32_t m_pixels[256];
    int m_column = 0;
    int m_row = 0;
    uint8_t* m_rowPixels = nullptr;
    int m_rowVisible = 0;
};

// Decodes the LZW indices of one image into out. Returns GIF_OK, also when the data end early, or
// GIF_BAD_CODE.
int DecodeIndices(Reader& in, int minCodeSize, ImageWriter& out)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    uint16_t prefix[kMaxCodes];
    uint8_t suffix[kMaxCodes];
    uint8_t first[kMaxCodes]; // the first index of each code's string
    uint8_t string[kMaxCodes]; // a code's string, filled from its end
    for (int code = 0; code < clear; ++code) {
        suffix[code] = first[code] = uint8_t(code);
        prefix[code] = 0;
    }

    CodeReader codes(in);
    int width = minCodeSize + 1;
    int next = end + 1;
    int previous = -1;
    while (!out.Full()) {
        const int code = codes.Next(width);
        if (code < 0 || code == end)
            break;
        if (code == clear) {
            width = minCodeSize + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (previous < 0) {
            if (code >= clear)
                return GIF_BAD_CODE;
            const uint8_t index = uint8_t(code);
            out.Put(&index, 1);
            previous = code;
            continue;
        }
        if (code > next || (code == next && next >= kMaxCodes))
            return GIF_BAD_CODE;
        // the string of a code not in the table yet is the previous string and its own first index
        const uint8_t head = code == next ? first[previous] : first[code];
        if (next < kMaxCodes) {
            prefix[next] = uint16_t(previous);
            suffix[next] = head;
            first[next] = first[previous];
            ++next;
            if (next == (1 << width) && width < 12)
                ++width;
        }
        int start = kMaxCodes;
        for (int c = code; ; c = prefix[c]) {
            string[--start] = suffix[c];
            if (c < clear)
                break;
        }
        out.Put(string + start, kMaxCodes - start);
        previous = code;
    }
    return GIF_OK;
}

// DecodeGif, with the picture's pixels as GifPictureOverWhite leaves them when overWhite is set.
int Decode(const uint8_t* data, size_t size, GifPicture* picture, bool overWhite)
{
    if (data == nullptr || size < kScreenBytes ||
        (std::memcmp(data, "GIF87a", 6) != 0 && std::memcmp(data, "GIF89a", 6) != 0))
        return GIF_NOT_GIF;
    Reader in(data, size);
    const uint8_t* screen = in.Take(kScreenBytes);
    const int width = Word(screen + 6);
    const int height = Word(screen + 8);
    if (width == 0 || height == 0 || width > GIF_MAX_SIDE || height > GIF_MAX_SIDE ||
        int64_t(width) * height > GIF_MAX_PIXELS)
        return GIF_BAD_SIZE;
    const uint8_t* globalTable = nullptr;
    int globalSize = 0;
    if (screen[10] & 0x80) {
        globalSize = 2 << (screen[10] & 7);
        if ((globalTable = in.Take(size_t(3 * globalSize))) == nullptr)
            return GIF_TRUNCATED;
    }

    int transparent = -1; // from the last graphic control extension
    for (;;) {
        const int kind = in.Byte();
        if (kind < 0)
            return GIF_TRUNCATED;
        if (kind == 0x21) {
            const int label = in.Byte();
            if (label < 0)
                return GIF_TRUNCATED;
            // a chain of sub-blocks (a length byte, that many bytes, ... up to a length of 0); the
            // first of a graphic control extension holds the flags and the transparent index
            for (bool firstBlock = true;; firstBlock = false) {
                const int length = in.Byte();
                if (length < 0)
                    return GIF_TRUNCATED;
                if (length == 0)
                    break;
                const uint8_t* block = in.Take(size_t(length));
                if (block == nullptr)
                    return GIF_TRUNCATED;
                if (label == 0xF9 && firstBlock && length >= 4)
                    transparent = (block[0] & 1) ? block[3] : -1;
            }
            continue;
        }
        if (kind != 0x2C)
            return GIF_NO_IMAGE;

        const uint8_t* descriptor = in.Take(kDescriptorBytes);
        if (descriptor == nullptr)
            return GIF_TRUNCATED;
        const uint8_t flags = descriptor[8];
        const uint8_t* table = globalTable;
        int tableSize = globalSize;
        if (flags & 0x80) {
            tableSize = 2 << (flags & 7);
            if ((table = in.Take(size_t(3 * tableSize))) == nullptr)
                return GIF_TRUNCATED;
        }
        if (table == nullptr)
            return GIF_NO_COLOURS;
        const int minCodeSize = in.Byte();
        if (minCodeSize < 0)
            return GIF_TRUNCATED;
        if (minCodeSize < 2 || minCodeSize > 11)
            return GIF_BAD_CODE;

        GifPicture decoded;
        decoded.width = width;
        decoded.height = height;
        decoded.rgba.resize(size_t(width) * size_t(height) * 4);
        const uint32_t background = Background(overWhite);
        for (size_t i = 0; i < decoded.rgba.size(); i += 4)
            std::memcpy(&decoded.rgba[i], &background, 4);
        ImageWriter writer(decoded, Word(descriptor), Word(descriptor + 2), Word(descriptor + 4),
                           Word(descriptor + 6), (flags & 0x40) != 0, table, tableSize, transparent, overWhite);
        const int result = DecodeIndices(in, minCodeSize, writer);
        if (result == GIF_OK && picture != nullptr)
            *picture = std::move(decoded);
        return result;
    }
}

} // namespace

int DecodeGif(const uint8_t* data, size_t size, GifPicture* picture)
{
    return Decode(data, size, picture, false);
}

void GifPictureOverWhite(GifPicture& picture)
{
    std::vector<uint8_t>& pixels = picture.rgba;
    for (size_t i = 0; i + 3 < pixels.size(); i += 4) {
        if (pixels[i + 3] == 0) {
            pixels[i] = pixels[i + 1] = pixels[i + 2] = 255;
        } else {
            std::swap(pixels[i], pixels[i + 2]);
        }
        pixels[i + 3] = 0;
    }
}

std::vector<int> DecodeGifs(const std::vector<std::vector<uint8_t>>& files, bool overWhite,
                            std::vector<GifPicture>& pictures)
{
    pictures.assign(files.size(), GifPicture());
    std::vector<int> codes(files.size(), GIF_NOT_GIF);
    // what a decoding threw (no memory for a picture) is thrown again once every decoding has ended
    std::vector<std::exception_ptr> errors(files.size());
    auto decode = [&](size_t i) {
        try {
            codes[i] = Decode(files[i].data(), files[i].size(), &pictures[i], overWhite);
        } catch (...) {
            errors[i] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    for (size_t i = 1; i < files.size(); ++i) {
        try {
            threads.emplace_back(decode, i);
        } catch (const std::system_error&) {
            // no thread to be had: this file is decoded after the first, on the calling thread
            decode(i);
        }
    }
    if (!files.empty())
        decode(0);
    for (std::thread& thread : threads)
        thread.join();
    for (const std::exception_ptr& error : errors) {
        if (error)
            std::rethrow_exception(error);
    }
    return codes;
}
