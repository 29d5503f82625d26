// The GIF decoder of the page viewer: the first image of a GIF file (87a or 89a) as red, green, blue
// and alpha bytes.
//
// A GIF file is a header ("GIF87a" or "GIF89a"), the logical screen (width, height, an optional
// global colour table), then blocks: extensions (0x21), of which the graphic control extension
// (0xF9) may name a transparent colour index for the image after it; image descriptors (0x2C) with
// the image's place on the screen, an optional local colour table, an interlace flag and the
// LZW-compressed colour indices; the trailer (0x3B).
//
// The decoded picture has the logical screen's size. It is transparent (alpha 0) where the first
// image does not cover it and where the image uses its transparent index; every other pixel is
// opaque. An index past the end of the colour table draws black.
//
// Damage is met as a browser meets it: data that stop inside the compressed indices (or a missing
// end code) leave the pixels not reached transparent, and the image counts as read. What cannot be
// read at all (a bad signature, a cut header or descriptor, no image, a code the LZW table does not
// hold yet, no colour table) is refused.
//
// Not done: animation (only the first image is read), the pixel aspect ratio, plain-text extensions.
//
// Plain C++ without Win32 types, so that the page viewer and a fuzz target share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The largest logical screen accepted: at most this many pixels a side and in all (the decoded
// picture holds 4 bytes a pixel).
const int GIF_MAX_SIDE = 16384;
const int64_t GIF_MAX_PIXELS = int64_t(1) << 25;

// A decoded picture: width × height pixels, rows top-down, 4 bytes a pixel (red, green, blue, alpha 0
// or 255).
struct GifPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
};

// The results of DecodeGif.
enum GifDecode : int {
    GIF_OK = 0,
    GIF_NOT_GIF = 1,       // shorter than the header and screen, or no "GIF87a" / "GIF89a" signature
    GIF_BAD_SIZE = 2,      // a logical screen side of 0, or a screen above the limits
    GIF_TRUNCATED = 3,     // the data end inside a colour table, an extension or a descriptor, or
                           // before any image
    GIF_NO_IMAGE = 4,      // the trailer, or a block of unknown kind, before the first image
    GIF_NO_COLOURS = 5,    // an image with neither a local nor a global colour table
    GIF_BAD_CODE = 6       // an LZW minimum code size outside 2 to 11, or a code not in the table yet
};

// Decodes the first image of the GIF file held in data[0, size) into *picture (when not null). data
// may be null when size is 0. Returns GIF_OK, or the failure found (*picture is left alone then).
int DecodeGif(const uint8_t* data, size_t size, GifPicture* picture);

// Turns the pixels of a decoded picture, in place, into blue, green, red and a zero byte each, white
// where the picture is transparent: the form a page shows it in.
void GifPictureOverWhite(GifPicture& picture);

// Decodes every file of `files` as DecodeGif does, each on a thread of its own when there are several
// (a page of two large graphs), and with overWhite turns each picture decoded with
// GifPictureOverWhite. pictures ends with one picture per file (empty where the file failed); returns
// the result of each file, in order.
std::vector<int> DecodeGifs(const std::vector<std::vector<uint8_t>>& files, bool overWhite,
                            std::vector<GifPicture>& pictures);
