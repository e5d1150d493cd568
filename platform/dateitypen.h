#pragma once

#include <QList>
#include <QString>

#include <functional>

// File types tied to a program for the current user, so that a double click
// on such a file in the desktop's file manager opens it with that program.
struct TDateityp {
    QString endung;        // "fuz": also matches ".FUZ"
    QString wert;          // the value recorded in the "Extensions" list
    QString programm;      // the executable the desktop starts with the file
    QString name;          // the program's name on the desktop
    QString beschreibung;  // the file type's name on the desktop
};

// Ties the type to its program, or unties it: untying removes exactly what
// tying made and leaves what belongs to others alone. Failures are not
// reported; the file manager then keeps what it had.
void DateitypVerknuepfen(const TDateityp& typ);
void DateitypLoesen(const QString& endung);

// The default, after the freedesktop.org base-directory rules: a value in the
// per-user "Extensions" list ($XDG_CONFIG_HOME/tarvik/extensions.ini), a MIME
// type for "*.<endung>" in $XDG_DATA_HOME/mime, a desktop entry in
// $XDG_DATA_HOME/applications (with the link of Startverweis where the
// program's path is not plain) and the default application in
// $XDG_CONFIG_HOME/mimeapps.list. `caches` refreshes the desktop's caches.
namespace Xdg {
QString MimeTyp(const QString& endung);
QString DesktopDatei(const QString& endung);  // file name of the desktop entry
QString ExtensionsDatei();

// The program's path as the Exec line's first argument: bare when it is
// plain, else quoted and escaped after the Desktop Entry rules.
QString ExecArgument(const QString& pfad);
// Letters, digits and "/._-+,:@=" only: every launcher reads such a path
// bare, also those that split the Exec line at blanks.
bool SchlichterPfad(const QString& pfad);
// The link through which a program whose path is not plain is started:
// $XDG_DATA_HOME/tarvik/bin/tarvik-<endung>.
QString Startverweis(const QString& endung);
bool Verknuepfen(const TDateityp& typ, bool caches = true);
bool Loesen(const QString& endung, bool caches = true);
} // namespace Xdg

struct TDateitypHandler {
    std::function<void(const TDateityp&)> verknuepfen;
    std::function<void(const QString&)> loesen;
};
TDateitypHandler setzeDateitypHandler(TDateitypHandler handler);

// Records what would be tied and untied for as long as it lives: "fuz=<wert>"
// for tying, "-fuz" for untying.
class ScopedDateitypen {
public:
    ScopedDateitypen();
    ~ScopedDateitypen();
    ScopedDateitypen(const ScopedDateitypen&) = delete;
    ScopedDateitypen& operator=(const ScopedDateitypen&) = delete;

    const QList<QString>& aufrufe() const { return aufrufe_; }
    const QList<TDateityp>& typen() const { return typen_; }

private:
    QList<QString> aufrufe_;
    QList<TDateityp> typen_;
    TDateitypHandler vorher_;
};
