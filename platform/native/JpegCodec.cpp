#include "native/JpegCodec.h"

// jpeglib.h needs size_t and FILE declared first
#include <csetjmp>
#include <cstdio>

#include <jerror.h>
#include <jpeglib.h>

// The functions that call setjmp hold only plain C structures and pointers, and every callback that
// libjpeg may leave by the jump has nothing to destroy when it raises the error: the jump skips no
// C++ destructor.

namespace {

const size_t kBufferSize = 4096;

struct ErrorManager {
    jpeg_error_mgr pub;  // first: libjpeg sees only this part
    jmp_buf jump;
};

void JumpOnError(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

void StayQuiet(j_common_ptr) {}

jpeg_error_mgr* InstallErrors(ErrorManager& errors)
{
    jpeg_error_mgr* err = jpeg_std_error(&errors.pub);
    err->error_exit = JumpOnError;
    err->output_message = StayQuiet;
    return err;
}

// ---- reading --------------------------------------------------------------------------------------

struct SourceManager {
    jpeg_source_mgr pub;  // first: libjpeg sees only this part
    JpegInput* input;
    JOCTET* buffer;
    bool atStart;         // nothing was read yet
};

SourceManager* Source(j_decompress_ptr cinfo)
{
    return reinterpret_cast<SourceManager*>(cinfo->src);
}

void InitSource(j_decompress_ptr cinfo)
{
    Source(cinfo)->atStart = true;
}

boolean FillInput(j_decompress_ptr cinfo)
{
    SourceManager* src = Source(cinfo);
    size_t got = 0;
    if (!src->input->Read(src->buffer, kBufferSize, &got))
        ERREXIT(cinfo, JERR_FILE_READ);
    if (got > kBufferSize)
        got = kBufferSize;
    if (got == 0) {
        if (src->atStart)
            ERREXIT(cinfo, JERR_INPUT_EMPTY);
        // A stream cut short ends here: an end-of-image marker lets the codec finish the image.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        got = 2;
    }
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = got;
    src->atStart = false;
    return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count)
{
    if (count <= 0)
        return;
    SourceManager* src = Source(cinfo);
    while (count > long(src->pub.bytes_in_buffer)) {
        count -= long(src->pub.bytes_in_buffer);
        FillInput(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= size_t(count);
}

void TermSource(j_decompress_ptr) {}

void InstallSource(j_decompress_ptr cinfo, JpegInput& input)
{
    auto* src = static_cast<SourceManager*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(SourceManager)));
    src->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, kBufferSize));
    src->input = &input;
    src->atStart = true;
    src->pub.init_source = InitSource;
    src->pub.fill_input_buffer = FillInput;
    src->pub.skip_input_data = SkipInput;
    src->pub.resync_to_restart = jpeg_resync_to_restart;
    src->pub.term_source = TermSource;
    src->pub.next_input_byte = nullptr;
    src->pub.bytes_in_buffer = 0;
    cinfo->src = &src->pub;
}

// ---- writing --------------------------------------------------------------------------------------

struct DestinationManager {
    jpeg_destination_mgr pub;  // first: libjpeg sees only this part
    JpegOutput* output;
    JOCTET* buffer;
};

DestinationManager* Destination(j_compress_ptr cinfo)
{
    return reinterpret_cast<DestinationManager*>(cinfo->dest);
}

void InitDestination(j_compress_ptr cinfo)
{
    DestinationManager* dest = Destination(cinfo);
    dest->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, kBufferSize));
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = kBufferSize;
}

boolean EmptyOutput(j_compress_ptr cinfo)
{
    DestinationManager* dest = Destination(cinfo);
    if (!dest->output->Write(dest->buffer, kBufferSize))
        ERREXIT(cinfo, JERR_FILE_WRITE);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = kBufferSize;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    DestinationManager* dest = Destination(cinfo);
    const size_t used = kBufferSize - dest->pub.free_in_buffer;
    if ((used > 0 && !dest->output->Write(dest->buffer, used)) || !dest->output->Flush())
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

void InstallDestination(j_compress_ptr cinfo, JpegOutput& output)
{
    auto* dest = static_cast<DestinationManager*>((*cinfo->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(cinfo), JPOOL_PERMANENT, sizeof(DestinationManager)));
    dest->output = &output;
    dest->buffer = nullptr;
    dest->pub.init_destination = InitDestination;
    dest->pub.empty_output_buffer = EmptyOutput;
    dest->pub.term_destination = TermDestination;
    cinfo->dest = &dest->pub;
}

} // namespace

bool DecodeJpeg(JpegInput& input, bool quantise, JpegPixelSink& sink)
{
    jpeg_decompress_struct cinfo = {};
    ErrorManager errors;
    cinfo.err = InstallErrors(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    InstallSource(&cinfo, input);
    jpeg_read_header(&cinfo, TRUE);  // a stream of tables only is an error

    switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo.out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        cinfo.out_color_space = JCS_RGB;
        break;
    default:  // CMYK and the like have no red, green, blue form here
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    if (quantise) {
        cinfo.quantize_colors = TRUE;
        cinfo.desired_number_of_colors = 256;
    }
    jpeg_calc_output_dimensions(&cinfo);
    const JpegFrame frame = {int(cinfo.output_width), int(cinfo.output_height), cinfo.output_components, quantise};
    if (!sink.Begin(frame)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }

    jpeg_start_decompress(&cinfo);
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * JDIMENSION(cinfo.output_components), 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        if (jpeg_read_scanlines(&cinfo, row, 1) != 1) {  // only a suspending source returns none
            jpeg_destroy_decompress(&cinfo);
            return false;
        }
        sink.Row(y, row[0]);
    }
    if (quantise && cinfo.colormap != nullptr) {
        const JSAMPARRAY map = cinfo.colormap;
        const bool grey = cinfo.out_color_components == 1;
        sink.Palette(map[0], grey ? map[0] : map[1], grey ? map[0] : map[2], cinfo.actual_number_of_colors);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool EncodeJpeg(JpegOutput& output, int width, int height, int quality, JpegPixelSource& source)
{
    if (width < 1 || height < 1 || width > JPEG_MAX_DIMENSION || height > JPEG_MAX_DIMENSION)
        return false;
    jpeg_compress_struct cinfo = {};
    ErrorManager errors;
    cinfo.err = InstallErrors(errors);
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    InstallDestination(&cinfo, output);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);

    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                JDIMENSION(width) * 3, 1);
    while (cinfo.next_scanline < cinfo.image_height) {
        source.Row(int(cinfo.next_scanline), row[0]);
        jpeg_write_scanlines(&cinfo, row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}
