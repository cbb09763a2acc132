#pragma once
// A test's own files in a folder: one put there with the given bytes, and
// what one holds now.

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

inline void PutFile(const QString& folder, const QString& name, const QByteArray& bytes) {
    QFile f(QDir(folder).filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    ASSERT_EQ(f.write(bytes), bytes.size()) << name.toStdString();
}

// The file's bytes; empty when it cannot be read.
inline QByteArray FileContent(const QString& folder, const QString& name) {
    QFile f(QDir(folder).filePath(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
