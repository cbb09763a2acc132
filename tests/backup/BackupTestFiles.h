#pragma once
// Small file helpers of the backup tests.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include "support/OrdinaryUser.h"

namespace backup_test {

// The whole file, or a marker no file of the tests holds.
inline QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size());
}

} // namespace backup_test
