// The JPEG codec over libjpeg: decodes a JPEG stream into pixel rows and encodes pixel rows into one.
//
// Bytes come from the caller's JpegInput and go to its JpegOutput through buffers of 4096 bytes. Pixel
// rows are in the codec's order: red, green, blue for colour, one byte for grey or for a palette index.
//
// Errors: libjpeg ends an operation by calling an exit routine; here that routine jumps back into the
// wrapper, which destroys the codec object and returns false, so no codec error ends the process or
// leaks. Warnings are not errors: a stream that ends early reads as if it ended there (the codec fills
// the rows it did not get). The codec's own messages are neither shown nor printed.
//
// The callbacks below run inside libjpeg: they must not throw (they are noexcept), and must not keep a
// pointer to a row after they return.
//
// Plain C++ without Win32 types: the image classes call it, and so does a fuzz target.
#pragma once

#include <cstddef>
#include <cstdint>

// Where DecodeJpeg reads the compressed bytes.
class JpegInput {
public:
    virtual ~JpegInput() = default;
    // Reads up to `size` bytes into buffer and sets *got to the number read (0 at the end of the
    // data). Returns false on a read error, which fails the decode.
    virtual bool Read(uint8_t* buffer, size_t size, size_t* got) noexcept = 0;
};

// Where EncodeJpeg writes the compressed bytes.
class JpegOutput {
public:
    virtual ~JpegOutput() = default;
    // Writes all `size` bytes. Returns false when it cannot, which fails the encode.
    virtual bool Write(const uint8_t* bytes, size_t size) noexcept = 0;
    // Called once after the last bytes. Returns false when they cannot be written through.
    virtual bool Flush() noexcept = 0;
};

// The image a decode delivers.
struct JpegFrame {
    int width;       // pixels, 1 to 65500
    int height;      // pixels, 1 to 65500
    int components;  // bytes per pixel of the rows: 3 (red, green, blue), or 1 (grey, or a palette
                     // index when quantised)
    bool quantised;  // rows hold indices into the palette given at the end
};

// Receives what DecodeJpeg reads.
class JpegPixelSink {
public:
    virtual ~JpegPixelSink() = default;
    // Called once the header is read, before any row. Returns false to refuse the image (the decode
    // then fails).
    virtual bool Begin(const JpegFrame& frame) noexcept = 0;
    // Row y (0 is the top), frame.width × frame.components bytes. Rows come in order, each once.
    virtual void Row(int y, const uint8_t* row) noexcept = 0;
    // Quantised decodes only, after the last row: `count` palette colours (at most 256); red, green
    // and blue hold count bytes each (the same array for a grey image).
    virtual void Palette(const uint8_t* red, const uint8_t* green, const uint8_t* blue, int count) noexcept = 0;
};

// Supplies the rows EncodeJpeg compresses.
class JpegPixelSource {
public:
    virtual ~JpegPixelSource() = default;
    // Fills `row` with row y (0 is the top): width × 3 bytes red, green, blue. Rows are asked in order.
    virtual void Row(int y, uint8_t* row) noexcept = 0;
};

// Decodes a JPEG stream from input into sink. Colour images come as red, green, blue rows, greyscale
// images as grey rows; with `quantise`, the codec reduces the colours to a palette of at most 256
// (two passes) and the rows hold palette indices. Returns true when the image was read; false when the
// stream is empty, is not a JPEG image, holds colours the codec cannot turn into red, green, blue or
// grey (CMYK), fails to read, or when the sink refused it.
bool DecodeJpeg(JpegInput& input, bool quantise, JpegPixelSink& sink);

// Encodes a width × height image whose rows come from source (red, green, blue, 3 components) as a
// baseline JPEG stream of the given quality (clamped to 1 to 100; 75 is the usual) into output.
// Returns true when the whole stream was written; false for a width or height outside 1 to 65500 or
// when the output fails.
bool EncodeJpeg(JpegOutput& output, int width, int height, int quality, JpegPixelSource& source);
