#include "core/laufcsv.h"

#include "core/zahlenformat.h"

QString LaufCsvKopf()
{
    return QStringLiteral("zeit,x,xdot,winkel,winkeldot,kraft,lampe");
}

QString LaufCsvZeile(const TVerlaufPunkt& p)
{
    QString zeile;
    for (const float w : {p.zeit, p.x, p.xdot, p.winkel, p.winkeldot, p.kraft})
        zeile += GleitZahl(w, 9) + QLatin1Char(',');
    zeile += p.gruen ? QLatin1Char('1') : QLatin1Char('0');
    return zeile;
}

QByteArray LaufCsv(const std::vector<TVerlaufPunkt>& punkte)
{
    QByteArray csv = LaufCsvKopf().toLatin1() + '\n';
    for (const TVerlaufPunkt& p : punkte)
        csv += LaufCsvZeile(p).toLatin1() + '\n';
    return csv;
}
