#include "host/qt/QtCommonWidgets.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QHeaderView>
#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>
#include <climits>
#include <cmath>

#include "host/common/DateSerial.h"
#include "host/qt/QtDatePicker.h"

namespace kv::qt {

namespace {

// A value Qt's int range holds.
int whole(double v) {
    return static_cast<int>(std::clamp(std::round(v), double(INT_MIN), double(INT_MAX)));
}

QSlider::TickPosition qt_tick_position(int tick_style) {
    switch (tick_style) {
        case host::RangeLook::TopLeft:
            return QSlider::TicksAbove;
        case host::RangeLook::Both:
            return QSlider::TicksBothSides;
        case host::RangeLook::NoTicks:
            return QSlider::NoTicks;
        default:
            return QSlider::TicksBelow;
    }
}

}  // namespace

QWidget* make_range_widget(const host::RangeLook& look, QWidget* parent) {
    const Qt::Orientation lie = look.upright ? Qt::Vertical : Qt::Horizontal;
    const int low = whole(std::min(look.min, look.max)), high = whole(std::max(look.min, look.max));
    if (look.kind == host::RangeLook::Kind::Progress) {
        auto* bar = new QProgressBar(parent);
        bar->setOrientation(lie);
        bar->setRange(low, high);
        bar->setValue(whole(look.value));
        bar->setTextVisible(false);
        // A range that runs from a larger Min fills from the other end.
        bar->setInvertedAppearance(look.min > look.max);
        return bar;
    }
    auto* slider = new QSlider(lie, parent);
    slider->setRange(low, high);
    slider->setValue(whole(look.value));
    slider->setTickPosition(qt_tick_position(look.ticks));
    slider->setTickInterval(whole(look.tick_frequency));
    slider->setSingleStep(whole(look.small_change));
    slider->setPageStep(whole(look.large_change));
    // Upright, Min is at the top (Qt puts its minimum at the bottom); a larger Min turns it round.
    slider->setInvertedAppearance(look.upright != (look.min > look.max));
    return slider;
}

QWidget* make_list_view(const host::ListViewLook& look, double tpp, QWidget* parent) {
    if (look.kind == host::ListViewLook::Kind::Tree) {
        auto* tree = new QTreeWidget(parent);
        tree->setHeaderHidden(true);
        return tree;
    }
    if (look.view != host::ListViewLook::Report) {
        auto* list = new QListWidget(parent);
        if (look.view == host::ListViewLook::Icons) list->setViewMode(QListView::IconMode);
        // A list's entries run down and on into further columns.
        if (look.view == host::ListViewLook::List) list->setFlow(QListView::TopToBottom);
        return list;
    }
    auto* report = new QTreeWidget(parent);
    report->setRootIsDecorated(false);
    report->setHeaderHidden(!look.headers);
    report->setColumnCount(std::max<int>(1, static_cast<int>(look.columns.size())));
    QStringList captions;
    for (const auto& col : look.columns) captions << QString::fromStdString(col.text);
    report->setHeaderLabels(captions);
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    for (int i = 0; i < static_cast<int>(look.columns.size()); ++i) {
        const auto& col = look.columns[static_cast<size_t>(i)];
        report->header()->resizeSection(i, static_cast<int>(std::lround(col.width_twips / tpp)));
        report->headerItem()->setTextAlignment(i, kAlign[col.alignment] | Qt::AlignVCenter);
    }
    // The last column keeps its width: the runtime leaves the rest of the row empty.
    report->header()->setStretchLastSection(false);
    return report;
}

QWidget* make_data_grid(const host::DataGridLook& look, double tpp, QWidget* parent) {
    const int columns = static_cast<int>(look.columns.size());
    auto* grid = new QTableWidget(0, columns, parent);
    static constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter,
                                               Qt::AlignLeft};
    for (int i = 0; i < columns; ++i) {
        const host::GridColumn& col = look.columns[static_cast<size_t>(i)];
        auto* head = new QTableWidgetItem(QString::fromStdString(col.caption));
        head->setTextAlignment(kAlign[col.alignment] | Qt::AlignVCenter);
        grid->setHorizontalHeaderItem(i, head);
        grid->setColumnWidth(i, static_cast<int>(std::lround(col.width_twips / tpp)));
        grid->setColumnHidden(i, !col.visible);
    }
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->verticalHeader()->setVisible(look.record_selectors);
    grid->verticalHeader()->setFixedWidth(static_cast<int>(host::kRecordSelectorWidth));
    return grid;
}

QWidget* make_date_widget(const host::DateLook& look, QWidget* parent) {
    const host::CivilDate d = host::civil_of(look.date);
    const QDate date(d.year, d.month, d.day);
    // The runtime's dates start in the year 100; Qt's date widgets otherwise start later.
    const QDate first(100, 1, 1);
    if (look.kind == host::DateLook::Kind::Month) {
        auto* calendar = new QCalendarWidget(parent);
        calendar->setMinimumDate(first);
        calendar->setSelectedDate(date);
        // Qt counts the week's days from Monday (1) to Sunday (7), the runtime from Sunday.
        calendar->setFirstDayOfWeek(
            static_cast<Qt::DayOfWeek>(look.start_of_week == 1 ? 7 : look.start_of_week - 1));
        // A month's box is narrow for Qt's three-letter names, which it would cut short.
        calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
        calendar->setVerticalHeaderFormat(look.week_numbers ? QCalendarWidget::ISOWeekNumbers
                                                            : QCalendarWidget::NoVerticalHeader);
        return calendar;
    }
    QDateTimeEdit* edit = look.check_box ? new QtDatePicker(parent) : new QDateTimeEdit(parent);
    edit->setMinimumDate(first);
    const host::DayTime t = host::time_of(look.date);
    edit->setDateTime(QDateTime(date, QTime(t.hour, t.minute, t.second)));
    edit->setDisplayFormat(QString::fromStdString(host::DateLook::qt_pattern(look.pattern())));
    edit->setCalendarPopup(!look.up_down && look.shows_date());
    return edit;
}

}  // namespace kv::qt
