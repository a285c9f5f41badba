#include "platform/picture.h"

#include "platform/paths.h"
#include "platform/runtime_error.h"

#include <QFileInfo>
#include <QImageReader>

namespace platform {

QImage loadPicture(const QString& contentPath) {
    const QString path = nativePath(contentPath);
    if (!QFileInfo(path).isFile())
        throw RuntimeError::fileNotFound(path);
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError::invalidPicture(path);
    return image;
}

} // namespace platform
