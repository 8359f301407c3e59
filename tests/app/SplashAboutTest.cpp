#include "platform/ScriptedPrompts.h"
#include "ui/dialogs/CTeldoraAboutDlg.h"
#include "ui/panes/CSplashWnd.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class SplashAboutTest : public QObject {
    Q_OBJECT

private slots:
    void shapeLeavesOutMagentaRuns();
    void splashShowsCentredVersionAndDisappears();
    void aboutTextsFitTheirPlaces();
    void aboutSwallowsEnterAndEscapeAndClosesOnOk();
    void aboutLinksOpenSiteAndMail();
    void aboutDragsBySurface();
};

void SplashAboutTest::shapeLeavesOutMagentaRuns()
{
    const QColor magenta(255, 0, 255);
    QImage picture(5, 2, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixelColor(0, 0, magenta);
    picture.setPixelColor(2, 0, magenta);
    picture.setPixelColor(4, 1, magenta);
    const QRegion shape = CSplashWnd::ShapeOf(QPixmap::fromImage(picture));
    const QRegion expected = QRegion(1, 0, 1, 1) + QRegion(3, 0, 2, 1) + QRegion(0, 1, 4, 1);
    QCOMPARE(shape, expected);
}

void SplashAboutTest::splashShowsCentredVersionAndDisappears()
{
    QPointer<CSplashWnd> splash = new CSplashWnd(nullptr);
    QVERIFY(splash->SetBitmap(QStringLiteral(":/frame/splash_343.png")));
    splash->SetText(QStringLiteral("v17.0"));
    QCOMPARE(splash->size(), QSize(750, 410));
    QVERIFY(!splash->mask().contains(QPoint(0, 0)));
    QVERIFY(splash->mask().contains(QPoint(375, 205)));

    const QImage shown = splash->grab().toImage();
    QRect ink;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (shown.pixel(x, y) == qRgb(0, 0, 0))
                ink |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!ink.isEmpty());
    QVERIFY(qAbs(ink.center().x() - 375) <= 2);
    QVERIFY(qAbs(ink.center().y() - 205) <= 3);

    splash->Show();
    QVERIFY(splash->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 6000);
}

void SplashAboutTest::aboutTextsFitTheirPlaces()
{
    CScriptedPrompts prompts;
    CTeldoraAboutDlg about(prompts, nullptr);
    for (const char* name : {"title1027", "notice1026"}) {
        auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY(label);
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        QVERIFY(about.rect().contains(label->geometry()));
    }
}

void SplashAboutTest::aboutSwallowsEnterAndEscapeAndClosesOnOk()
{
    CScriptedPrompts prompts;
    CTeldoraAboutDlg about(prompts, nullptr);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("okButton"));
    ok->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(ok, key);
        QTest::keyClick(&about, key);
    }
    QVERIFY(about.isVisible());
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
}

void SplashAboutTest::aboutLinksOpenSiteAndMail()
{
    CScriptedPrompts prompts;
    CTeldoraAboutDlg about(prompts, nullptr);
    QStringList shown;
    for (QLabel* label : about.findChildren<QLabel*>()) {
        if (label->text().startsWith(QStringLiteral("<a href="))) {
            shown << label->toolTip();
            const QString href = label->text().section(QLatin1Char('"'), 1, 1);
            emit label->linkActivated(href);
        }
    }
    QCOMPARE(shown, (QStringList{QStringLiteral("Company website"), QStringLiteral("Support email address"),
                        QStringLiteral("Sales email address")}));
    const QStringList opened = prompts.OpenedUrls();
    QCOMPARE(opened.size(), 3);
    QVERIFY(!opened[0].startsWith(QStringLiteral("mailto:")));
    QVERIFY(opened[1].startsWith(QStringLiteral("mailto:")) && opened[2].startsWith(QStringLiteral("mailto:")));
}

void SplashAboutTest::aboutDragsBySurface()
{
    CScriptedPrompts prompts;
    CTeldoraAboutDlg about(prompts, nullptr);
    about.move(100, 100);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QPoint start = about.pos();
    const QPoint surface(4, about.height() - 4);
    QTest::mousePress(&about, Qt::LeftButton, {}, surface);
    QTest::mouseMove(&about, surface + QPoint(30, 20));
    QTest::mouseRelease(&about, Qt::LeftButton, {}, surface + QPoint(30, 20));
    QCOMPARE(about.pos(), start + QPoint(30, 20));
}

QTEST_MAIN(SplashAboutTest)
#include "SplashAboutTest.moc"
