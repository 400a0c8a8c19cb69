#include "windows/JpegPicture.h"

#include <QFile>
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace jpeg {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return: it jumps
// back to the decoder. Warnings (a truncated file, say) are not printed.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->back, 1);
}

void stayQuiet(j_common_ptr) {}

// Where the decoded rows go: the caller's image, made once the size is known.
struct Target {
    QImage image;
};

uchar* allocate(Target& target, int width, int height)
{
    target.image = QImage(width, height, QImage::Format_RGB888);
    return target.image.isNull() ? nullptr : target.image.bits();
}

// Only plain C data lives in this frame, since a jump back skips destructors.
bool decodeInto(const uchar* data, unsigned long size, Target& target)
{
    jpeg_decompress_struct info;
    ErrorJump error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jumpBack;
    error.manager.output_message = stayQuiet;
    if (setjmp(error.back)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    uchar* bits = allocate(target, static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    if (!bits || info.output_components != 3) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    const qsizetype stride = target.image.bytesPerLine();
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = bits + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decode(const QByteArray& data)
{
    if (data.isEmpty())
        return {};
    Target target;
    if (!decodeInto(reinterpret_cast<const uchar*>(data.constData()), static_cast<unsigned long>(data.size()),
                    target))
        return {};
    return target.image;
}

QImage load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll());
}

} // namespace jpeg
