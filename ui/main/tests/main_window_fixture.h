#pragma once

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

#include "ui/common/field_background.h"
#include "ui/common/session.h"
#include "ui/main/Frmmain.h"
#include "ui/platform/recording_platform_services.h"

namespace capillary::testing {

// A fresh main window on the headless screen, with the desktop replaced by a recorder.
class MainWindowFixture {
  public:
    void open() {
        window_.reset();
        session_ = Session{};
        services_ = std::make_unique<RecordingPlatformServices>();
        window_ = std::make_unique<Frmmain>(session_, *services_);
        window_->show();
        if (!QTest::qWaitForWindowExposed(window_.get())) qFatal("the main window was not shown");
        window_->activateWindow();
    }
    void close() { window_.reset(); }

    Frmmain& window() { return *window_; }
    Session& session() { return session_; }
    RecordingPlatformServices& services() { return *services_; }

    // A control of the main window by its object name; a missing one ends the test run.
    template <typename Control>
    Control* find(const QString& name) {
        auto* control = window_->findChild<Control*>(name);
        if (!control) qFatal("no control %s", qPrintable(name));
        return control;
    }
    QLineEdit* edit(const QString& name) { return find<QLineEdit>(name); }
    QComboBox* combo(const QString& name) { return find<QComboBox>(name); }
    QString text(const QString& name) {
        if (auto* box = window_->findChild<QComboBox*>(name)) return box->currentText();
        if (auto* label = window_->findChild<QLabel*>(name)) return label->text();
        return edit(name)->text();
    }
    QColor background(const QString& name) { return fieldBackground(find<QWidget>(name)); }

    // Types `keys` into a control as the user would, one key press and release each.
    void type(const QString& name, const QString& keys) {
        QWidget* control = find<QWidget>(name);
        control->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(control, keys);
    }

    // Picks an item from a combo's drop-down list with the mouse.
    void pick(const QString& name, const QString& item) {
        QComboBox* box = combo(name);
        const int row = box->findText(item, Qt::MatchExactly);
        if (row < 0) qFatal("no item %s in %s", qPrintable(item), qPrintable(name));
        box->showPopup();
        QAbstractItemView* list = box->view();
        const QModelIndex index = list->model()->index(row, box->modelColumn(), list->rootIndex());
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        if (box->currentIndex() != row)
            qFatal("picking %s from %s failed", qPrintable(item), qPrintable(name));
    }

    void click(const QString& name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }

    // Chooses a unit system in the units dialog, opened from the Set up menu, and presses OK.
    void switchUnits(UnitSystem target) {
        services_->onDialog = [target](QDialog& dialog) {
            auto* option = dialog.findChild<QRadioButton*>(target == UnitSystem::Metric
                                                               ? QStringLiteral("metric")
                                                               : QStringLiteral("imperial"));
            QTest::mouseClick(option, Qt::LeftButton);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("CmdOK")),
                              Qt::LeftButton);
        };
        find<QAction>(QStringLiteral("units"))->trigger();
        services_->onDialog = nullptr;
    }

  private:
    Session session_;
    std::unique_ptr<RecordingPlatformServices> services_;
    std::unique_ptr<Frmmain> window_;
};

}  // namespace capillary::testing
