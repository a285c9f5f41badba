#include "checker/error_detail.h"

namespace checker {

QString detailOf(const platform::RuntimeError& error) {
    using platform::RuntimeError;
    QString generic;
    switch (error.number()) {
    case 6:
        generic = RuntimeError::overflow({}, {}).description();
        break;
    case 13:
        generic = RuntimeError::typeMismatch({}, {}).description();
        break;
    case 481:
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
