#include "widgets/export/chart_window.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCursor>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPen>
#include <QPixmap>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "core/amount/amount.h"
#include "widgets/common/qt_text.h"
#include "widgets/export/save_file.h"

namespace tolvex {
namespace {

// A round step, 1, 2 or 5 times a power of ten, giving about `ticks` steps over `range`.
double NiceStep(double range, int ticks) {
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double f : {1.0, 2.0, 5.0})
        if (raw <= f * power) return f * power;
    return 10 * power;
}

QString AmountLabel(double value, double step) {
    return Q(step >= 1 ? FormatWholeGrouped(value) : FormatMoney(value));
}

QString AmountTip(const QString& series, const QString& where, double value) {
    return series + QStringLiteral("\n") + where + QStringLiteral(": ") +
           Q(AppendZlSuffix(FormatMoney(value)));
}

// The amount axis: its labels are the program's amount texts at round values.
QCategoryAxis* AmountAxis(double low, double high, const std::string& title) {
    low = std::min(low, 0.0);
    if (high <= low) high = low + 1;
    const double step = NiceStep(high - low, 6);
    const double first = std::floor(low / step) * step;
    double last = std::ceil(high / step) * step;
    // A line along the top edge would run into the chart's title.
    if (last - high < step / 10) last += step;
    auto* axis = new QCategoryAxis;
    axis->setTitleText(Q(title));
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(first);
    for (int i = 0; first + i * step <= last + step / 2; ++i)
        axis->append(AmountLabel(first + i * step, step), first + i * step);
    axis->setRange(first, last);
    return axis;
}

// Whole numbers along the bottom: instalments or years.
QValueAxis* CountAxis(double low, double high, const std::string& title) {
    if (high <= low) high = low + 1;
    auto* axis = new QValueAxis;
    axis->setTitleText(Q(title));
    axis->setLabelFormat(QStringLiteral("%.0f"));
    const double step = std::max(1.0, NiceStep(high - low, 8));
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(std::floor(low / step) * step);
    axis->setTickInterval(step);
    axis->setRange(low, high);
    return axis;
}

QString WhereText(const QString& xTitle, double x) {
    return xTitle + QLatin1Char(' ') + QString::number(std::lround(x));
}

void AddLines(QChart* chart, const ChartPanel& panel, double& low, double& high) {
    for (const ChartSeries& s : panel.Series) {
        auto* line = new QLineSeries;
        line->setName(Q(s.Name));
        for (size_t i = 0; i < s.X.size(); ++i) line->append(s.X[i], s.Y[i]);
        for (double y : s.Y) low = std::min(low, y), high = std::max(high, y);
        QObject::connect(line, &QLineSeries::hovered, line,
                         [line, xTitle = Q(panel.XTitle)](const QPointF& p, bool on) {
                             if (on)
                                 QToolTip::showText(QCursor::pos(),
                                                    AmountTip(line->name(), WhereText(xTitle, p.x()), p.y()));
                         });
        chart->addSeries(line);
        // Lines after the first are dashed (on the theme's colour, set when added), so one
        // that runs along another still shows: capital without valorization is the sum paid.
        if (&s != &panel.Series.front()) {
            QPen pen = line->pen();
            pen.setStyle(Qt::DashLine);
            line->setPen(pen);
        }
    }
}

// Each series is laid on the sum of the ones before it.
void AddStackedAreas(QChart* chart, const ChartPanel& panel, double& low, double& high) {
    std::vector<double> base(panel.Series.empty() ? 0 : panel.Series[0].X.size(), 0.0);
    for (const ChartSeries& s : panel.Series) {
        auto* lower = new QLineSeries;
        auto* upper = new QLineSeries;
        for (size_t i = 0; i < s.X.size() && i < base.size(); ++i) {
            lower->append(s.X[i], base[i]);
            base[i] += s.Y[i];
            upper->append(s.X[i], base[i]);
            high = std::max(high, base[i]);
            low = std::min(low, s.Y[i]);
        }
        auto* area = new QAreaSeries(upper, lower);
        // The area does not own its edges.
        upper->setParent(area);
        lower->setParent(area);
        area->setName(Q(s.Name));
        QObject::connect(
            area, &QAreaSeries::hovered, area,
            [area, upper, xTitle = Q(panel.XTitle)](const QPointF& p, bool on) {
                if (!on || upper->count() == 0) return;
                const auto i =
                    std::clamp<qsizetype>(std::lround(p.x() - upper->at(0).x()), 0, upper->count() - 1);
                const double part = upper->at(i).y() - area->lowerSeries()->at(i).y();
                QToolTip::showText(QCursor::pos(),
                                   AmountTip(area->name(), WhereText(xTitle, upper->at(i).x()), part));
            });
        chart->addSeries(area);
    }
}

void AddBars(QChart* chart, const ChartPanel& panel, double& low, double& high) {
    auto* bars = new QBarSeries;
    for (const ChartSeries& s : panel.Series) {
        auto* set = new QBarSet(Q(s.Name));
        for (double y : s.Y) set->append(y), low = std::min(low, y), high = std::max(high, y);
        QObject::connect(set, &QBarSet::hovered, set, [set, categories = panel.Categories](bool on, int i) {
            if (on)
                QToolTip::showText(QCursor::pos(), AmountTip(set->label(), Q(categories.at(i)), set->at(i)));
        });
        bars->append(set);
    }
    chart->addSeries(bars);
}

QChart* MakeChart(const ChartPanel& panel) {
    auto* chart = new QChart;
    chart->setTitle(Q(panel.Title));
    QFont titleFont = chart->titleFont();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    chart->setTitleFont(titleFont);
    chart->legend()->setAlignment(Qt::AlignBottom);
    double low = 0, high = 0;
    switch (panel.Look) {
        case ChartPanel::Style::Lines:
            AddLines(chart, panel, low, high);
            break;
        case ChartPanel::Style::StackedAreas:
            AddStackedAreas(chart, panel, low, high);
            break;
        case ChartPanel::Style::Bars:
            AddBars(chart, panel, low, high);
            break;
    }
    QAbstractAxis* bottom = nullptr;
    if (panel.Look == ChartPanel::Style::Bars) {
        auto* categories = new QBarCategoryAxis;
        categories->setTitleText(Q(panel.XTitle));
        for (const std::string& c : panel.Categories) categories->append(Q(c));
        if (panel.Categories.size() > 8) categories->setLabelsAngle(-90);
        bottom = categories;
        chart->legend()->hide();  // one set: the title says what it is
    } else {
        double first = 0, last = 0;
        bool any = false;
        for (const ChartSeries& s : panel.Series)
            for (double x : s.X) {
                first = any ? std::min(first, x) : x;
                last = any ? std::max(last, x) : x;
                any = true;
            }
        bottom = CountAxis(first, last, panel.XTitle);
    }
    chart->addAxis(bottom, Qt::AlignBottom);
    QAbstractAxis* left = AmountAxis(low, high, panel.YTitle);
    chart->addAxis(left, Qt::AlignLeft);
    for (QAbstractSeries* s : chart->series()) {
        s->attachAxis(bottom);
        s->attachAxis(left);
    }
    return chart;
}

}  // namespace

ChartWindow::ChartWindow(const ChartSpec& spec, UiContext& ctx, QString fileStem, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), fileStem_(std::move(fileStem)) {
    setObjectName(QStringLiteral("OknoWykresu"));
    setWindowTitle(QStringLiteral("Wykres – ") + Q(spec.Title));
    area_ = new QWidget(this);
    area_->setObjectName(QStringLiteral("Wykresy"));
    auto* charts = new QVBoxLayout(area_);
    charts->setContentsMargins(0, 0, 0, 0);
    for (const ChartPanel& panel : spec.Panels) {
        QChart* chart = MakeChart(panel);
        charts_.append(chart);
        auto* view = new QChartView(chart, area_);
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(640, 260);
        charts->addWidget(view);
    }
    ZapiszPng = new QPushButton(QStringLiteral("Zapisz jako PNG…"), this);
    ZapiszPng->setObjectName(QStringLiteral("ZapiszPng"));
    Zamknij = new QPushButton(QStringLiteral("Zamknij"), this);
    Zamknij->setObjectName(QStringLiteral("Zamknij"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ZapiszPng);
    buttons->addStretch(1);
    buttons->addWidget(Zamknij);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(area_, 1);
    layout->addLayout(buttons);
    int height = spec.Panels.size() > 1 ? 760 : 520;
    // Two charts on a small screen share what it has rather than run off its bottom.
    if (QScreen* s = parent ? parent->screen() : screen())
        height = std::min(height, s->availableGeometry().height() - 40);
    resize(900, height);
    connect(ZapiszPng, &QPushButton::clicked, this, &ChartWindow::ZapiszPngClick);
    connect(Zamknij, &QPushButton::clicked, this, &QWidget::close);
}

QPixmap ChartWindow::Picture() const {
    return area_->grab();
}

void ChartWindow::ZapiszPngClick() {
    const SaveRequest request{QStringLiteral("Zapisz wykres jako PNG"),
                              ProposedFileName(fileStem_, QStringLiteral("png")),
                              QStringLiteral("Obrazy PNG (*.png)"), QStringLiteral("png")};
    const QPixmap picture = Picture();
    SaveToChosenFile(this, ctx_, request, [&picture](QIODevice& file) { return picture.save(&file, "PNG"); });
}

}  // namespace tolvex
