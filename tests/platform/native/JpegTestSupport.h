// Helpers of the JPEG codec's tests and fuzz target: input from bytes in memory, output into a vector,
// and a sink that keeps the decoded image.
#pragma once

#include "native/JpegCodec.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

// Reads from a byte range (kept by the caller), or from its own copy of a string; with failAfter >= 0,
// a read that would pass that many bytes fails.
class MemoryJpegInput : public JpegInput {
public:
    MemoryJpegInput(const uint8_t* data, size_t size, long failAfter = -1)
        : m_data(data), m_size(size), m_failAfter(failAfter)
    {
    }
    explicit MemoryJpegInput(std::string bytes)
        : m_copy(std::move(bytes)), m_data(reinterpret_cast<const uint8_t*>(m_copy.data())), m_size(m_copy.size()),
          m_failAfter(-1)
    {
    }
    bool Read(uint8_t* buffer, size_t size, size_t* got) noexcept override
    {
        const size_t n = std::min<size_t>(size, m_size - m_pos);
        if (m_failAfter >= 0 && m_pos + n > size_t(m_failAfter))
            return false;
        std::memcpy(buffer, m_data + m_pos, n);
        m_pos += n;
        *got = n;
        return true;
    }

private:
    std::string m_copy;
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
    long m_failAfter;
};

// Collects what is written; with failAfter >= 0, a write that would pass that many bytes fails.
class VectorJpegOutput : public JpegOutput {
public:
    explicit VectorJpegOutput(long failAfter = -1) : m_failAfter(failAfter) {}
    bool Write(const uint8_t* bytes, size_t size) noexcept override
    {
        if (m_failAfter >= 0 && written.size() + size > size_t(m_failAfter))
            return false;
        written.insert(written.end(), bytes, bytes + size);
        return true;
    }
    bool Flush() noexcept override
    {
        ++flushes;
        return true;
    }
    std::string Text() const { return std::string(written.begin(), written.end()); }

    std::vector<uint8_t> written;
    int flushes = 0;

private:
    long m_failAfter;
};

// Keeps the decoded frame, its rows top-down and the palette; refuses frames above maxPixels.
class DecodedJpeg : public JpegPixelSink {
public:
    explicit DecodedJpeg(size_t maxPixels = 1u << 24) : m_maxPixels(maxPixels) {}
    bool Begin(const JpegFrame& f) noexcept override
    {
        ++begins;
        frame = f;
        if (size_t(f.width) * size_t(f.height) > m_maxPixels)
            return false;
        pixels.assign(size_t(f.width) * size_t(f.height) * size_t(f.components), 0);
        return true;
    }
    void Row(int y, const uint8_t* row) noexcept override
    {
        rowsInOrder = rowsInOrder && y == rows;
        ++rows;
        const size_t bytes = size_t(frame.width) * size_t(frame.components);
        if (y >= 0 && y < frame.height)
            std::memcpy(&pixels[size_t(y) * bytes], row, bytes);
    }
    void Palette(const uint8_t* red, const uint8_t* green, const uint8_t* blue, int count) noexcept override
    {
        palette.clear();
        for (int i = 0; i < count; ++i)
            palette.push_back({red[i], green[i], blue[i]});
    }
    // The colour at (x, y), through the palette when quantised; grey repeated.
    std::vector<int> At(int x, int y) const
    {
        const uint8_t* p = &pixels[(size_t(y) * size_t(frame.width) + size_t(x)) * size_t(frame.components)];
        if (frame.quantised) {
            const auto& c = palette.at(*p);
            return {c[0], c[1], c[2]};
        }
        if (frame.components == 1)
            return {p[0], p[0], p[0]};
        return {p[0], p[1], p[2]};
    }

    JpegFrame frame = {};
    std::vector<uint8_t> pixels;
    std::vector<std::vector<int>> palette;
    int begins = 0;
    int rows = 0;
    bool rowsInOrder = true;

private:
    size_t m_maxPixels;
};

// Rows from a function of (x, y) giving red, green, blue.
template <class F>
class FunctionPixels : public JpegPixelSource {
public:
    FunctionPixels(int width, F colour) : m_width(width), m_colour(colour) {}
    void Row(int y, uint8_t* row) noexcept override
    {
        for (int x = 0; x < m_width; ++x) {
            const std::vector<int> c = m_colour(x, y);
            for (int k = 0; k < 3; ++k)
                row[3 * x + k] = uint8_t(c[size_t(k)]);
        }
    }

private:
    int m_width;
    F m_colour;
};

template <class F>
FunctionPixels<F> MakePixels(int width, F colour)
{
    return FunctionPixels<F>(width, colour);
}
