#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

// Reading and writing whole files in tests.
namespace dateitest {

// The bytes of a file; "<fehlt>" when it cannot be read.
inline QByteArray lesen(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

inline void schreiben(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace dateitest
