#pragma once

#include <QByteArray>
#include <QString>

namespace vx7::platform {

// Reading files whose names come from the user or from a folder listing. A name can
// stand for a FIFO (opening it for reading waits for a writer), a device such as
// /dev/zero (which never ends and reports size 0) or a link to either; only regular
// files are read, and never more than a cap, whatever size() says.

// True when path names a regular file, following links. False for folders, FIFOs,
// devices, sockets and dangling links. Never blocks.
bool IsRegularFile(const QString& path);

// Reads the whole regular file at path into bytes. False, bytes empty and a reason in
// *error, when path is not a regular file, cannot be opened or read, or holds more
// than maxBytes bytes. The file is opened without waiting, so a FIFO put in its place
// between a check and the open is refused at once, not waited on.
bool ReadRegularFile(const QString& path, qint64 maxBytes, QByteArray& bytes, QString* error = nullptr);

} // namespace vx7::platform
