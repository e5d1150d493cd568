#include "forms/klartext.h"

#include "core/zahlenformat.h"

#include <QFontMetrics>
#include <QLabel>
#include <QTextDocument>

#include <algorithm>

namespace {

const QChar Auslassung(0x2026);
// A place where a tooltip line may break inside a long word.
const QChar Umbruchstelle(0x200B);
constexpr int Wortlaenge = 60;

// At most n characters, not splitting a surrogate pair.
QString Anfang(const QString& text, qsizetype n)
{
    if (n < text.size() && n > 0 && text.at(n - 1).isHighSurrogate())
        --n;
    return text.left(n);
}

} // namespace

QString Gekuerzt(const QFontMetrics& fm, const QString& text, int breite)
{
    breite = std::max(breite, 0);
    // Every character that shows takes a pixel at least: the layout of the
    // rest of a huge text would cost much time and show nothing.
    const qsizetype grenze = qsizetype(breite) + 2;
    if (text.size() <= grenze)
        return fm.elidedText(text, Qt::ElideRight, breite);
    const QString anfang = Anfang(text, grenze);
    const QString kurz = fm.elidedText(anfang, Qt::ElideRight, breite);
    if (kurz != anfang)
        return kurz;
    // The beginning fits (characters without width): the cut must show.
    return fm.elidedText(anfang, Qt::ElideRight, std::max(0, breite - fm.horizontalAdvance(Auslassung))) +
           Auslassung;
}

QString KlartextHinweis(const QString& text)
{
    if (text.isEmpty())
        return {};
    const bool zuLang = text.size() > HinweisZeichen;
    const QString teil = zuLang ? Anfang(text, HinweisZeichen) : text;
    QString umbrochen;
    umbrochen.reserve(teil.size() + teil.size() / Wortlaenge + 1);
    int lauf = 0;
    for (const QChar c : teil) {
        umbrochen += c;
        lauf = c.isSpace() ? 0 : lauf + 1;
        if (lauf >= Wortlaenge && !c.isHighSurrogate()) {
            umbrochen += Umbruchstelle;
            lauf = 0;
        }
    }
    if (zuLang)
        umbrochen += Auslassung + QStringLiteral(" (%1 Zeichen)").arg(IntEditText(int(std::min<qsizetype>(text.size(), 2147483647))));
    // Always rich text with every character escaped: a tooltip shows plain
    // text that looks like markup as markup.
    return Qt::convertFromPlainText(umbrochen, Qt::WhiteSpaceNormal);
}

void KlartextSetzen(QLabel& label, const QString& text, int breite)
{
    label.setTextFormat(Qt::PlainText);
    const QString kurz = Gekuerzt(label.fontMetrics(), text, breite < 0 ? label.width() : breite);
    label.setText(kurz);
    label.setToolTip(kurz == text ? QString() : KlartextHinweis(text));
}
