#include "core/picture_completeness.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace platform {

namespace {

// libjpeg goes on over data that ends early or is damaged, painting the rest grey, and
// only warns. Here a warning counts as a fault, and a fault jumps out of the decoder.
struct Faults {
    jpeg_error_mgr manager;
    std::jmp_buf escape;
    bool warned = false;
};

[[noreturn]] void stop(j_common_ptr info) {
    std::longjmp(static_cast<Faults*>(info->client_data)->escape, 1);
}

void note(j_common_ptr info, int level) {
    if (level < 0)
        static_cast<Faults*>(info->client_data)->warned = true;
}

// Only plain data lives here: a jump out of the decoder skips no destructor.
bool decodeAll(jpeg_decompress_struct& info, Faults& faults, QByteArrayView bytes,
               qint64 maxPixels) {
    if (setjmp(faults.escape))
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK ||
        qint64(info.image_width) * info.image_height > maxPixels)
        return false;
    jpeg_start_decompress(&info);
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * info.output_components, 1);
    while (info.output_scanline < info.output_height && !faults.warned)
        jpeg_read_scanlines(&info, row, 1);
    if (faults.warned)
        return false;
    jpeg_finish_decompress(&info);
    return !faults.warned;
}

} // namespace

bool jpegIsComplete(QByteArrayView bytes, qint64 maxPixels) {
    jpeg_decompress_struct info{};
    Faults faults{};
    info.err = jpeg_std_error(&faults.manager);
    faults.manager.error_exit = stop;
    faults.manager.emit_message = note;
    info.client_data = &faults;
    jpeg_create_decompress(&info);
    const bool complete = decodeAll(info, faults, bytes, maxPixels);
    jpeg_destroy_decompress(&info);
    return complete;
}

} // namespace platform
