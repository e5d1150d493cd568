#include "core/textdatei.h"

#include <QSaveFile>

#include <array>

#include <sys/stat.h>

namespace {

// 0x80..0x9F of Windows-1252; the five unused codes keep their C1 value so
// that their bytes survive a round trip.
constexpr std::array<char16_t, 32> obereSteuerzeichen = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t zeichen(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return obereSteuerzeichen[byte - 0x80];
    return byte;
}

char byteFuer(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (std::size_t i = 0; i < obereSteuerzeichen.size(); ++i) {
        if (obereSteuerzeichen[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

// Qt reports a write cut short by the system (a full disk, a size limit) as
// success, so the size of the file on disk is checked before it replaces the
// old one.
bool vollstaendigGeschrieben(QSaveFile& datei, qint64 erwartet)
{
    if (!datei.flush())
        return false;
    struct stat info {};
    return ::fstat(datei.handle(), &info) == 0 && info.st_size == erwartet;
}

} // namespace

QString Cp1252Dekodieren(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        text[i] = QChar(zeichen(static_cast<unsigned char>(bytes[i])));
    return text;
}

QByteArray Cp1252Kodieren(const QString& text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = byteFuer(text[i].unicode());
    return bytes;
}

TZeilenleser::TZeilenleser(const QByteArray& bytes)
    : bytes_(bytes)
{
}

QString TZeilenleser::naechste()
{
    if (pos_ >= bytes_.size())
        return {};
    qsizetype ende = bytes_.indexOf('\n', pos_);
    const qsizetype weiter = ende < 0 ? bytes_.size() : ende + 1;
    if (ende < 0)
        ende = bytes_.size();
    qsizetype zeilenEnde = ende;
    if (ende > pos_ && ende < bytes_.size() && bytes_[ende - 1] == '\r')
        --zeilenEnde;
    const QString zeile = Cp1252Dekodieren(bytes_.mid(pos_, zeilenEnde - pos_));
    pos_ = weiter;
    return zeile;
}

void TZeilenschreiber::zeile(const QString& text)
{
    bytes_.append(Cp1252Kodieren(text));
    bytes_.append("\r\n", 2);
}

SchreibErgebnis DateiErsetzen(const QString& pfad, const QByteArray& bytes)
{
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return SchreibErgebnis::NichtAngelegt;
    if (datei.write(bytes) != bytes.size() || !vollstaendigGeschrieben(datei, bytes.size()) || !datei.commit()) {
        datei.cancelWriting();
        return SchreibErgebnis::Abgebrochen;
    }
    return SchreibErgebnis::Ok;
}
