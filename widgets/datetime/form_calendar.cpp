#include "widgets/datetime/form_calendar.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "core/amount/amount.h"

namespace tolvex {
namespace {

// The date field's years: its texts have four-digit years from 1, and it steps no further.
constexpr int kFirstYear = kFirstFieldYear;
constexpr int kLastYear = kLastFieldYear;

}  // namespace

TFormCalendar::TFormCalendar(const UiContext& ctx, QWidget* parent, QDate today)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      ctx_(ctx),
      today_(today) {
    setObjectName("TFormCalendar");
    setWindowTitle(QString::fromUtf8("Wybierz Datę"));

    SEYear = new QSpinBox(this);
    SEYear->setObjectName("SEYear");
    SEYear->setRange(kFirstYear, kLastYear);
    CBMonth = new QComboBox(this);
    CBMonth->setObjectName("CBMonth");
    for (const char* m : {"Styczeń", "Luty", "Marzec", "Kwiecień", "Maj", "Czerwiec", "Lipiec", "Sierpień",
                          "Wrzesień", "Październik", "Listopad", "Grudzień"})
        CBMonth->addItem(QString::fromUtf8(m));
    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName("Calendar1");
    Calendar1->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setDateRange(QDate(kFirstYear, 1, 1), QDate(kLastYear, 12, 31));
    BtnSelect = new QPushButton(QString::fromUtf8("&Wprowadź Datę"), this);
    BtnSelect->setObjectName("BtnSelect");
    BtnCancel = new QPushButton(QString::fromUtf8("&Anuluj"), this);
    BtnCancel->setObjectName("BtnCancel");
    // Enter belongs to the form's own key handler, not to a default button.
    BtnSelect->setAutoDefault(false);
    BtnCancel->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    auto* yearLabel = new QLabel(QString::fromUtf8("Rok:"), this);
    yearLabel->setBuddy(SEYear);
    auto* monthLabel = new QLabel(QString::fromUtf8("Miesiąc:"), this);
    monthLabel->setBuddy(CBMonth);
    top->addWidget(yearLabel);
    top->addWidget(SEYear);
    top->addSpacing(12);
    top->addWidget(monthLabel);
    top->addWidget(CBMonth, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(BtnSelect);
    bottom->addWidget(BtnCancel);
    bottom->addStretch();
    auto* root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(Calendar1, 1);
    root->addLayout(bottom);

    connect(SEYear, &QSpinBox::valueChanged, this, &TFormCalendar::SEYearChange);
    connect(CBMonth, &QComboBox::currentIndexChanged, this, &TFormCalendar::CBMonthChange);
    // A double click, or Enter inside the grid.
    connect(Calendar1, &QCalendarWidget::activated, this, &TFormCalendar::Calendar1DblClick);
    // A click on a day of the neighbouring month turns the page; keep the year and month above in step.
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, [this] {
        QDate s = Calendar1->selectedDate();
        QSignalBlocker by(SEYear), bm(CBMonth);
        SEYear->setValue(s.year());
        CBMonth->setCurrentIndex(s.month() - 1);
    });
    connect(BtnSelect, &QPushButton::clicked, this, &TFormCalendar::BtnSelectClick);
    connect(BtnCancel, &QPushButton::clicked, this, &TFormCalendar::BtnCancelClick);

    SetDate(std::nullopt);
}

void TFormCalendar::SetDate(std::optional<DateTimeSerial> d) {
    d_ = d;
    if (!d) {
        UpdateDate(today_.year(), today_.month(), today_.day());
        return;
    }
    DateParts p = DecodeDate(*d);
    UpdateDate(p.year, p.month, p.day);
}

void TFormCalendar::ShowGridPage(int year, int month) {
    Calendar1->setCurrentPage(year, month);
}

void TFormCalendar::UpdateDate(int year, int month, int day) {
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1) {
        ctx_.Say("Invalid Date");
        return;
    }
    // A month without the day shown (the 31st into April) shows its last day instead.
    QDate first(year, month, 1);
    QDate date(year, month, std::min(day, first.daysInMonth()));
    if (!date.isValid()) {
        ctx_.Say("Invalid Date");
        return;
    }
    {
        QSignalBlocker by(SEYear), bm(CBMonth);
        SEYear->setValue(year);
        CBMonth->setCurrentIndex(month - 1);
    }
    QSignalBlocker bc(Calendar1);
    Calendar1->setSelectedDate(date);
    ShowGridPage(year, month);
}

void TFormCalendar::SEYearChange() {
    QDate s = Calendar1->selectedDate();
    UpdateDate(SEYear->value(), s.month(), s.day());
}

void TFormCalendar::CBMonthChange() {
    QDate s = Calendar1->selectedDate();
    UpdateDate(s.year(), CBMonth->currentIndex() + 1, s.day());
}

void TFormCalendar::Calendar1DblClick() {
    BtnSelectClick();
}

void TFormCalendar::BtnSelectClick() {
    QDate s = Calendar1->selectedDate();
    try {
        d_ = TimePart(d_.value_or(0)) + EncodeDate(s.year(), s.month(), s.day());
    } catch (const ConversionError& e) {
        ctx_.Say(e.what());
        return;
    }
    accept();
}

void TFormCalendar::BtnCancelClick() {
    reject();
}

void TFormCalendar::FormKeyDown(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        BtnSelectClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormCalendar::keyPressEvent(QKeyEvent* event) {
    FormKeyDown(event);
}

}  // namespace tolvex
