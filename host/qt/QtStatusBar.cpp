#include "host/qt/QtStatusBar.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QResizeEvent>

namespace kv::qt {

namespace {

constexpr Qt::Alignment kAlign[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};

QLabel* panel_label(const QString& text, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setIndent(0);  // a framed label would indent its text by half an x besides
    const int inset = static_cast<int>(host::kPanelInset) - 1;
    l->setContentsMargins(inset, 0, inset, 0);
    return l;
}

}  // namespace

QtStatusBar::QtStatusBar(host::StatusBarLook look, double twips_per_pixel, QWidget* parent)
    : QFrame(parent), look_(std::move(look)), tpp_(twips_per_pixel) {
    // A bar has a face of its own, wherever it stands (an MDI form's workspace is darker).
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
    if (look_.simple) {
        labels_.push_back(panel_label(QString::fromStdString(look_.simple_text), this));
    } else {
        for (const host::StatusPanel& p : look_.panels) {
            QLabel* l = panel_label(QString::fromStdString(p.text), this);
            if (p.bevel != 0)
                l->setFrameStyle(QFrame::Panel | (p.bevel == 1 ? QFrame::Sunken : QFrame::Raised));
            l->setAlignment(kAlign[p.alignment] | Qt::AlignVCenter);
            l->setEnabled(p.enabled);
            labels_.push_back(l);
        }
    }
    place();
}

void QtStatusBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    place();
}

void QtStatusBar::place() {
    const int top = static_cast<int>(host::kPanelGap), h = std::max(0, height() - top);
    if (look_.simple) {
        labels_[0]->setGeometry(0, top, width(), h);
        return;
    }
    const QFontMetricsF metrics(font());
    const auto places = look_.place(width(), tpp_, [&](const std::string& s) {
        return metrics.horizontalAdvance(QString::fromStdString(s));
    });
    for (size_t i = 0; i < labels_.size(); ++i)
        labels_[i]->setGeometry(static_cast<int>(places[i].left), top,
                                static_cast<int>(places[i].width), h);
}

}  // namespace kv::qt
