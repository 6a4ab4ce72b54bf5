#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMovie>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "product.h"
#include "ui/misc/Frmstart.h"
#include "ui/misc/frmAbout.h"

namespace capillary {

// Ticks short enough that the splash's four of them take no noticeable time.
constexpr std::chrono::milliseconds kTestTick{10};

class MiscWindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void splashOpensTheMainWindowOnceAfterFourTicks() {
        QCOMPARE(Frmstart([] {}).tickInterval(), std::chrono::milliseconds(500));
        int opened = 0;
        Frmstart splash([&] { ++opened; }, kTestTick);
        splash.show();
        QCOMPARE(splash.windowTitle(), QStringLiteral("Loading Program ..."));
        QCOMPARE(splash.size(), QSize(461, 416));
        QCOMPARE(splash.ticksLeft(), 4);
        QCOMPARE(opened, 0);
        QTRY_COMPARE(opened, 1);
        QCOMPARE(splash.ticksLeft(), 0);
        QTRY_VERIFY(!splash.isVisible());
        QTest::qWait(4 * kTestTick.count());  // no later tick opens it again
        QCOMPARE(opened, 1);
    }

    void closingTheSplashEarlyOpensTheMainWindowAtOnce() {
        int opened = 0;
        Frmstart splash([&] { ++opened; }, kTestTick);
        splash.show();
        splash.close();
        QCOMPARE(opened, 1);
        QTest::qWait(6 * kTestTick.count());
        QCOMPARE(opened, 1);
    }

    void aboutBoxLoadsItsAnimationAfreshEachTime() {
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tolmerk"));
        // The version is text beside the artwork, the program's own.
        QCOMPARE(about.findChild<QLabel*>("LblVersion")->text(),
                 QStringLiteral("Version ") + QString::fromUtf8(kProductVersion.data()));
        about.show();
        QMovie* first = about.animation();
        QVERIFY(first && first->state() == QMovie::Running);
        about.hide();
        about.show();
        QVERIFY(about.animation() != first);
        QCOMPARE(about.findChild<QLabel*>("AnimatedGif2")->movie(), about.animation());
        QTest::mouseClick(about.findChild<QPushButton*>("CmdOK"), Qt::LeftButton);
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    void aboutAnimationComesFromTheCurrentFolder() {
        QTemporaryDir folder;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder.path()));
        frmAbout about;
        about.show();
        QCOMPARE(about.animation()->fileName(), QStringLiteral(":/capillary/About.gif"));
        QVERIFY(QFile::copy(QStringLiteral(":/capillary/About.gif"), QStringLiteral("About.gif")));
        about.hide();
        about.show();
        QCOMPARE(about.animation()->fileName(), QStringLiteral("About.gif"));
        QVERIFY(QDir::setCurrent(previous));
    }
};

}  // namespace capillary

QTEST_MAIN(capillary::MiscWindowsTest)
#include "misc_windows_test.moc"
