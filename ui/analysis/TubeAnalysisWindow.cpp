#include "ui/analysis/TubeAnalysisWindow.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/figure_texts.h"
#include "engine/flow_profile_figures.h"
#include "ui/analysis/analysis_charts.h"
#include "ui/analysis/analysis_tables.h"
#include "ui/analysis/chart_export.h"
#include "ui/common/Mdlerror.h"
#include "ui/common/complete_file.h"
#include "ui/common/qt_text.h"
#include "ui/platform/platform_services.h"

namespace capillary {
namespace {

// 1280 x 700 fits a 1366 x 768 screen with room for the desktop's own bars.
constexpr QSize kStartSize{1280, 700};

const QString kNoDesign = QStringLiteral(
    "Press Calculate in the main window: its design, with every bore and the flow along the "
    "tube, is shown here.");

// What each method takes for granted, in one plain sentence each.
const QString kSizingAssumes = QStringLiteral(
    "Sizing model: four equal temperature steps, each flashing vapour only from its own "
    "liquid, with friction alone taking the pressure drop.");
const QString kHomogeneousAssumes = QStringLiteral(
    "Homogeneous model: liquid and vapour in equilibrium moving at one velocity; friction and "
    "acceleration take the pressure drop, and the flow chokes where acceleration alone would.");
const QString kChartAssumes = QStringLiteral(
    "ASHRAE chart: the handbook's curve fits of measured R22 tubes, straight, with a subcooled "
    "inlet and choked flow; the evaporating temperature plays no part.");
const QString kOpinionHint = QStringLiteral(
    "The tube the sizing chose, as each method sees it at the design's flow per circuit.");
const QString kNoTubeToWeigh = QStringLiteral(
    "No standard bore meets the limit, so there is no sized tube to weigh; the Bores tab shows "
    "how near each one comes.");
const QString kChartAbsent = QStringLiteral(
    "ASHRAE chart: its curve fits hold for R22 only, so it gives no figure for this "
    "refrigerant.");

QFont readableFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    return font;
}

QTableWidget* newTable(const char* name) {
    auto* table = new QTableWidget;
    table->setObjectName(QString::fromLatin1(name));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QChartView* newChartView(const char* name) {
    auto* view = new QChartView;
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(360, 260);
    return view;
}

QLabel* sentence(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

// A new chart in the view; the view owns it and lets the old one go.
void showChart(QChartView* view, QChart* chart) {
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

}  // namespace

TubeAnalysisWindow::TubeAnalysisWindow(PlatformServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
    setObjectName(QStringLiteral("TubeAnalysis"));
    setWindowTitle(QStringLiteral("Tube analysis"));
    setFont(readableFont());

    summary_ = sentence(kNoDesign, "Summary");
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("Tabs"));
    tabs_->addTab(makeBoresTab(), QStringLiteral("&Bores"));
    tabs_->addTab(makeAlongTab(), QStringLiteral("&Along the tube"));
    tabs_->addTab(makeOpinionTab(), QStringLiteral("&Second opinion"));
    tabs_->setEnabled(false);

    copyTable_ = new QPushButton(QStringLiteral("&Copy table"));
    copyTable_->setObjectName(QStringLiteral("CmdCopy"));
    saveTable_ = new QPushButton(QStringLiteral("Save table as CS&V…"));
    saveTable_->setObjectName(QStringLiteral("CmdSaveTable"));
    saveChart_ = new QPushButton(QStringLiteral("Save c&hart as PNG or SVG…"));
    saveChart_->setObjectName(QStringLiteral("CmdSaveChart"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyTable_);
    buttons->addWidget(saveTable_);
    buttons->addWidget(saveChart_);
    buttons->addStretch();
    connect(copyTable_, &QPushButton::clicked, this, &TubeAnalysisWindow::copyVisibleTable);
    connect(saveTable_, &QPushButton::clicked, this, &TubeAnalysisWindow::saveVisibleTable);
    connect(saveChart_, &QPushButton::clicked, this, &TubeAnalysisWindow::saveVisibleChart);
    for (QPushButton* button : {copyTable_, saveTable_, saveChart_}) button->setEnabled(false);
    // The second opinion has no chart of its own to save.
    connect(tabs_, &QTabWidget::currentChanged, saveChart_,
            [this] { saveChart_->setEnabled(analysis_.has_value() && visibleCharts()); });

    auto* copyKey = new QAction(this);
    copyKey->setShortcut(QKeySequence::Copy);
    copyKey->setShortcutContext(Qt::WindowShortcut);
    connect(copyKey, &QAction::triggered, this, &TubeAnalysisWindow::copyVisibleTable);
    addAction(copyKey);

    // A table would copy only its current cell; here Ctrl+C copies the whole visible table.
    for (QTableWidget* table : {boreTable_, stepTable_, opinionTable_}) {
        table->installEventFilter(this);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);
    // Never larger than the screen, at any scale factor.
    QSize size = kStartSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() * 0.95);
    }
    resize(size);
}

QWidget* TubeAnalysisWindow::makeBoresTab() {
    boreTable_ = newTable("BoreTable");
    boreChart_ = newChartView("BoreChart");
    // Picking a bore in the table, by mouse or by keyboard, shows the flow along that bore.
    connect(boreTable_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0 && profileBore_ != row + 1) showProfileOf(row + 1);
    });
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(boreTable_);
    splitter->addWidget(boreChart_);
    splitter->setSizes({680, 560});
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(sentence(QStringLiteral("Every standard bore at the design's flow, as the "
                                              "sizing tried them; click a bore to see the flow "
                                              "along it."),
                               "BoresHint"));
    layout->addWidget(splitter, 1);
    return page;
}

QWidget* TubeAnalysisWindow::makeAlongTab() {
    profileTitle_ = sentence(QString(), "ProfileTitle");
    pressureChart_ = newChartView("PressureChart");
    qualityChart_ = newChartView("QualityChart");
    profileCharts_ = new QWidget;
    profileCharts_->setObjectName(QStringLiteral("ProfileCharts"));
    auto* charts = new QHBoxLayout(profileCharts_);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(pressureChart_);
    charts->addWidget(qualityChart_);
    stepTable_ = newTable("StepTable");
    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(profileCharts_);
    splitter->addWidget(stepTable_);
    splitter->setSizes({380, 200});
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(profileTitle_);
    layout->addWidget(splitter, 1);
    return page;
}

QWidget* TubeAnalysisWindow::makeOpinionTab() {
    opinionTable_ = newTable("OpinionTable");
    opinionTable_->setSelectionMode(QAbstractItemView::NoSelection);
    // One line a cell: its columns get their width only once the window is shown.
    opinionTable_->setWordWrap(false);
    chartAssumption_ = sentence(kChartAssumes, "ChartAssumes");
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    opinionHint_ = sentence(kOpinionHint, "OpinionHint");
    layout->addWidget(opinionHint_);
    opinionTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    opinionTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(opinionTable_);
    layout->addWidget(sentence(kSizingAssumes, "SizingAssumes"));
    layout->addWidget(sentence(kHomogeneousAssumes, "HomogeneousAssumes"));
    layout->addWidget(chartAssumption_);
    layout->addStretch();
    return page;
}

void TubeAnalysisWindow::showDesign(const CalculatedDesign& design) {
    analysis_ = analyseTube(design);
    const TubeAnalysis& a = *analysis_;
    const QString outcome =
        a.chosenIndex
            ? QStringLiteral("line size %1 in").arg(toQString(a.bore(*a.chosenIndex).bore.label))
            : QStringLiteral("no standard bore meets the limit");
    summary_->setText(QStringLiteral("%1: %2.").arg(toQString(designSummary(design)), outcome));
    tabs_->setEnabled(true);
    copyTable_->setEnabled(true);
    saveTable_->setEnabled(true);
    saveChart_->setEnabled(visibleCharts());

    {
        const QSignalBlocker refilling(boreTable_);  // the profile follows below, once
        fillBoreTable(*boreTable_, a);
    }
    boreTable_->resizeColumnsToContents();
    boreTable_->resizeRowsToContents();
    showChart(boreChart_, makeBoreChart(a));

    fillOpinionTable(*opinionTable_, secondOpinionOnChosen(a), homogeneousFlowThroughChosen(a),
                     design.unit);
    opinionHint_->setText(a.chosenIndex ? kOpinionHint : kNoTubeToWeigh);
    // As high as its rows, so the sentences on the methods stand right beneath it; from size
    // hints, since the window may not have been shown yet.
    opinionTable_->resizeRowsToContents();
    int height =
        opinionTable_->horizontalHeader()->sizeHint().height() + 2 * opinionTable_->frameWidth();
    for (int row = 0; row < opinionTable_->rowCount(); ++row) {
        height += opinionTable_->rowHeight(row);
    }
    opinionTable_->setFixedHeight(height);
    chartAssumption_->setText(design.refrigerant == kChartRefrigerant ? kChartAssumes
                                                                      : kChartAbsent);
    // Without a chosen bore the widest is shown, as the one nearest to meeting the limit.
    showProfileOf(a.chosenIndex.value_or(kBoreCount));
}

void TubeAnalysisWindow::showProfileOf(int boreIndex) {
    if (!analysis_) return;
    profileBore_ = boreIndex;
    const TubeAnalysis& a = *analysis_;
    const UnitSystem unit = a.calculated.unit;
    const BoreEvaluation& bore = a.bore(boreIndex);
    const std::optional<HomogeneousFlow> flow = flowAlongBore(a, boreIndex);
    const QString which =
        a.chosenIndex == boreIndex ? QStringLiteral("the chosen") : QStringLiteral("the picked");
    if (flow) {
        const QString choke =
            flow->choke ? QStringLiteral("; the flow chokes at %1 from the inlet")
                              .arg(toQString(profileLengthText(flow->totalLengthFt, unit)))
                        : QString();
        profileTitle_->setText(
            QStringLiteral("Homogeneous flashing-flow model along %1 %2 in bore at %3 per "
                           "circuit%4.")
                .arg(which, toQString(bore.bore.label),
                     toQString(massFlowText(a.massFlowLbPerH, unit)), choke));
        showChart(pressureChart_, makePressureChart(*flow, unit));
        showChart(qualityChart_, makeQualityChart(*flow, unit));
    } else {
        profileTitle_->setText(
            QStringLiteral("The homogeneous model does not apply to the %1 in bore of this design.")
                .arg(toQString(bore.bore.label)));
        showChart(pressureChart_, makeEmptyChart(QStringLiteral("No flow to show")));
        showChart(qualityChart_, makeEmptyChart(QStringLiteral("No flow to show")));
    }
    fillStepTable(*stepTable_, flow, unit);
    stepTable_->resizeColumnsToContents();
    stepTable_->resizeRowsToContents();
    boreTable_->selectRow(boreIndex - 1);
}

bool TubeAnalysisWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool copyKey =
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (!copyKey) return QWidget::eventFilter(watched, event);
    event->accept();
    if (event->type() == QEvent::KeyPress) copyVisibleTable();
    return true;
}

QTableWidget* TubeAnalysisWindow::visibleTable() const {
    switch (tabs_->currentIndex()) {
        case 0:
            return boreTable_;
        case 1:
            return stepTable_;
        default:
            return opinionTable_;
    }
}

QWidget* TubeAnalysisWindow::visibleCharts() const {
    switch (tabs_->currentIndex()) {
        case 0:
            return boreChart_;
        case 1:
            return profileCharts_;
        default:
            return nullptr;
    }
}

void TubeAnalysisWindow::copyVisibleTable() {
    if (!analysis_) return;
    QApplication::clipboard()->setText(tableAsTabSeparated(*visibleTable()));
}

void TubeAnalysisWindow::saveVisibleTable() {
    if (!analysis_) return;
    const auto chosen = services_.chooseFileToSave(
        this, {lastTable_, QStringLiteral("CSV table (*.csv)"), QStringLiteral("csv")});
    if (!chosen) return;
    QString fileName = *chosen;
    if (QFileInfo(fileName).suffix().isEmpty()) fileName += QStringLiteral(".csv");
    lastTable_ = fileName;
    writeExport(fileName, tableAsCsv(*visibleTable()).toUtf8());
}

void TubeAnalysisWindow::saveVisibleChart() {
    if (!analysis_ || !visibleCharts()) return;
    const auto chosen = services_.chooseFileToSave(
        this, {lastChart_, QStringLiteral("PNG image (*.png);;SVG drawing (*.svg)"),
               QStringLiteral("png")});
    if (!chosen) return;
    const QString fileName = withPictureSuffix(*chosen);
    lastChart_ = fileName;
    const std::optional<QByteArray> format = pictureFormatOf(fileName);
    if (!format) {
        reportExportFailure(fileName,
                            QStringLiteral(".%1 is not a picture format; save the chart as "
                                           ".png or .svg")
                                .arg(QFileInfo(fileName).suffix()));
        return;
    }
    const std::optional<QByteArray> picture = renderPicture(*visibleCharts(), *format);
    if (!picture) {
        reportExportFailure(fileName, QStringLiteral("the chart could not be drawn"));
        return;
    }
    writeExport(fileName, *picture);
}

void TubeAnalysisWindow::writeExport(const QString& fileName, const QByteArray& bytes) {
    if (const std::optional<QString> failure = writeCompleteFile(fileName, bytes)) {
        reportExportFailure(fileName, *failure);
    }
}

void TubeAnalysisWindow::reportExportFailure(const QString& fileName, const QString& reason) {
    Mdlerror::showMessage(
        services_, this,
        QStringLiteral("Cannot save %1: %2.").arg(QFileInfo(fileName).fileName(), reason));
}

}  // namespace capillary
