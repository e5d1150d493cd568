#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <sys/stat.h>

// Files that a reader must refuse without reading them.
namespace sonderdatei {

// A named pipe without a writer: opening it for reading waits for ever.
inline void pipe(const QString& pfad)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
}

// A file of groesse bytes that takes no room on the disk.
inline void gross(const QString& pfad, qint64 groesse)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(groesse));
}

// What the folder holds, to show that nothing was written.
inline QStringList inhalt(const QString& ordner)
{
    return QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace sonderdatei
