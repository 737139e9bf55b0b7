#include "apps/kelvane/Renderer.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>

namespace kv::app {

namespace {

// Text drawing needs an application object; the offscreen platform needs no display.
void quiet(QtMsgType type, const QMessageLogContext&, const QString& msg) {
    // The offscreen platform's notices (no runtime folder, no display) are not the user's concern.
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(msg));
}

void ensure_gui() {
    if (QGuiApplication::instance()) return;
    qInstallMessageHandler(quiet);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kelvane";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app(new QGuiApplication(argc, argv));
}

const QColor kFace(240, 240, 240), kShadow(160, 160, 160), kDark(64, 64, 64),
    kWindow(255, 255, 255), kText(0, 0, 0), kHighlight(0, 120, 215);

class Painter {
  public:
    Painter(QPainter& p, double tpp) : p_(p), tpp_(tpp) {}

    QRectF rect(const ControlState& c) const {
        return QRectF(c.abs_left / tpp_, c.abs_top / tpp_, c.abs_width / tpp_, c.abs_height / tpp_);
    }

    void font(const ControlState& c) {
        QFont f("DejaVu Sans");
        const double pt = c.font_size.value_or(8.25);
        f.setPixelSize(std::max(1, static_cast<int>(pt * 1440.0 / 72.0 / tpp_ + 0.5)));
        p_.setFont(f);
    }

    void sunken(const QRectF& r, const QColor& fill) {
        p_.fillRect(r, fill);
        p_.setPen(kShadow);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
    }

    void raised(const QRectF& r) {
        p_.fillRect(r, QColor(225, 225, 225));
        p_.setPen(kDark);
        p_.drawRect(r.adjusted(0, 0, -1, -1));
    }

    void text(const QRectF& r, const std::string& s, int flags) {
        p_.setPen(kText);
        p_.drawText(r, flags, QString::fromStdString(s));
    }

    void draw(const ControlState& c) {
        const QRectF r = rect(c);
        const std::string& t = c.type;
        font(c);
        if (t == "Line") {
            p_.setPen(QPen(kShadow, 1));
            p_.drawLine(QPointF(c.abs_x1 / tpp_, c.abs_y1 / tpp_),
                        QPointF(c.abs_x2 / tpp_, c.abs_y2 / tpp_));
        } else if (t == "TextBox") {
            sunken(r, kWindow);
            text(r.adjusted(4, 3, -4, -3), c.caption,
                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        } else if (t == "CommandButton") {
            raised(r);
            text(r, c.caption, Qt::AlignCenter);
        } else if (t == "Label") {
            text(r, c.caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
        } else if (t == "Frame") {
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, 6, -1, -1));
            const QRectF cap(r.left() + 8, r.top(), r.width() - 16, 14);
            const QRectF used =
                p_.boundingRect(cap, Qt::AlignLeft, QString::fromStdString(c.caption));
            p_.fillRect(used.adjusted(-2, 0, 2, 0), kFace);
            text(cap, c.caption, Qt::AlignLeft | Qt::AlignTop);
        } else if (t == "ListBox" || t == "ComboBox" || t == "FileListBox" || t == "DirListBox") {
            sunken(r, kWindow);
            p_.setPen(kShadow);
            const double line = p_.fontMetrics().height();
            for (int i = 0; i < 3 && (i + 1) * line + 4 < r.height(); ++i)
                p_.drawText(QPointF(r.left() + 4, r.top() + 2 + (i + 1) * line - 3),
                            QString::fromStdString(c.key + " " + std::to_string(i + 1)));
        } else if (t == "PictureBox" || t == "Image") {
            sunken(r, c.key.rfind("KelvaneHSplit", 0) == 0 || c.key.rfind("KelvaneVSplit", 0) == 0
                          ? kHighlight
                          : QColor(228, 228, 228));
        } else if (t == "OptionButton" || t == "CheckBox") {
            const double d = std::min(12.0, r.height());
            const QRectF mark(r.left(), r.top() + (r.height() - d) / 2, d, d);
            p_.setPen(kDark);
            p_.setBrush(kWindow);
            t == "OptionButton" ? p_.drawEllipse(mark) : p_.drawRect(mark);
            p_.setBrush(Qt::NoBrush);
            text(r.adjusted(d + 4, 0, 0, 0), c.caption, Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            // Controls of other libraries: a labelled box.
            p_.fillRect(r, QColor(232, 236, 244));
            p_.setPen(kShadow);
            p_.drawRect(r.adjusted(0, 0, -1, -1));
            text(r.adjusted(4, 2, -4, -2), c.key + " (" + t + ")",
                 Qt::AlignLeft | Qt::AlignVCenter);
        }
    }

  private:
    QPainter& p_;
    double tpp_;
};

bool drawn(const ControlState& c) {
    if (c.visible && !*c.visible) return false;
    if (c.type == "Menu" || c.type == "Timer" || c.type == "zokKelvane") return false;
    return c.x1 || (c.abs_width > 0 && c.abs_height > 0);
}

}  // namespace

std::optional<std::string> image_format(const std::string& path) {
    ensure_gui();
    std::string suffix = std::filesystem::path(path).extension().string();
    if (suffix.size() < 2) return std::nullopt;
    suffix = suffix.substr(1);
    std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        if (format.toStdString() == suffix) return suffix;
    return std::nullopt;
}

std::vector<std::string> image_formats() {
    ensure_gui();
    std::vector<std::string> names;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        names.push_back(format.toStdString());
    return names;
}

bool render_picture(const Snapshot& s, double tpp, const std::string& path, std::string& error,
                    const std::string& title) {
    const auto format = image_format(path);
    if (!format) {
        error = "cannot tell an image format from the name '" + path + "'";
        return false;
    }
    constexpr int kTitle = 22;
    const int w = std::max(1, static_cast<int>(s.form.client_width_twips / tpp + 0.5));
    const int h = std::max(1, static_cast<int>(s.form.client_height_twips / tpp + 0.5));
    QImage image(w, h + kTitle, QImage::Format_RGB32);
    image.fill(kFace);
    {
        QPainter p(&image);
        p.fillRect(QRect(0, 0, w, kTitle), QColor(0, 84, 166));
        QFont f("DejaVu Sans");
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        const std::string caption = s.form.caption.empty() ? s.form.name : s.form.caption;
        p.drawText(QRect(6, 0, w - 12, kTitle), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromStdString(title.empty() ? caption : caption + "  -  " + title));
        p.translate(0, kTitle);
        p.setClipRect(QRect(0, 0, w, h));
        // Containers before what they hold.
        std::vector<const ControlState*> order;
        for (const auto& c : s.controls)
            if (drawn(c)) order.push_back(&c);
        std::stable_sort(
            order.begin(), order.end(),
            [](const ControlState* a, const ControlState* b) { return a->depth < b->depth; });
        Painter painter(p, tpp);
        for (const auto* c : order) painter.draw(*c);
    }
    QImageWriter writer(QString::fromStdString(path), QByteArray::fromStdString(*format));
    if (!writer.write(image)) {
        error = "cannot write the picture '" + path + "'";
        return false;
    }
    return true;
}

}  // namespace kv::app
