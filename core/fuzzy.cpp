#include "core/fuzzy.h"

#include "core/fehler.h"
#include "core/zahlenformat.h"

QString TFuzzy::AbkuerzungBilden(const QString& name)
{
    // Only a..z change case; umlauts and the like stay as they are.
    auto gross = [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= u'a' && u <= u'z') ? QChar(static_cast<char16_t>(u - u'a' + u'A')) : c;
    };
    const qsizetype n = name.size();
    if (n == 0)
        return {};
    if (n == 1)
        return QString(gross(name[0]));
    const qsizetype blank = name.indexOf(QLatin1Char(' '), 1);
    const QChar zweites = (blank >= 0 && blank < n - 1) ? name[blank + 1] : name[1];
    return QString(gross(name[0])) + gross(zweites);
}

void TFuzzy::setTermname(int i, const QString& name)
{
    FTermname[i - 1] = name;
    FAbkTermname[i - 1] = AbkuerzungBilden(name);
}

bool TFuzzy::TermindexPruefen(int i) const
{
    if (i > FAnzahl || i > MaxTerme) {
        FatalerFehler(QStringLiteral("Termindex zu hoch! Anwendung wird abgebrochen!"));
        return false;
    }
    return i >= 1;
}

float TFuzzy::Zugehoerigkeit(int i) const
{
    if (!TermindexPruefen(i))
        return 0;
    return ZugehoerigkeitOhnePruefung(i);
}

void TFuzzy::TermformMerken(int i)
{
    const auto& t = FTerm[i - 1];
    form.setzen(i - 1, t[0], t[1], t[2], t[3]);
}

float TFuzzy::SchwerpunktBerechnen() const
{
    float flaeche = 0;
    float moment = 0;
    const int n = gueltigeAnzahl();
    for (int i = 1; i <= n; ++i) {
        const float f = TermFlaeche(i);
        flaeche += f; // a float sum rounds the same whether or not it passes through double
        moment = static_cast<float>(double(moment) + double(TermSchwerpunkt(i)) * f);
    }
    if (flaeche == 0)
        return Fa;
    return static_cast<float>(double(moment) / flaeche);
}

QString TFuzzy::ZListeString() const
{
    QString text = QStringLiteral("Z = ( ");
    const int n = gueltigeAnzahl();
    for (int i = 1; i <= n; ++i) {
        if (i > 1)
            text += QStringLiteral(" ; ");
        text += FestKomma(Zugehoerigkeit(i), 2, 4);
    }
    return text + QStringLiteral(" )");
}

void TFuzzy::FarbeInit()
{
    FFarbe = {TFarbe{0, 0, 255}, TFarbe{255, 0, 0}, TFarbe{0, 255, 255}, TFarbe{0, 128, 0},
              TFarbe{128, 0, 128}};
    FXORFarbe = {TFarbe{128, 128, 0}, TFarbe{0, 128, 128}, TFarbe{128, 0, 0}, TFarbe{128, 0, 128},
                 TFarbe{0, 128, 0}};
}

void TFuzzy::loeschen()
{
    FAnzahl = 0;
    FDefiniert = false;
    for (int i = 0; i < MaxTerme; ++i) {
        FTermname[i].clear();
        FTerm[i] = {0, 0, 0, 0, 1};
        form.setzen(i, 0, 0, 0, 0);
        form.setzeHoehe(i, 1);
    }
    schwerpunktGueltig = false;
}

void TFuzzy::assign(const TFuzzy& t)
{
    Fa = t.Fa;
    Fb = t.Fb;
    FAnzahl = t.FAnzahl;
    FName = t.FName;
    FDefiniert = t.FDefiniert;
    FAbkTermname = t.FAbkTermname;
    FTermname = t.FTermname;
    FTerm = t.FTerm;
    form = t.form;
    schwerpunktGueltig = false;
}
