#include "host/qt/QtWidgetFactory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "engine/Error.h"
#include "engine/HostAccess.h"
#include "host/common/ClassTraits.h"
#include "host/common/MaskLook.h"
#include "host/common/PictureImage.h"
#include "host/common/QtClasses.h"
#include "host/common/TabSet.h"
#include "host/common/TextFold.h"
#include "host/memory/ButtonPictures.h"
#include "host/memory/MemoryHost.h"
#include "host/qt/QtCaptionFrame.h"
#include "host/qt/QtCommonWidgets.h"
#include "host/qt/QtDesignerWidgets.h"
#include "host/qt/QtFlexGrid.h"
#include "host/qt/QtGraphicalButton.h"
#include "host/qt/QtHost.h"
#include "host/qt/QtPaintedWidget.h"
#include "host/qt/QtPictureBox.h"
#include "host/qt/QtPictureView.h"
#include "host/qt/QtSimpleCombo.h"
#include "host/qt/QtStatusBar.h"
#include "host/qt/QtTabControl.h"
#include "host/qt/QtToolBar.h"
#include "host/qt/QtUpDown.h"

namespace kv::qt {

namespace {

bool extra_flag(mem::MemoryObject& c, const char* name) {
    try {
        return to_bool(c.get(name));
    } catch (const Error&) {
        return false;
    }
}

double extra_number(mem::MemoryObject& c, const char* name, double fallback = 0) {
    try {
        return to_double(c.get(name));
    } catch (const Error&) {
        return fallback;
    }
}

std::string extra_text(mem::MemoryObject& c, const char* name) {
    try {
        return to_text(c.get(name));
    } catch (const Error&) {
        return {};
    }
}

// Where a label's or text box's text stands across (Alignment: 0 left, 1 right, 2 centre).
Qt::Alignment across_of(mem::MemoryObject& c) {
    const int align = static_cast<int>(extra_number(c, "Alignment"));
    return align == 1 ? Qt::AlignRight : align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
}

// What the form file asks of a one-line text box beyond its text: read-only (Locked), its
// longest text, a password's hidden characters and where the text stands.
void dress_line(mem::MemoryObject& c, QLineEdit& e) {
    e.setReadOnly(extra_flag(c, "Locked"));
    if (const double max = extra_number(c, "MaxLength"); max > 0)
        e.setMaxLength(static_cast<int>(std::min(max, 32767.0)));
    if (!extra_text(c, "PasswordChar").empty()) e.setEchoMode(QLineEdit::Password);
    e.setAlignment(across_of(c) | Qt::AlignVCenter);
}

// The entries a list box or combo box holds (those of its form file, say).
QStringList items_of(mem::MemoryObject& c) {
    QStringList out;
    if (const auto* list = c.list_items())
        for (size_t i = 0; i < list->count(); ++i)
            out << QString::fromStdString(list->item(static_cast<int>(i)));
    return out;
}

// A file list shows the files of the process's folder that match its Pattern ("*.frm;*.txt"), a
// folder list the folders from the root down to it, then the folders in it, as the runtime's own
// lists do where no program has pointed them elsewhere.
void fill_file_list(mem::MemoryObject& c, QListWidget& list) {
    const auto pattern = c.try_get("Pattern");
    QStringList filters;
    for (const QString& p :
         QString::fromStdString(pattern ? to_text(*pattern) : "*.*").split(';', Qt::SkipEmptyParts))
        filters << (p.trimmed() == "*.*" ? QString("*") : p.trimmed());  // names without a dot too
    list.addItems(QDir::current().entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase));
}

void fill_folder_list(QListWidget& list) {
    QDir dir = QDir::current();
    QStringList chain;
    for (QDir up = dir;;) {
        chain.prepend(up.isRoot() ? up.absolutePath() : up.dirName());
        if (up.isRoot() || !up.cdUp()) break;
    }
    for (int i = 0; i < chain.size(); ++i) list.addItem(QString(2 * i, ' ') + chain[i]);
    const QString inner(2 * chain.size(), ' ');
    for (const QString& sub :
         dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        list.addItem(inner + sub);
    list.setCurrentRow(static_cast<int>(chain.size()) - 1);
}

// The machine's drives (on this platform the one root), the one of the process's folder current,
// as the runtime's drive list opens.
void fill_drive_list(QComboBox& box) {
    const QString here = QDir::current().absolutePath();
    for (const QFileInfo& drive : QDir::drives()) {
        const QString path = drive.absolutePath();
        box.addItem(QDir::toNativeSeparators(path));
        if (here.startsWith(path, Qt::CaseInsensitive)) box.setCurrentIndex(box.count() - 1);
    }
}

// A scroll bar over the control's Min to Max (the forms runtime allows Min above Max: the
// bar then runs the other way), at its Value, stepping by SmallChange and LargeChange.
QScrollBar* scroll_bar(mem::MemoryObject& c, QWidget* parent) {
    auto* bar =
        new QScrollBar(c.class_name() == "VScrollBar" ? Qt::Vertical : Qt::Horizontal, parent);
    const auto number = [&](const char* name, double fallback) {
        const auto v = c.try_get(name);
        if (!v) return fallback;
        try {
            return std::clamp(to_double(*v), -32768.0, 32767.0);
        } catch (const Error&) {
            return fallback;
        }
    };
    const int min = static_cast<int>(number("Min", 0)),
              max = static_cast<int>(number("Max", 32767));
    bar->setInvertedAppearance(min > max);
    bar->setRange(std::min(min, max), std::max(min, max));
    bar->setValue(static_cast<int>(number("Value", min)));
    bar->setSingleStep(static_cast<int>(number("SmallChange", 1)));
    bar->setPageStep(static_cast<int>(number("LargeChange", 1)));
    return bar;
}

// A text box of several lines (or a rich text box): the bars ScrollBars asks for (1 across, 2
// down, 3 both) are always there, others never; with one across, lines do not wrap.
QWidget* make_text_area(mem::MemoryObject& c, QWidget* parent) {
    auto* e = new QPlainTextEdit(parent);
    const int bars = static_cast<int>(extra_number(c, "ScrollBars"));
    e->setHorizontalScrollBarPolicy(bars & 1 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    e->setVerticalScrollBarPolicy(bars & 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    if (bars & 1) e->setLineWrapMode(QPlainTextEdit::NoWrap);
    e->setReadOnly(extra_flag(c, "Locked"));
    return e;
}

// Pixels as the control's host has them (the bars keep their sizes in twips).
double twips_per_pixel(mem::MemoryObject& c) {
    const auto host = c.host();
    return host ? host->twips_per_pixel_x() : 15;
}

std::optional<host::TabSet> tab_set(mem::MemoryObject& c) {
    if (!host::TabSet::candidate(c.type_name(), c.extra_properties())) return std::nullopt;
    return host::TabSet::read(c);
}

// A button: a graphical one (Style 1) with a picture shows it above its caption.
QPushButton* make_button(mem::MemoryObject& c, QWidget* parent) {
    if (extra_number(c, "Style") == 1)
        if (const auto pic = c.picture("Picture"))
            if (QImage image = host::picture_image(*pic); !image.isNull())
                return new QtGraphicalButton(std::move(image), parent);
    return new QPushButton(parent);
}

}  // namespace

// A step of an up-down control: its Value, and with SyncBuddy its buddy's text (a label's
// caption), then the window brought up to them. A buddy that is gone or refuses is left alone.
void stepped(const std::weak_ptr<mem::MemoryObject>& self, double value) {
    const auto c = self.lock();
    if (!c || !c->alive()) return;
    c->set_raw("Value", value);
    const auto look = host::UpDownLook::read(*c);
    const auto form = c->form();
    const auto buddy = look.sync_buddy && form ? form->control(look.buddy) : nullptr;
    if (!buddy || !buddy->alive()) return;
    try {
        buddy->set(buddy->traits().caption ? "Caption" : "Text",
                   Value(host::UpDownLook::text_of(value)));
        QtHost::installed().sync();
    } catch (const Error&) {
    }
}

QWidget* make_widget(mem::MemoryObject& c, QWidget* parent) {
    if (c.user_control()) return nullptr;
    // Another library's combo box or list as the runtime's it looks like.
    const std::string cls(host::looks_as(c.class_name()));
    const QString name = QString::fromStdString(cls);
    const host::QtShown shown = host::qt_class_for(cls, extra_flag(c, "MultiLine"));
    if (shown.how == host::QtShow::None) return nullptr;
    const std::string_view qt_class = shown.qt_class;
    QWidget* w = nullptr;
    if (shown.how == host::QtShow::Painted) {
        if (auto tabs = tab_set(c)) {
            w = new QtTabControl(c.shared_from_this(), std::move(*tabs), parent);
        } else if (auto range = host::RangeLook::read(c, c.type_name())) {
            w = make_range_widget(*range, parent);
        } else if (auto list = host::ListViewLook::read(c, c.type_name())) {
            w = make_list_view(*list, twips_per_pixel(c), parent);
        } else if (host::DataGridLook::candidate(c.type_name())) {
            w = make_data_grid(host::DataGridLook::read(c), twips_per_pixel(c), parent);
        } else if (auto date = host::DateLook::read(c, c.type_name())) {
            w = make_date_widget(*date, parent);
        } else if (host::UpDownLook::candidate(c.type_name())) {
            auto* arrows = new QtUpDown(host::UpDownLook::read(c), parent);
            arrows->set_on_step([self = c.weak_from_this()](double v) { stepped(self, v); });
            w = arrows;
        } else if (host::FlexGridLook::candidate(c.type_name())) {
            w = new QtFlexGrid(host::FlexGridLook::read(c), twips_per_pixel(c), parent);
        } else if (host::MaskLook::candidate(c.type_name())) {
            // Qt's line edit takes the same entries with the mask in its notation.
            auto* e = new QLineEdit(parent);
            e->setInputMask(QString::fromStdString(host::MaskLook::read(c).qt_input_mask()));
            w = e;
        } else if (host::iequal(c.type_name(), "RichTextBox")) {
            // Its plain text (its Text), in a box of several lines like a text box's.
            w = make_text_area(c, parent);
        } else if (host::StatusBarLook::candidate(c.type_name())) {
            w = new QtStatusBar(host::StatusBarLook::read(c), twips_per_pixel(c), parent);
        } else if (host::ToolBarLook::candidate(c.type_name())) {
            auto look = host::ToolBarLook::read(c);
            mem::find_button_pictures(c, look);
            w = new QtToolBar(std::move(look), twips_per_pixel(c), parent);
        } else if (QWidget* own = make_designer_widget(c, parent)) {
            w = own;
        } else {
            const auto kind = cls == "Line"    ? QtPaintedWidget::Kind::Line
                              : cls == "Shape" ? QtPaintedWidget::Kind::Shape
                              : cls == "Data"  ? QtPaintedWidget::Kind::Data
                                               : QtPaintedWidget::Kind::Unknown;
            // A record navigator shows its caption (set with the looks), the others their class.
            w = new QtPaintedWidget(kind, kind == QtPaintedWidget::Kind::Data ? QString() : name,
                                    parent);
        }
    } else if (cls == "Image") {
        // Its picture, in a frame of the picture's own (a .ui names it a QLabel).
        auto* v = new QtPictureView(parent);
        if (extra_number(c, "BorderStyle") == 1) v->setFrameStyle(QFrame::Box | QFrame::Plain);
        v->set_picture(c.picture("Picture"), extra_number(c, "Stretch") != 0);
        w = v;
    } else if (qt_class == "QPlainTextEdit") {
        w = make_text_area(c, parent);
    } else if (qt_class == "QLineEdit") {
        auto* e = new QLineEdit(parent);
        dress_line(c, *e);
        w = e;
    } else if (qt_class == "QLabel") {
        auto* l = new QLabel(parent);
        l->setAlignment(across_of(c) | Qt::AlignTop);
        // A border (BorderStyle 1): sunken, or a plain line when the label is flat (Appearance 0).
        if (try_num(c, Prop::BorderStyle).value_or(0) == 1) {
            const bool flat = extra_number(c, "Appearance", 1) == 0;
            l->setFrameStyle(flat ? QFrame::Box | QFrame::Plain : QFrame::Panel | QFrame::Sunken);
        }
        l->setWordWrap(true);
        w = l;
    } else if (qt_class == "QScrollBar") {
        w = scroll_bar(c, parent);
    } else if (qt_class == "QListWidget") {
        auto* l = new QListWidget(parent);
        if (cls == "FileListBox")
            fill_file_list(c, *l);
        else if (cls == "DirListBox")
            fill_folder_list(*l);
        else
            l->addItems(items_of(c));
        const int multi = static_cast<int>(extra_number(c, "MultiSelect"));
        if (multi == 1) l->setSelectionMode(QAbstractItemView::MultiSelection);
        if (multi == 2) l->setSelectionMode(QAbstractItemView::ExtendedSelection);
        // A list of check boxes (Style 1): each entry with its own, unchecked when it opens.
        if (cls == "ListBox" && extra_number(c, "Style") == 1)
            for (int i = 0; i < l->count(); ++i) l->item(i)->setCheckState(Qt::Unchecked);
        w = l;
    } else if (qt_class == "QComboBox" && cls == "ComboBox" && extra_number(c, "Style") == 1) {
        w = new QtSimpleCombo(items_of(c), host::kComboHeightPixels, parent);
    } else if (qt_class == "QComboBox") {
        auto* b = new QComboBox(parent);
        if (cls == "DriveListBox") {
            fill_drive_list(*b);
        } else {
            // Only a drop-down list (Style 2) keeps the user to its entries.
            b->setEditable(extra_number(c, "Style") != 2);
            b->addItems(items_of(c));
        }
        w = b;
    } else if (qt_class == "QPushButton") {
        auto* b = make_button(c, parent);
        // The button Enter presses looks it (Qt's style marks its frame).
        b->setDefault(extra_number(c, "Default") != 0);
        w = b;
    } else if ((qt_class == "QCheckBox" || qt_class == "QRadioButton") &&
               extra_number(c, "Style") == 1) {
        // Graphical: a push button that stays in while it is on.
        auto* b = make_button(c, parent);
        b->setCheckable(true);
        b->setAutoExclusive(qt_class == "QRadioButton");
        w = b;
    } else if (qt_class == "QCheckBox" || qt_class == "QRadioButton") {
        if (qt_class == "QCheckBox")
            w = new QCheckBox(parent);
        else
            w = new QRadioButton(parent);
        // Alignment 1: the box on the right, its caption to its left.
        if (extra_number(c, "Alignment") == 1) w->setLayoutDirection(Qt::RightToLeft);
    } else if (qt_class == "QGroupBox") {
        w = new QtCaptionFrame(parent);
    } else {
        auto* f = new QtPictureBox(parent);
        // The border the forms runtime gives it (none with BorderStyle 0), as wide as the one
        // its controls stand inside: a line for a flat one (Appearance 0).
        if (try_num(c, Prop::BorderStyle).value_or(1) == 0) {
            f->setFrameStyle(QFrame::NoFrame);
        } else if (extra_number(c, "Appearance", 1) == 0) {
            f->setFrameStyle(QFrame::Box | QFrame::Plain);
            f->setLineWidth(1);
        }
        f->set_picture(c.picture("Picture"), false);
        w = f;
    }
    w->setObjectName(QString::fromStdString(c.name()));
    if (c.traits().container) w->setMouseTracking(true);
    w->show();
    return w;
}

}  // namespace kv::qt
