#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <optional>

#include "app/command_line.h"
#include "app/startup.h"
#include "testing/golden_projects.h"
#include "ui/common/session.h"
#include "ui/main/Frmmain.h"
#include "ui/platform/recording_platform_services.h"

using namespace capillary;

Q_DECLARE_METATYPE(capillary::StartupRequest)

// capillary-design's command line and the first window it opens.
class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void commandLineAsksForARun_data();
    void commandLineAsksForARun();
    void commandLinesThatCannotRunAreRefused_data();
    void commandLinesThatCannotRunAreRefused();
    void projectFileNamedAtStartIsOpened();
    void helpAnswersWithoutADisplay();
};

void StartupTest::commandLineAsksForARun_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("splash");
    QTest::addColumn<QString>("projectFile");
    QTest::newRow("nothing") << QStringList{"capillary-design"} << true << "";
    QTest::newRow("a design") << QStringList{"capillary-design", "cold room.cqz"} << true
                              << "cold room.cqz";
    QTest::newRow("no splash") << QStringList{"capillary-design", "--no-splash", "a.cqz"} << false
                               << "a.cqz";
}

void StartupTest::commandLineAsksForARun() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, splash);
    QFETCH(QString, projectFile);
    const auto read = readStartupRequest(arguments, stderr);
    QVERIFY(std::holds_alternative<StartupRequest>(read));
    QCOMPARE(std::get<StartupRequest>(read).splash, splash);
    QCOMPARE(std::get<StartupRequest>(read).projectFile, projectFile);
}

void StartupTest::commandLinesThatCannotRunAreRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("two files") << QStringList{"capillary-design", "a.cqz", "b.cqz"};
    QTest::newRow("unknown option") << QStringList{"capillary-design", "--colour"};
}

void StartupTest::commandLinesThatCannotRunAreRefused() {
    QFETCH(QStringList, arguments);
    // The built program itself, so that the exit code is the one a script sees.
    QProcess run;
    run.start(QStringLiteral(CAPILLARY_DESIGN_PATH), arguments.mid(1));
    QVERIFY(run.waitForFinished(20000));
    QCOMPARE(run.exitCode(), 64);
    QVERIFY(run.readAllStandardError().contains("capillary-design: "));
}

void StartupTest::projectFileNamedAtStartIsOpened() {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("metric design.cqz"));
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QByteArray::fromStdString(test_support::goldenProject("metric.cqz")));
    out.close();

    Session session;
    RecordingPlatformServices services;
    std::optional<Frmmain> window;
    openMainWindowAtStart(window, session, services, file);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("Txtcapacity"))->text(),
             QStringLiteral("3.5"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Lbl2"))->text(),
             QStringLiteral("System Capacity (kw) :"));
    QCOMPARE(session.unit, UnitSystem::Metric);
    QVERIFY(services.messages.empty());

    // A file that cannot be opened is reported; the window stays as it started.
    std::optional<Frmmain> second;
    openMainWindowAtStart(second, session, services, folder.filePath(QStringLiteral("gone.cqz")));
    QVERIFY(second && second->isVisible());
    QCOMPARE(services.messages.size(), size_t(1));
    QCOMPARE(services.messages[0].text,
             QStringLiteral("Cannot open gone.cqz: the file does not exist."));
}

// --help must work where no window system is available at all.
void StartupTest::helpAnswersWithoutADisplay() {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral(CAPILLARY_DESIGN_PATH), {QStringLiteral("--help")});
    QVERIFY(run.waitForFinished(20000));
    QCOMPARE(run.exitCode(), 0);
    const QByteArray help = run.readAllStandardOutput();
    QVERIFY2(help.contains("--no-splash") && help.contains("FILE.cqz"), help.constData());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
