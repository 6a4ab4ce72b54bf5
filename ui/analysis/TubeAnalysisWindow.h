#pragma once

#include <QWidget>

#include <optional>

#include "engine/tube_analysis.h"

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;

namespace capillary {

class PlatformServices;

// The tube analysis window: every standard bore of the last calculated design side by side,
// the flow along a bore by the homogeneous model, and the second opinion on the chosen tube,
// with the visible table or chart to copy or save. It only shows; it changes no design.
class TubeAnalysisWindow : public QWidget {
    Q_OBJECT

  public:
    explicit TubeAnalysisWindow(PlatformServices& services, QWidget* parent = nullptr);

    // Shows a design that passed the Calculate command's checks, in the unit system it was
    // calculated in; the flow along the tube is shown for its chosen bore.
    void showDesign(const CalculatedDesign& design);

    // The bore (1 … 14) whose flow along the tube is shown; none before any design.
    std::optional<int> profileBore() const { return profileBore_; }

    // Export of what is visible: the table of the current tab, and its chart.
    void copyVisibleTable();
    void saveVisibleTable();
    void saveVisibleChart();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeBoresTab();
    QWidget* makeAlongTab();
    QWidget* makeOpinionTab();
    void showProfileOf(int boreIndex);
    QTableWidget* visibleTable() const;
    QWidget* visibleCharts() const;
    void writeExport(const QString& fileName, const QByteArray& bytes);
    void reportExportFailure(const QString& fileName, const QString& reason);

    PlatformServices& services_;
    std::optional<TubeAnalysis> analysis_;
    std::optional<int> profileBore_;
    // The last table and chart saved; each save dialog starts at its own kind's last file.
    QString lastTable_;
    QString lastChart_;

    QLabel* summary_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QPushButton* copyTable_ = nullptr;
    QPushButton* saveTable_ = nullptr;
    QPushButton* saveChart_ = nullptr;
    QTableWidget* boreTable_ = nullptr;
    QChartView* boreChart_ = nullptr;
    QLabel* profileTitle_ = nullptr;
    QWidget* profileCharts_ = nullptr;
    QChartView* pressureChart_ = nullptr;
    QChartView* qualityChart_ = nullptr;
    QTableWidget* stepTable_ = nullptr;
    QLabel* opinionHint_ = nullptr;
    QTableWidget* opinionTable_ = nullptr;
    QLabel* chartAssumption_ = nullptr;
};

}  // namespace capillary
