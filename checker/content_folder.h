#pragma once

#include <QString>

namespace checker {

// The content folder under check. Files are named relative to it with forward slashes,
// as the report names them ("説明/正解.txt").
class ContentFolder {
public:
    explicit ContentFolder(QString root) : root_(std::move(root)) {}

    const QString& root() const { return root_; }
    QString path(const QString& relative) const;
    // The file as the teacher would type it on the command line where they ran the check:
    // relative to the current folder when it lies below it, quoted when the shell needs it.
    QString commandPath(const QString& relative) const;

private:
    QString root_;
};

} // namespace checker
