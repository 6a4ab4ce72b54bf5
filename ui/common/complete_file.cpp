#include "ui/common/complete_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace capillary {
namespace {

// Unbuffered, so that a short write (a full disk, a file-size limit) shows here rather than
// in a commit that succeeds with half a file; a short write is retried to learn the reason.
bool writeAll(QFileDevice& file, QByteArrayView bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.data() + written, bytes.size() - written);
        if (n <= 0) return false;
        written += n;
    }
    return true;
}

// Renaming a temporary file over a device such as /dev/full would replace the device.
bool isDeviceOrPipe(const QString& fileName) {
    const QFileInfo info(fileName);
    return info.exists() && !info.isFile() && !info.isDir();
}

}  // namespace

std::optional<QString> writeCompleteFile(const QString& fileName, QByteArrayView bytes) {
    if (isDeviceOrPipe(fileName)) {
        QFile device(fileName);
        const bool written = device.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                             writeAll(device, bytes) && device.flush();
        if (written) return std::nullopt;
        return device.errorString();
    }
    QSaveFile target(fileName);
    const bool saved = target.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                       writeAll(target, bytes) && target.commit();
    if (saved) return std::nullopt;
    return target.errorString();
}

}  // namespace capillary
