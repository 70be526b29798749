#include "jpegdecoder.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE declared first

#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it
// jumps back to the setjmp of the stage that was running. The stages below hold
// no object with a destructor, so the jump skips none.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf stage;
};

[[noreturn]] void onFatalError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->stage, 1);
}

// Warnings (corrupt or missing data, which libjpeg fills in) are counted, not printed.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        ++info->err->num_warnings;
}

// RGB32 is 0xffRRGGBB in a 32-bit word: its bytes in memory depend on the machine.
constexpr J_COLOR_SPACE kRgb32Bytes = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? JCS_EXT_BGRX : JCS_EXT_XRGB;

// Reads the header and sets up the scaled decode; false when libjpeg gave up.
bool readHeader(j_decompress_ptr info, ErrorManager *errors, int divisor, bool *supported)
{
    if (setjmp(errors->stage))
        return false;
    jpeg_read_header(info, TRUE);
    *supported = info->jpeg_color_space == JCS_YCbCr || info->jpeg_color_space == JCS_GRAYSCALE
        || info->jpeg_color_space == JCS_RGB;
    if (!*supported)
        return true;
    info->out_color_space = kRgb32Bytes;
    info->scale_num = 1;
    info->scale_denom = unsigned(divisor);
    jpeg_calc_output_dimensions(info);
    return true;
}

// Decodes every row into `rows` (output_height rows of `stride` bytes); false when
// libjpeg gave up.
bool readRows(j_decompress_ptr info, ErrorManager *errors, uchar *rows, qsizetype stride)
{
    if (setjmp(errors->stage))
        return false;
    jpeg_start_decompress(info);
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = rows + stride * qsizetype(info->output_scanline);
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

} // namespace

JpegDecoding decodeJpeg(QByteArrayView file, int divisor, QSize size)
{
    JpegDecoding result;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onFatalError;
    errors.pub.emit_message = onMessage;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(file.data()), static_cast<unsigned long>(file.size()));

    bool supported = false;
    if (!readHeader(&info, &errors, divisor, &supported)
        || QSize(int(info.image_width), int(info.image_height)) != size) {
        jpeg_destroy_decompress(&info);
        return result;
    }
    if (!supported) {
        jpeg_destroy_decompress(&info);
        result.outcome = JpegDecoding::Unsupported;
        return result;
    }
    // libjpeg gives ceil(side / divisor) pixels; the last one, when the side does
    // not divide, stands for a partial block and is cut off below.
    const QSize decoded(int(info.output_width), int(info.output_height));
    const QSize kept(int(info.image_width) / divisor, int(info.image_height) / divisor);
    QImage image(decoded, QImage::Format_RGB32);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        result.outcome = JpegDecoding::OutOfMemory;
        return result;
    }
    const bool read = !kept.isEmpty() && readRows(&info, &errors, image.bits(), image.bytesPerLine());
    result.damaged = errors.pub.num_warnings > 0;
    jpeg_destroy_decompress(&info);
    if (!read)
        return result;
    result.image = kept == decoded ? std::move(image) : image.copy(QRect(QPoint(), kept));
    result.outcome = result.image.isNull() ? JpegDecoding::OutOfMemory : JpegDecoding::Decoded;
    return result;
}
