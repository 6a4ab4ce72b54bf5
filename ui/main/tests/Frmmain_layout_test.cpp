#include <QAction>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>
#include <QTest>

#include "ui/main/tests/main_window_fixture.h"
#include "ui/units/unit_relabelling.h"

using namespace capillary;

// What the main window holds when it opens, where everything sits, and how it ends.
class FrmmainLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { fixture.open(); }
    void cleanup() { fixture.close(); }

    void freshWindowContents();
    void geometryFollowsTheDesignTwips_data();
    void geometryFollowsTheDesignTwips();
    void captionsFontsAndColours();
    void everyCaptionFitsItsBox_data();
    void everyCaptionFitsItsBox();
    void menuBar();
    void tabNeverStopsInTheSuperheatField();
    void seventhCharacterIsRefused_data();
    void seventhCharacterIsRefused();
    void logoFallsBackToTheBuiltInCopy_data();
    void logoFallsBackToTheBuiltInCopy();
    void closingEndsTheProgramWithoutAsking_data();
    void closingEndsTheProgramWithoutAsking();

  private:
    testing::MainWindowFixture fixture;
};

void FrmmainLayoutTest::freshWindowContents() {
    QCOMPARE(fixture.window().windowTitle(), QStringLiteral("Tolmerk Capillary Tube Design"));
    QVERIFY(!fixture.window().windowIcon().isNull());
    QCOMPARE(fixture.session().unit, UnitSystem::English);

    QComboBox* refrigerant = fixture.combo("Cmbrt");
    QVERIFY(!refrigerant->isEditable());
    QCOMPARE(refrigerant->currentIndex(), -1);
    QCOMPARE(refrigerant->currentText(), QString());
    QStringList items;
    for (int i = 0; i < refrigerant->count(); ++i) items << refrigerant->itemText(i);
    QCOMPARE(items, QStringList({"R22", "R134a", "R407C", "R404A"}));

    QComboBox* pressureDrop = fixture.combo("Cmbdpd");
    QVERIFY(pressureDrop->isEditable());
    QCOMPARE(pressureDrop->currentText(), QString());
    items.clear();
    for (int i = 0; i < pressureDrop->count(); ++i) items << pressureDrop->itemText(i);
    QCOMPARE(items, QStringList({"1", "1.5", "2", "3", "4", "5", "7", "10", "15", "20", "30", "40",
                                 "50", "70", "100"}));

    for (const char* name : {"Txtcapacity", "Txtet", "Txtct", "Txtsc", "Txtcircuit"}) {
        QCOMPARE(fixture.text(name), QString());
        QCOMPARE(fixture.background(name), kFieldWhite);
    }
    QCOMPARE(fixture.text("Txtsh"), QStringLiteral("0"));
    QVERIFY(!fixture.edit("Txtsh")->isVisible());
    QVERIFY(!fixture.find<QLabel>("Lbl5")->isVisible());
    for (const char* name : {"Txtlinesize", "Txtvelocity", "Txtel", "Txttpd", "Adpd"}) {
        QLineEdit* box = fixture.edit(name);
        QCOMPARE(box->text(), QString());
        QVERIFY2(box->isReadOnly(), name);
        QCOMPARE(box->alignment(), Qt::AlignCenter);
    }
    QCOMPARE(fixture.text("Lbl13"), QString());

    const QList<QPair<QString, QString>> tips{{"Txtcapacity", "Valid Range Is 1 to 10 Ton"},
                                              {"Txtet", "Valid Range Is -40 to 55 F"},
                                              {"Txtct", "Valid Range Is 80 to 150 F"},
                                              {"Txtsc", "Valid Range Is 0 to 20 F"},
                                              {"Txtsh", "Valid Range Is 0 to 50 F"},
                                              {"Txtcircuit", ""},
                                              {"Cmbrt", ""},
                                              {"Cmbdpd", ""}};
    for (const auto& [name, tip] : tips) QCOMPARE(fixture.find<QWidget>(name)->toolTip(), tip);

    // A read-only box refuses typing.
    fixture.type("Txtvelocity", "12");
    QCOMPARE(fixture.text("Txtvelocity"), QString());
}

void FrmmainLayoutTest::geometryFollowsTheDesignTwips_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("twips");  // left, top, width, height
    const auto row = [](const char* name, const char* parent, int x, int y, int w, int h) {
        QTest::newRow(name) << QString::fromLatin1(parent) << QRect(x, y, w, h);
    };
    row("Frame1", "centralwidget", 120, 120, 3735, 3135);
    row("Frame2", "centralwidget", 3960, 120, 4215, 3135);
    row("AnimatedGif1", "centralwidget", 1440, 3480, 5895, 615);
    row("Lbl1", "Frame1", 120, 480, 1215, 255);
    row("Cmbrt", "Frame1", 2520, 480, 1095, 315);
    row("Lbl2", "Frame1", 120, 840, 1815, 255);
    row("Txtcapacity", "Frame1", 2520, 840, 1095, 285);
    row("Lbl3", "Frame1", 120, 1200, 2175, 255);
    row("Txtet", "Frame1", 2520, 1200, 1095, 285);
    row("Lbl4", "Frame1", 120, 1560, 2175, 255);
    row("Txtct", "Frame1", 2520, 1560, 1095, 285);
    row("Lbl6", "Frame1", 120, 1920, 1215, 255);
    row("Txtsc", "Frame1", 2520, 1920, 1095, 285);
    row("Lbl7", "Frame1", 120, 2280, 2295, 255);
    row("Cmbdpd", "Frame1", 2520, 2280, 1095, 315);
    row("Lbl9", "Frame1", 120, 2640, 1095, 255);
    row("Txtcircuit", "Frame1", 2520, 2640, 1095, 285);
    row("Lbl5", "Frame1", 120, 3240, 1215, 255);
    row("Txtsh", "Frame1", 1320, 3240, 1095, 285);
    row("Lbl12", "Frame2", 120, 360, 735, 255);
    row("Txtlinesize", "Frame2", 960, 360, 375, 285);
    row("Lbl13", "Frame2", 1440, 360, 2655, 255);
    row("Lbl16", "Frame2", 120, 840, 735, 255);
    row("Txtvelocity", "Frame2", 1800, 840, 855, 285);
    row("Lbl17", "Frame2", 2760, 840, 495, 255);
    row("Lbl18", "Frame2", 120, 1320, 1575, 255);
    row("Txtel", "Frame2", 1800, 1320, 855, 285);
    row("Lbl19", "Frame2", 2760, 1320, 375, 255);
    row("Lbl14", "Frame2", 120, 1800, 1575, 255);
    row("Txttpd", "Frame2", 1800, 1800, 855, 285);
    row("Lbl15", "Frame2", 2760, 1800, 375, 255);
    row("Label1", "Frame2", 120, 2280, 1575, 255);
    row("Adpd", "Frame2", 1800, 2280, 855, 285);
    row("Label2", "Frame2", 2760, 2280, 975, 255);
    row("Cmdcalculate", "Frame2", 480, 2640, 1095, 375);
    row("Cmdclose", "Frame2", 2520, 2640, 1095, 375);
}

void FrmmainLayoutTest::geometryFollowsTheDesignTwips() {
    QFETCH(QString, parent);
    QFETCH(QRect, twips);
    constexpr int kTwipsPerPixel = 15;
    QWidget* control = fixture.find<QWidget>(QString::fromLatin1(QTest::currentDataTag()));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(),
             QRect(twips.x() / kTwipsPerPixel, twips.y() / kTwipsPerPixel,
                   twips.width() / kTwipsPerPixel, twips.height() / kTwipsPerPixel));
    // The client area is 8250 x 4020 twips below the menu bar.
    QCOMPARE(fixture.window().centralWidget()->size(), QSize(550, 268));
}

void FrmmainLayoutTest::captionsFontsAndColours() {
    const QList<QPair<QString, QString>> captions{{"Lbl1", "Refrigerant type :"},
                                                  {"Lbl2", "System Capacity (tons) :"},
                                                  {"Lbl3", "Evaporating Temperature (F) :"},
                                                  {"Lbl4", "Condensing Temperature (F) :"},
                                                  {"Lbl5", "Superheat (F) :"},
                                                  {"Lbl6", "Subcool (F) :"},
                                                  {"Lbl7", "Max. Pressure drop (Psi / Ft) :"},
                                                  {"Lbl9", "No of Circuit :"},
                                                  {"Lbl12", "Line Size :"},
                                                  {"Lbl16", "Velocity :"},
                                                  {"Lbl17", "FPS"},
                                                  {"Lbl18", "Length :"},
                                                  {"Lbl19", "Ft"},
                                                  {"Lbl14", "Total Pressure Drop :"},
                                                  {"Lbl15", "Psi "},
                                                  {"Label1", "Actual Pressure Drop :"},
                                                  {"Label2", "Psi / Ft"}};
    for (const auto& [name, caption] : captions) QCOMPARE(fixture.text(name), caption);
    QCOMPARE(fixture.find<QPushButton>("Cmdcalculate")->text(), QStringLiteral("Calculate"));
    QCOMPARE(fixture.find<QPushButton>("Cmdclose")->text(), QStringLiteral("Close"));

    const QColor darkBlue(0, 0, 192);
    QCOMPARE(fixture.find<QGroupBox>("Frame1")->title(),
             QStringLiteral(" Input System And design Data "));
    QCOMPARE(fixture.find<QGroupBox>("Frame2")->title(), QStringLiteral(" Output Data "));
    for (const char* name : {"Frame1", "Frame2"}) {
        auto* frame = fixture.find<QGroupBox>(name);
        QVERIFY(frame->font().bold());
        QCOMPARE(frame->palette().color(QPalette::WindowText), darkBlue);
    }
    // The frame's caption style stays on the caption.
    for (const char* name : {"Lbl2", "Label1", "Lbl13"}) {
        auto* label = fixture.find<QLabel>(name);
        QVERIFY2(!label->font().bold(), name);
        QVERIFY2(label->palette().color(QPalette::WindowText) != darkBlue, name);
    }
    for (const char* name : {"Txtcapacity", "Txtet", "Txtct", "Txtsh", "Txtsc", "Txtcircuit"}) {
        QCOMPARE(fixture.edit(name)->alignment(), Qt::AlignCenter);
    }
    QLineEdit* lineSize = fixture.edit("Txtlinesize");
    QVERIFY(lineSize->font().bold());
    QCOMPARE(fieldBackground(lineSize), fixture.window().palette().color(QPalette::Button));
    QCOMPARE(fixture.background("Txtvelocity"), kFieldWhite);
}

void FrmmainLayoutTest::everyCaptionFitsItsBox_data() {
    QTest::addColumn<UnitSystem>("unit");
    QTest::newRow("English") << UnitSystem::English;
    QTest::newRow("Metric") << UnitSystem::Metric;
}

// With the platform's font mapping every caption, and the widest results, fit their boxes.
void FrmmainLayoutTest::everyCaptionFitsItsBox() {
    QFETCH(UnitSystem, unit);
    if (unit == UnitSystem::Metric) unit11(fixture.window().controls(), fixture.session());
    fixture.find<QLabel>("Lbl13")->setText(QStringLiteral("Inch Copper Tube Inside diameter"));
    for (QLabel* label : fixture.window().findChildren<QLabel*>()) {
        if (label->objectName() == QLatin1String("AnimatedGif1")) continue;
        const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
        QVERIFY2(needed <= label->contentsRect().width(),
                 qPrintable(label->objectName() + ": " + label->text()));
    }
    for (QGroupBox* frame : fixture.window().findChildren<QGroupBox*>()) {
        const int needed = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
        QVERIFY2(needed < frame->width() - 16, qPrintable(frame->objectName()));
    }
    // Widest texts each result box shows: bore labels, and Metric lengths in millimetres.
    const QList<QPair<QString, QString>> results{
        {"Txtlinesize", "0.12"}, {"Txtvelocity", "115.86"}, {"Txtel", "71370"},
        {"Txttpd", "130"},       {"Adpd", "10.5"},          {"Txtcapacity", "1.0000"}};
    for (const auto& [name, text] : results) {
        QLineEdit* box = fixture.edit(name);
        box->setText(text);
        const int needed = QFontMetrics(box->font()).horizontalAdvance(text);
        // A text wider than the box scrolls, so the cursor's travel falls short of it.
        box->setCursorPosition(0);
        box->repaint();  // the line edit places its text while painting
        const int left = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        box->setCursorPosition(static_cast<int>(text.size()));
        box->repaint();
        const int right = box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        QVERIFY2(left >= 0 && right <= box->width(), qPrintable(name + ": " + text));
        QCOMPARE(right - left, needed);
    }
}

void FrmmainLayoutTest::menuBar() {
    QStringList menus;
    for (QAction* action : fixture.window().menuBar()->actions()) menus << action->text();
    // The analysis menu stands between the design's own Set up and Help menus.
    QCOMPARE(menus, QStringList({"&File", "&Set up", "&Analysis", "&Help"}));

    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {{"open", "&Open", "Ctrl+O"},
                          {"save", "&Save", "Ctrl+S"},
                          {"Printsetup", "Print Setup", ""},
                          {"print", "&Print", "Ctrl+P"},
                          {"exit", "&Exit", ""},
                          {"units", "Units", ""},
                          {"Tubeanalysis", "&Tube analysis…", "Ctrl+T"},
                          {"web", "Tolmerk  website", ""},
                          {"About", "About Tolmerk Capillary  ...", ""}};
    for (const Item& item : items) {
        auto* action = fixture.find<QAction>(item.name);
        QCOMPARE(action->text(), QString::fromUtf8(item.caption));
        QCOMPARE(action->shortcut(), QKeySequence(QString::fromLatin1(item.shortcut)));
        QVERIFY(action->isEnabled());
    }
    QStringList file;
    for (QAction* action : fixture.find<QMenu>("file")->actions()) {
        file << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
    }
    QCOMPARE(file, QStringList({"open", "save", "-", "Printsetup", "print", "-", "exit"}));
    QCOMPARE(fixture.find<QMenu>("setup")->actions().size(), 1);
    QCOMPARE(fixture.find<QMenu>("help")->actions().size(), 2);
    QCOMPARE(fixture.find<QMenu>("analysis")->actions().size(), 1);
}

void FrmmainLayoutTest::tabNeverStopsInTheSuperheatField() {
    fixture.combo("Cmbrt")->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (int i = 0; i < 10; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"Txtcapacity", "Txtet", "Txtct", "Txtsc", "Cmbdpd", "Txtcircuit",
                                   "Cmdcalculate", "Cmdclose", "Cmbrt", "Txtcapacity"}));
}

void FrmmainLayoutTest::seventhCharacterIsRefused_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Txtcapacity") << "1.00001"
                                 << "1.0000";
    QTest::newRow("Txtet") << "1.00001"
                           << "1.0000";
    QTest::newRow("Txtct") << "100.001"
                           << "100.00";
    QTest::newRow("Txtsc") << "1.00001"
                           << "1.0000";
    QTest::newRow("Txtcircuit") << "1234567"
                                << "123456";
    QTest::newRow("Cmbdpd") << "1.000001"
                            << "1.000001";  // the combos have no limit
}

void FrmmainLayoutTest::seventhCharacterIsRefused() {
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    fixture.type(name, keys);
    QCOMPARE(fixture.text(name), expected);
}

void FrmmainLayoutTest::logoFallsBackToTheBuiltInCopy_data() {
    QTest::addColumn<QByteArray>("fileContents");  // of tolmerk.gif in the current directory
    QTest::addColumn<bool>("fileIsUsed");
    QFile builtIn(QStringLiteral(":/capillary/tolmerk.gif"));
    QVERIFY(builtIn.open(QIODevice::ReadOnly));
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("unreadable") << QByteArray("GIF89a, but not really") << false;
    QTest::newRow("readable") << builtIn.readAll() << true;
}

void FrmmainLayoutTest::logoFallsBackToTheBuiltInCopy() {
    QFETCH(QByteArray, fileContents);
    QFETCH(bool, fileIsUsed);
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    if (!fileContents.isEmpty()) {
        QFile file(directory.filePath(QStringLiteral("tolmerk.gif")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileContents);
    }
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(directory.path()));
    fixture.open();
    QDir::setCurrent(previous);

    QMovie* movie = fixture.find<QLabel>("AnimatedGif1")->movie();
    QVERIFY(movie);
    QCOMPARE(movie->fileName(), fileIsUsed ? QStringLiteral("tolmerk.gif")
                                           : QStringLiteral(":/capillary/tolmerk.gif"));
    QVERIFY(movie->isValid());
    QCOMPARE(movie->state(), QMovie::Running);
    QVERIFY(movie->frameCount() > 1);
    QCOMPARE(movie->currentPixmap().size(), QSize(393, 41));
}

void FrmmainLayoutTest::closingEndsTheProgramWithoutAsking_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Close button") << 0;
    QTest::newRow("Exit menu item") << 1;
    QTest::newRow("close box") << 2;
}

void FrmmainLayoutTest::closingEndsTheProgramWithoutAsking() {
    QFETCH(int, way);
    fixture.type("Txtcapacity", "5");  // unsaved input changes nothing
    switch (way) {
        case 0:
            fixture.click("Cmdclose");
            break;
        case 1:
            fixture.find<QAction>("exit")->trigger();
            break;
        default:
            QVERIFY(fixture.window().close());
            break;
    }
    QCOMPARE(fixture.services().endProgramCalls, 1);
    QVERIFY(fixture.services().messages.empty());
}

QTEST_MAIN(FrmmainLayoutTest)
#include "Frmmain_layout_test.moc"
