#include "core/textdatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The file's own name in the file system's encoding.
QByteArray systemname(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

bool allesSchreiben(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qint64 rest = bytes.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, static_cast<std::size_t>(rest));
        if (n < 0 && errno == EINTR)
            continue;
        // A full disk or a size limit cuts a write short or fails it.
        if (n <= 0)
            return false;
        p += n;
        rest -= n;
    }
    return true;
}

// The temporary files of earlier saves of ziel: "<name>.tarvik-" and six
// letters or digits, regular files of this user. Nothing else is touched.
void resteEntfernen(const QString& ziel)
{
    const QFileInfo info(ziel);
    const QString anfang = info.fileName() + QLatin1String(TemporaerKennung);
    const QDir ordner = info.absoluteDir();
    // No name filter: the file's name may hold the filter's wildcards.
    const QStringList namen = ordner.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QString& name : namen) {
        if (!name.startsWith(anfang) || name.size() != anfang.size() + 6)
            continue;
        const QStringView zusatz = QStringView(name).mid(anfang.size());
        if (!std::all_of(zusatz.begin(), zusatz.end(), [](QChar c) {
                return c.unicode() < 0x80 && std::isalnum(static_cast<unsigned char>(c.unicode()));
            }))
            continue;
        const QByteArray rest = systemname(ordner.filePath(name));
        struct stat st {};
        if (::lstat(rest.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(rest.constData());
    }
}

// Creates a new temporary file beside ziel; its name in name.
int temporaerAnlegen(const QString& ziel, QByteArray& name)
{
    static constexpr char zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (int versuch = 0; versuch < 100; ++versuch) {
        QString zusatz;
        for (int i = 0; i < 6; ++i)
            zusatz += QLatin1Char(zeichen[QRandomGenerator::global()->bounded(int(sizeof zeichen) - 1)]);
        name = systemname(ziel + QLatin1String(TemporaerKennung) + zusatz);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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

TDateiInhalt DateiLesen(const QString& pfad, qint64 hoechstens)
{
    TDateiInhalt inhalt;
    const QByteArray name = systemname(pfad);
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0) {
        inhalt.ergebnis = LeseErgebnis::NichtGeoeffnet;
        return inhalt;
    }
    // Opening a pipe would wait for a writer, reading a device may never end.
    if (!S_ISREG(info.st_mode)) {
        inhalt.ergebnis = LeseErgebnis::KeineDatei;
        return inhalt;
    }
    if (info.st_size > hoechstens) {
        inhalt.ergebnis = LeseErgebnis::ZuGross;
        return inhalt;
    }
    // Without waiting, should a pipe have taken the file's place meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        inhalt.ergebnis = LeseErgebnis::NichtGeoeffnet;
        return inhalt;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        inhalt.ergebnis = LeseErgebnis::KeineDatei;
        return inhalt;
    }
    // One byte more than allowed tells a file that has grown since.
    QByteArray bytes(std::min<qint64>(info.st_size, hoechstens) + 1, Qt::Uninitialized);
    qint64 gelesen = 0;
    while (gelesen <= hoechstens) {
        if (gelesen == bytes.size())
            bytes.resize(std::min<qint64>(2 * bytes.size(), hoechstens + 1));
        const ssize_t n = ::read(fd, bytes.data() + gelesen, static_cast<std::size_t>(bytes.size() - gelesen));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            inhalt.ergebnis = LeseErgebnis::Lesefehler;
            return inhalt;
        }
        if (n == 0)
            break;
        gelesen += n;
    }
    ::close(fd);
    if (gelesen > hoechstens) {
        inhalt.ergebnis = LeseErgebnis::ZuGross;
        return inhalt;
    }
    bytes.truncate(gelesen);
    inhalt.bytes = std::move(bytes);
    return inhalt;
}

SchreibErgebnis DateiErsetzen(const QString& pfad, const QByteArray& bytes)
{
    // A symbolic link stays and the file it points to is replaced.
    QString ziel = pfad;
    if (const QFileInfo info(pfad); info.isSymLink()) {
        const QString kanonisch = info.canonicalFilePath();
        ziel = kanonisch.isEmpty() ? info.symLinkTarget() : kanonisch;
    }
    if (ziel.isEmpty())
        return SchreibErgebnis::NichtAngelegt;
    const QByteArray zielname = systemname(ziel);
    struct stat alt {};
    const bool vorhanden = ::stat(zielname.constData(), &alt) == 0;
    // A device or a folder is never replaced, nor a file the user may not write.
    if (vorhanden && (!S_ISREG(alt.st_mode) || ::access(zielname.constData(), W_OK) != 0))
        return SchreibErgebnis::NichtAngelegt;
    const SchreibErgebnis abgebrochen = vorhanden ? SchreibErgebnis::Abgebrochen : SchreibErgebnis::AbgebrochenNeu;

    resteEntfernen(ziel);
    QByteArray temporaer;
    const int fd = temporaerAnlegen(ziel, temporaer);
    if (fd < 0)
        return SchreibErgebnis::NichtAngelegt;
    // On the disk before it replaces the old file; a file system that cannot
    // say so (EINVAL) is trusted.
    const bool ok = (!vorhanden || ::fchmod(fd, alt.st_mode & 07777) == 0) && allesSchreiben(fd, bytes)
                    && (::fdatasync(fd) == 0 || errno == EINVAL);
    const bool geschlossen = ::close(fd) == 0;
    if (!ok || !geschlossen || ::rename(temporaer.constData(), zielname.constData()) != 0) {
        ::unlink(temporaer.constData());
        return abgebrochen;
    }
    return SchreibErgebnis::Ok;
}
