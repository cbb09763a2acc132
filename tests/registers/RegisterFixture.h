#pragma once
// What the register tests share: a fresh program folder with the register's
// archive of records R, written and read back whole, and (for the Word
// export) an export folder and a fixed clock.

#include "common/PrintedList.h"
#include "support/ExportScope.h"
#include "support/TestPlatform.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QKeyEvent>
#include <QString>

#include <initializer_list>

// Types text key by key, as the user would.
inline void typeText(QWidget* box, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

template <class R>
class RegisterFixture : public ::testing::Test {
protected:
    explicit RegisterFixture(QString archiveName) : archiveName_(std::move(archiveName)) {}


    QString archive() const { return tp.path(archiveName_); }
    QByteArray bytes() const {
        QFile file(archive());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The archive holds these records, then `tail`.
    void store(std::initializer_list<R> records, const QByteArray& tail = {}) const {
        QFile file(archive());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const R& r : records)
            file.write(r.encode());
        file.write(tail);
    }
    R record(int k) const { return R::decode(bytes().mid(qsizetype(k - 1) * R::Length)); }
    const platform::Message& last() const { return tp.messages.last(); }

    TestPlatform tp;
    ExportScope exports{tp.path(QStringLiteral("export")), QDateTime(QDate(2026, 12, 9), QTime(8, 5, 1))};

private:
    QString archiveName_;
};
