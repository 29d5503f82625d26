// Fuzzes the JPEG codec wrapper: every stream is decoded as colour rows and quantised. A decode that
// succeeds delivered every row once, in order, and quantised indices that name palette colours; the
// decoded image encodes again and decodes to the same size. The sink refuses images above 65536
// pixels, whose rows would only slow the run.
#include "FuzzCheck.h"
#include "JpegTestSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t maxPixels = size_t(1) << 16;
    for (bool quantise : {false, true}) {
        MemoryJpegInput input(data, size);
        DecodedJpeg image(maxPixels);
        if (!DecodeJpeg(input, quantise, image))
            continue;
        FuzzCheck(image.begins == 1 && image.rows == image.frame.height && image.rowsInOrder, "every row once, in order");
        FuzzCheck(image.frame.quantised == quantise, "quantised as asked");
        if (quantise) {
            FuzzCheck(image.frame.components == 1 && !image.palette.empty() && image.palette.size() <= 256,
                      "a palette of 1 to 256 colours");
            for (uint8_t index : image.pixels)
                FuzzCheck(index < image.palette.size(), "indices inside the palette");
            continue;
        }
        FuzzCheck(image.frame.components == 1 || image.frame.components == 3, "grey or colour rows");

        VectorJpegOutput output;
        auto pixels = MakePixels(image.frame.width, [&image](int x, int y) { return image.At(x, y); });
        FuzzCheck(EncodeJpeg(output, image.frame.width, image.frame.height, 75, pixels), "a decoded image encodes");
        MemoryJpegInput again(output.written.data(), output.written.size());
        DecodedJpeg copy(maxPixels);
        FuzzCheck(DecodeJpeg(again, false, copy) && copy.frame.width == image.frame.width &&
                      copy.frame.height == image.frame.height && copy.frame.components == 3,
                  "an encoded image decodes to its size");
    }
    return 0;
}
