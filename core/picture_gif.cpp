// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
#include "core/picture_completeness.h"

#include <cstring>
#include <gif_lib.h>
#include <vector>

namespace core {

namespace {

struct Source {
    QByteArrayView bytes;
    qsizetype position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* into, int wanted) {
    auto& source = *static_cast<Source*>(gif->UserData);
    const qsizetype left = source.bytes.size() - source.position;
    const int given = static_cast<int>(std::min<qsizetype>(wanted, left));
    std::memcpy(into, source.bytes.data() + source.position, static_cast<size_t>(given));
    source.position += given;
    return given;
}

// giflib reports a file that ends before its trailer, inside an image's compressed
// data or inside an extension. Images are read a line at a time into one buffer, so a
// header that announces a huge image costs no memory before its data runs out.
bool readToTrailer(GifFileType* gif, qint64 maxPixels) {
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &record) == GIF_ERROR)
            return false;
        switch (record) {
        case IMAGE_DESC_RECORD_TYPE: {
            if (DGifGetImageDesc(gif) == GIF_ERROR)
                return false;
            const int width = gif->Image.Width, height = gif->Image.Height;
            if (width <= 0 || height <= 0 || qint64(width) * height > maxPixels)
                return false;
            std::vector<GifPixelType> line(static_cast<size_t>(width));
            for (int y = 0; y < height; ++y)
                if (DGifGetLine(gif, line.data(), width) == GIF_ERROR)
                    return false;
            break;
        }
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
                return false;
            while (block)
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
                    return false;
            break;
        }
        case TERMINATE_RECORD_TYPE:
            return true;
        default:
            return false;
        }
    }
}

} // namespace

bool gifIsComplete(QByteArrayView bytes, qint64 maxPixels) {
    Source source{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, readFromMemory, &error);
    if (!gif)
        return false;
    const bool screenFits =
        gif->SWidth > 0 && gif->SHeight > 0 && qint64(gif->SWidth) * gif->SHeight <= maxPixels;
    const bool complete = screenFits && readToTrailer(gif, maxPixels);
    DGifCloseFile(gif, &error);
    return complete;
}

} // namespace core
