#include "host/qt/QtTabControl.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QTabBar>
#include <algorithm>
#include <cmath>

#include "engine/Error.h"
#include "host/common/PictureImage.h"
#include "host/qt/QtHost.h"

namespace kv::qt {

// Tabs that share the control's length a row at a time, in whole pixels (the odd pixels spread
// along the row).
class QtTabControl::EvenTabBar : public QTabBar {
  public:
    EvenTabBar(int per_row, QWidget* parent) : QTabBar(parent), per_row_(std::max(1, per_row)) {}

    // The control's length along the bar, in pixels: the tabs are measured again when it changes.
    void set_length(int length) {
        if (length == length_) return;
        length_ = length;
        // What a tab bar does when its font changes: forget the tabs' sizes and lay them out.
        QEvent remeasure(QEvent::FontChange);
        QTabBar::changeEvent(&remeasure);
    }

  protected:
    QSize tabSizeHint(int index) const override {
        QSize size = QTabBar::tabSizeHint(index);
        if (length_ <= 0) return size;
        const int column = index % per_row_;
        const int along = (column + 1) * length_ / per_row_ - column * length_ / per_row_;
        const bool upright = shape() == RoundedWest || shape() == RoundedEast ||
                             shape() == TriangularWest || shape() == TriangularEast;
        if (upright)
            size.setHeight(along);
        else
            size.setWidth(along);
        return size;
    }

  private:
    int per_row_;
    int length_ = 0;
};

QtTabControl::QtTabControl(const std::shared_ptr<mem::MemoryObject>& control, host::TabSet tabs,
                           QWidget* parent)
    : QTabWidget(parent), control_(control), tabs_(std::move(tabs)) {
    if (tabs_.kind == host::TabSet::Kind::Dialog && tabs_.style == 0) {
        even_ = new EvenTabBar(tabs_.per_row, this);
        setTabBar(even_);
    }
    for (int i = 0; i < tabs_.count(); ++i) {
        QIcon icon;
        if (auto pic = control->picture("TabPicture(" + std::to_string(i) + ")")) {
            const QImage image = host::picture_image(*pic);
            if (!image.isNull()) icon = QIcon(QPixmap::fromImage(image));
        }
        addTab(new QWidget, icon, QString::fromStdString(tabs_.captions[i]));
    }
    const TabPosition sides[] = {North, South, West, East};
    setTabPosition(sides[tabs_.orientation]);
    // The tabs as high as the form's (as wide on the left and right), so that they end where the
    // form's controls on the page expect them to; a strip's of one width along the bar too.
    const bool upright = tabs_.orientation >= 2;
    QtHost& host = QtHost::installed();
    const auto px = [](double twips, double tpp) {
        return std::max(1, static_cast<int>(std::lround(twips / tpp)));
    };
    const double across = upright ? host.twips_per_pixel_x() : host.twips_per_pixel_y();
    const double along = upright ? host.twips_per_pixel_y() : host.twips_per_pixel_x();
    QString sheet = QString::fromStdString(
        host::qt_tab_sheet("", px(tabs_.tab_height_twips, across), tabs_.orientation,
                           tabs_.fixed_width_twips > 0 ? px(tabs_.fixed_width_twips, along) : 0));
    // A strip of buttons has no page.
    sheet += QString::fromStdString(" " + host::qt_tab_buttons_sheet("", tabs_.buttons));
    if (!sheet.trimmed().isEmpty()) setStyleSheet(sheet.trimmed());
    setCurrentIndex(tabs_.current);
    connect(this, &QTabWidget::currentChanged, [this](int index) {
        if (index < 0) return;
        tabs_.current = index;
        if (auto c = control_.lock(); c && c->alive()) {
            try {
                c->set("Tab", static_cast<double>(index));
            } catch (const Error&) {
                // A control that refuses the write keeps showing the user's choice.
            }
        }
        if (switched_) switched_();
    });
}

void QtTabControl::resizeEvent(QResizeEvent* event) {
    // The tabs first: the page's place follows from the bar's.
    if (even_) even_->set_length(tabs_.orientation >= 2 ? height() : width());
    QTabWidget::resizeEvent(event);
}

}  // namespace kv::qt
