// main() for GUI tests: one QApplication for the whole program. CTest sets
// QT_QPA_PLATFORM=offscreen; it is also set here for runs by hand.
#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The program's dialog font (app/stil), so that pictures of dialogs in
    // tests show the texts as the program does.
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(11);
    QApplication::setFont(schrift);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
