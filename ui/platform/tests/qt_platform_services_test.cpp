#include <QApplication>
#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "ui/platform/qt_platform_services.h"

using namespace capillary;

// The real desktop services, as far as they can be driven without a person.
class QtPlatformServicesTest : public QObject {
    Q_OBJECT

  private slots:
    void printSetupConfirmsWithOk();
    void cancelledPrintSetupKeepsThePrinter();
};

namespace {

QPushButton* confirmButton(QWidget* dialog) {
    for (auto* buttons : dialog->findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) return ok;
    }
    return nullptr;
}

}  // namespace

// Print Setup chooses a printer for later; its button must not promise to print now.
void QtPlatformServicesTest::printSetupConfirmsWithOk() {
    QPrinter printer;
    const std::unique_ptr<QPrintDialog> dialog = makePrinterSetupDialog(printer, nullptr);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QPushButton* ok = confirmButton(dialog.get());
    QVERIFY(ok);
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    dialog->reject();
}

void QtPlatformServicesTest::cancelledPrintSetupKeepsThePrinter() {
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    QtPlatformServices services;
    QString shownOk;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog) return;
        if (QPushButton* ok = confirmButton(dialog)) shownOk = ok->text();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    QVERIFY(!services.setUpPrinter(nullptr, printer));
    QCOMPARE(shownOk, QStringLiteral("OK"));
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

QTEST_MAIN(QtPlatformServicesTest)
#include "qt_platform_services_test.moc"
