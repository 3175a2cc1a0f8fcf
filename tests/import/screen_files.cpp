#include "screen_files.h"

#include <QFile>
#include <stdexcept>

namespace worvanta::import::testing {

QString ScreenFiles::write(const QString& name, const std::string& bytes) const {
    const QString path = dir_.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
    return path;
}

}  // namespace worvanta::import::testing
