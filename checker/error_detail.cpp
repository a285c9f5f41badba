#include "checker/error_detail.h"

namespace checker {

QString detailOf(const platform::RuntimeError& error) {
    using platform::RuntimeError;
    QString generic;
    switch (error.number()) {
    case errorInvalidContent:
        generic = RuntimeError::invalidContent({}, {}).description();
        break;
    case errorOverflow:
        generic = RuntimeError::overflow({}, {}).description();
        break;
    case errorMismatch:
        generic = RuntimeError::typeMismatch({}, {}).description();
        break;
    case errorInvalidPicture:
        generic = RuntimeError::invalidPicture({}, {}).description();
        break;
    default:
        return error.description();
    }
    QString detail = error.description();
    if (detail.startsWith(generic) && detail.size() > generic.size())
        detail.remove(0, generic.size());
    return detail;
}

} // namespace checker
