#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>

namespace capillary {

// Writes `bytes` as the whole of `fileName`, so that a file of that name is only ever replaced
// by a complete new one: the bytes go into a temporary file beside it, every write is checked,
// and the temporary file takes the name only once all of it is written. A device or pipe of
// that name is written to directly, never replaced. Returns why the file could not be written
// (the old one, if any, is then left as it was); none on success.
std::optional<QString> writeCompleteFile(const QString& fileName, QByteArrayView bytes);

}  // namespace capillary
