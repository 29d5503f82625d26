// Fuzzes the GIF decoder of the page viewer: whatever it accepts is a whole picture of the logical
// screen's size, within the limits, each pixel opaque or clear.
#include "FuzzCheck.h"
#include "native/GifDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    GifPicture picture;
    if (DecodeGif(data, size, &picture) != GIF_OK)
        return 0;
    FuzzCheck(picture.width >= 1 && picture.height >= 1 && picture.width <= GIF_MAX_SIDE &&
                  picture.height <= GIF_MAX_SIDE && int64_t(picture.width) * picture.height <= GIF_MAX_PIXELS,
              "a picture within the limits");
    FuzzCheck(picture.rgba.size() == size_t(picture.width) * size_t(picture.height) * 4, "four bytes a pixel");
    for (size_t i = 3; i < picture.rgba.size(); i += 4)
        FuzzCheck(picture.rgba[i] == 0 || picture.rgba[i] == 255, "pixels opaque or clear");
    return 0;
}
