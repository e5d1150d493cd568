#pragma once

#include <QString>
#include <QTextDocument>

// The text a tooltip shows: markup rendered as a tooltip renders it, the
// invisible break points of long words left out.
inline QString HinweisAlsText(const QString& hinweis)
{
    QTextDocument d;
    if (Qt::mightBeRichText(hinweis))
        d.setHtml(hinweis);
    else
        d.setPlainText(hinweis);
    return d.toPlainText().remove(QChar(0x200B));
}

// A name that a label showing markup would render as bold text and a picture.
inline const QString MarkupName = QStringLiteral("<b>fett</b><img src=\"/tmp/bild.png\"> &amp; <i>schräg</i>");
