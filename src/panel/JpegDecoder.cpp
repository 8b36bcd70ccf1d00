#include "JpegDecoder.h"

#include "TGraphics.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

// libjpeg's default error_exit calls exit(): leave the decode with longjmp instead.
void ErrorExit(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Warnings (a damaged but still readable stream) are counted, not printed.
void OutputMessage(j_common_ptr) {}

// Only trivially destructible objects live in this frame between setjmp and a longjmp.
bool Decode(const uint8_t* data, size_t size, RgbImage& image, ErrorManager& errors) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = ErrorExit;
    errors.Base.output_message = OutputMessage;
    errors.Message[0] = '\0';
    if (setjmp(errors.Jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    image.Width = static_cast<int>(cinfo.output_width);
    image.Height = static_cast<int>(cinfo.output_height);
    const size_t stride = static_cast<size_t>(cinfo.output_width) * 3;
    image.Pixels.assign(stride * cinfo.output_height, 0);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.Pixels.data() + stride * cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    const bool damaged = errors.Base.num_warnings > 0;
    if (damaged)
        std::snprintf(errors.Message, sizeof errors.Message, "damaged JPEG data");
    jpeg_destroy_decompress(&cinfo);
    return !damaged;
}

} // namespace

bool DecodeJpeg(std::span<const uint8_t> data, RgbImage& image, std::string* error) {
    if (data.empty()) {
        if (error)
            *error = "no JPEG data";
        return false;
    }
    ErrorManager errors{};
    RgbImage decoded;
    if (!Decode(data.data(), data.size(), decoded, errors)) {
        if (error)
            *error = errors.Message;
        return false;
    }
    image = std::move(decoded);
    return true;
}

bool LoadJpeg(std::span<const uint8_t> data, TBitmap& bitmap) {
    RgbImage image;
    if (!DecodeJpeg(data, image))
        return false;
    bitmap.AssignRgb(image.Width, image.Height, image.Pixels.data(), image.Width * 3);
    return true;
}
