#include "host/qt/QtCommonWidgets.h"

#include <QHeaderView>
#include <QListWidget>
#include <QProgressBar>
#include <QSlider>
#include <QTableWidget>
#include <QTreeWidget>
#include <algorithm>
#include <climits>
#include <cmath>

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

}  // namespace kv::qt
