// The Qt host's widgets for each control class, as the form file asks them to look and behave:
// scroll bars, lists, text boxes, labels, buttons, shapes, tabs, pictures, menus and their
// shortcuts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <map>
#include <tuple>

#include "engine/HostAccess.h"
#include "frm_test_util.h"
#include "harness/FormFile.h"
#include "host/common/PictureImage.h"
#include "host/export/FormFileExport.h"
#include "host/qt/QtCaptionFrame.h"
#include "host/qt/QtMenus.h"
#include "host/qt/QtPictureView.h"
#include "host/qt/QtSimpleCombo.h"
#include "host/qt/QtUserInput.h"
#include "qt_rig.h"
namespace kv::test {
namespace {

const std::string kDemo = std::string(KV_DOCS) + "/frmMail.frm";

}  // namespace

// The runtime's scroll bars are Qt's, over their range (reversed where Min is above Max); lists
// and combo boxes hold the entries of the form file; a drop-down list takes no typing.
TEST(QtHost, ScrollBarsAndListEntriesOfTheFormFile) {
    LiveForm run(std::string(KV_TEST_DATA) + "/files.frm");
    auto widget = [&](const char* name) {
        return run.window().widget_of(run.form().control(name).get());
    };
    auto* detail = qobject_cast<QScrollBar*>(widget("vsbDetail"));
    auto* zoom = qobject_cast<QScrollBar*>(widget("hsbZoom"));
    ASSERT_TRUE(detail && zoom);
    EXPECT_EQ(detail->orientation(), Qt::Vertical);
    EXPECT_EQ(std::tuple(detail->minimum(), detail->maximum(), detail->value(), detail->pageStep()),
              std::tuple(0, 100, 40, 10));
    EXPECT_FALSE(detail->invertedAppearance());
    EXPECT_EQ(zoom->orientation(), Qt::Horizontal);
    EXPECT_EQ(std::tuple(zoom->minimum(), zoom->maximum(), zoom->value()), std::tuple(1, 10, 4));
    EXPECT_TRUE(zoom->invertedAppearance());
    auto* results = qobject_cast<QListWidget*>(widget("lstResults"));
    ASSERT_NE(results, nullptr);
    ASSERT_EQ(results->count(), 4);
    EXPECT_EQ(results->item(3)->text(), QString::fromUtf8("Caf\u00e9.frm"));
    EXPECT_FALSE(results->item(0)->data(Qt::CheckStateRole).isValid()) << "no box";
    EXPECT_NE(qobject_cast<QListWidget*>(widget("filMatches")), nullptr);
    auto* where = qobject_cast<QComboBox*>(widget("cboWhere"));
    ASSERT_NE(where, nullptr);
    EXPECT_EQ(where->count(), 4);
    EXPECT_FALSE(where->isEditable());
    // "&Named:" underlines its N only with a buddy: the control its access key leads to.
    auto* named = qobject_cast<QLabel*>(widget("lblPattern"));
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(named->buddy(), widget("txtPattern"));
    expect_widgets_follow(run.form());
}

// A list of check boxes (Style 1) opens with every entry's box empty, for the user to tick.
TEST(QtHost, AListOfCheckBoxes) {
    test::ScratchDir dir;
    const std::string tab = "      TabIndex        =   10\r\n";
    LiveForm run(
        dir.copy_sample_with("files.frm", tab, "      Style           =   1  'Checkbox\r\n" + tab));
    auto* results =
        qobject_cast<QListWidget*>(run.window().widget_of(run.control("lstResults").get()));
    ASSERT_TRUE(results);
    ASSERT_EQ(results->count(), 4);
    for (int i = 0; i < results->count(); ++i) {
        EXPECT_TRUE(results->item(i)->data(Qt::CheckStateRole).isValid()) << i;
        EXPECT_EQ(results->item(i)->checkState(), Qt::Unchecked) << i;
    }
}

// What the form file asks of a one-line text box beyond its text: right-aligned, read-only, ten
// characters at most, a password's. A multi-line one takes Locked too.
TEST(QtHost, TextBoxesAsTheFormFileAsks) {
    test::ScratchDir dir;
    const std::string field = "      DataField       =   \"Customer\"\r\n";
    LiveForm run(dir.copy_sample_with(
        "orders.frm", field,
        field + "      Alignment       =   1  'Right Justify\r\n      Locked          =   -1  "
                "'True\r\n      MaxLength       =   10\r\n      PasswordChar    =   \"*\"\r\n"));
    const auto line = [&](const char* name) {
        return qobject_cast<QLineEdit*>(run.window().widget_of(run.control(name).get()));
    };
    QLineEdit* customer = line("txtCustomer");
    QLineEdit* date = line("txtDate");
    ASSERT_TRUE(customer && date);
    EXPECT_EQ(std::tuple(customer->echoMode(), customer->maxLength(), customer->isReadOnly(),
                         customer->alignment() & Qt::AlignHorizontal_Mask),
              std::tuple(QLineEdit::Password, 10, true, Qt::Alignment(Qt::AlignRight)));
    EXPECT_EQ(std::tuple(date->echoMode(), date->maxLength(), date->isReadOnly(),
                         date->alignment() & Qt::AlignHorizontal_Mask),
              std::tuple(QLineEdit::Normal, 32767, false, Qt::Alignment(Qt::AlignLeft)));
    auto* notes =
        qobject_cast<QPlainTextEdit*>(run.window().widget_of(run.control("txtNotes").get()));
    ASSERT_TRUE(notes);
    EXPECT_FALSE(notes->isReadOnly());
}

// A label's border (BorderStyle 1) is sunken, or a plain line when the label is flat; its text
// stands as Alignment says.
TEST(QtHost, LabelsWithABorderAndAlignment) {
    test::ScratchDir dir;
    const std::string caption = "      Caption         =   \"&Customer:\"\r\n";
    const std::string asked =
        "      Alignment       =   2  'Center\r\n"
        "      BorderStyle     =   1  'Fixed Single\r\n";
    for (const bool flat : {false, true}) {
        SCOPED_TRACE(flat ? "flat" : "3D");
        LiveForm run(dir.copy_sample_with(
            "orders.frm", caption,
            asked + (flat ? "      Appearance      =   0  'Flat\r\n" : "") + caption));
        const auto label = [&](const char* name) {
            return qobject_cast<QLabel*>(run.window().widget_of(run.control(name).get()));
        };
        ASSERT_TRUE(label("lblCustomer") && label("lblDate"));
        EXPECT_EQ(label("lblCustomer")->frameStyle(),
                  flat ? QFrame::Box | QFrame::Plain : QFrame::Panel | QFrame::Sunken);
        EXPECT_EQ(label("lblCustomer")->alignment(), Qt::AlignHCenter | Qt::AlignTop);
        EXPECT_EQ(label("lblDate")->frameShape(), QFrame::NoFrame);
        EXPECT_EQ(label("lblDate")->alignment(), Qt::AlignLeft | Qt::AlignTop);
    }
}

// A Designer form's frames run with the border they draw round their inside, as wide as the one
// their widgets stand inside (a plain line one pixel, a shaded frame two), and the widgets stand
// where Designer shows them.
TEST(QtHost, DesignerFramesRunWithTheirBorder) {
    test::ScratchDir dir;
    const std::string ui = (dir.path() / "frames.ui").string();
    const auto frame = [](const char* name, int row, const std::string& look) {
        const std::string y = std::to_string(10 + 90 * row);
        return "<widget class=\"QFrame\" name=\"" + std::string(name) +
               "\"><property name=\"geometry\"><rect><x>20</x><y>" + y +
               "</y><width>200</width><height>80</height></rect></property>" + look +
               "<widget class=\"QPushButton\" name=\"" + name +
               "Button\"><property name=\"geometry\"><rect><x>10</x><y>30</y><width>80</width>"
               "<height>30</height></rect></property></widget></widget>";
    };
    const auto look = [](const char* shape, const char* shadow) {
        return "<property name=\"frameShape\"><enum>QFrame::" + std::string(shape) +
               "</enum></property><property name=\"frameShadow\"><enum>QFrame::" + shadow +
               "</enum></property>";
    };
    spit(ui,
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ui version=\"4.0\"><class>Frames</class>"
         "<widget class=\"QWidget\" name=\"Frames\"><property name=\"geometry\"><rect><x>0</x>"
         "<y>0</y><width>300</width><height>280</height></rect></property>" +
             frame("fraBox", 0, look("Box", "Plain")) +
             frame("fraPanel", 1,
                   look("Panel", "Sunken") +
                       "<property name=\"lineWidth\"><number>2</number></property>") +
             frame("fraNone", 2, "") + "</widget></ui>\n");
    LiveForm run(ui);
    const struct {
        const char* frame;
        int border;
    } frames[] = {{"fraBox", 1}, {"fraPanel", 2}, {"fraNone", 0}};
    for (const auto& f : frames) {
        SCOPED_TRACE(f.frame);
        const std::string button = std::string(f.frame) + "Button";
        auto* box = qobject_cast<QFrame*>(run.window().widget_of(run.control(f.frame).get()));
        QWidget* in = run.window().widget_of(run.control(button.c_str()).get());
        ASSERT_TRUE(box && in);
        EXPECT_EQ(box->frameWidth(), f.border);
        EXPECT_EQ(in->geometry().topLeft(), QPoint(10, 30));
    }
}

// Check boxes and option buttons open as their Value says, and follow it when the program sets it.
TEST(QtHost, CheckBoxesAndOptionButtonsShowTheirValue) {
    test::ScratchDir dir;
    const std::string caption = "Caption         =   \"VIP\"\r\n";
    LiveForm run(
        dir.copy_sample_with("nested.frm", caption,
                             caption + "               Value           =   2  'Grayed\r\n" +
                                 "               Alignment       =   1  'Right Justify\r\n"));
    auto* vip = qobject_cast<QCheckBox*>(run.window().widget_of(run.control("chkVip").get()));
    ASSERT_TRUE(vip);
    EXPECT_EQ(vip->checkState(), Qt::PartiallyChecked);
    EXPECT_EQ(vip->layoutDirection(), Qt::RightToLeft);  // the box on the right
    for (const double v : {1.0, 0.0}) {
        run.control("chkVip")->set("Value", v);
        qt::QtHost::installed().sync();
        EXPECT_EQ(vip->checkState(), v == 1 ? Qt::Checked : Qt::Unchecked);
    }

    LiveForm files(std::string(KV_TEST_DATA) + "/files.frm");
    const auto option = [&](int i) {
        return qobject_cast<QRadioButton*>(
            files.window().widget_of(files.form().control("optScope", i).get()));
    };
    ASSERT_TRUE(option(0) && option(1));
    EXPECT_TRUE(option(0)->isChecked());
    EXPECT_FALSE(option(1)->isChecked());
    files.form().control("optScope", 1)->set("Value", true);
    qt::QtHost::installed().sync();
    EXPECT_FALSE(option(0)->isChecked());
    EXPECT_TRUE(option(1)->isChecked());
}

// A graphical button with a picture shows it in the middle across, above its caption, as the
// forms runtime draws it (Qt's push button puts it beside): profile.frm's Save.
TEST(QtHost, AGraphicalButtonsPictureStandsAboveItsCaption) {
    LiveForm run(std::string(KV_TEST_DATA) + "/profile.frm");
    auto* save = qobject_cast<QPushButton*>(run.window().widget_of(run.control("cmdSave").get()));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->text(), "Save");
    // The picture's own colour that most of it has, wherever the button shows it.
    const QImage picture = host::picture_image(*run.control("cmdSave")->picture("Picture"))
                               .convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) == 255) ++counts[picture.pixel(x, y)];
    ASSERT_FALSE(counts.empty());
    const QRgb ink = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                         return a.second < b.second;
                     })->first;
    const QImage shown = save->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QRect at;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) == ink) at |= QRect(x, y, 1, 1);
    ASSERT_FALSE(at.isEmpty()) << "the picture is not on the button";
    EXPECT_NEAR(at.center().x(), shown.width() / 2.0, 2);
    EXPECT_LE(at.bottom(), shown.height() - save->fontMetrics().height());
}

// drawing.frm: graphical check boxes and option buttons are push buttons that stay in while
// on; the tabs stand on the side TabOrientation names. So they are in its export, run as a .ui.
TEST(QtHost, GraphicalButtonsAndTabsOnTheirSide) {
    test::ScratchDir dir;
    for (const auto side :
         {QTabWidget::North, QTabWidget::South, QTabWidget::West, QTabWidget::East}) {
        const std::string frm = dir.copy_sample_with("drawing.frm", "TabOrientation  =   1",
                                                     "TabOrientation  =   " + std::to_string(side));
        const std::string ui = (dir.path() / "drawing.ui").string();
        exporter::export_form_file(frm, ui, {});
        for (const auto& file : {frm, ui}) {
            SCOPED_TRACE(file);
            LiveForm run(file);
            auto* tabs =
                dynamic_cast<QTabWidget*>(run.window().widget_of(run.control("tabPages").get()));
            ASSERT_NE(tabs, nullptr);
            EXPECT_EQ(tabs->tabPosition(), side);
        }
    }
    const std::string ui = (dir.path() / "drawing.ui").string();
    exporter::export_form_file(std::string(KV_TEST_DATA) + "/drawing.frm", ui, {});
    for (const auto& file : {std::string(KV_TEST_DATA) + "/drawing.frm", ui}) {
        SCOPED_TRACE(file);
        LiveForm run(file);
        // An array element is NAME_INDEX in the .ui.
        const auto control = [&](const char* name, std::optional<int> index = std::nullopt) {
            auto c = index && run.doc.is_ui()
                         ? run.form().control(name + ("_" + std::to_string(*index)))
                         : run.form().control(name, index);
            if (!c) throw std::runtime_error(std::string("no control ") + name);
            return c;
        };
        const auto button = [&](const char* name, std::optional<int> index = std::nullopt) {
            return qobject_cast<QPushButton*>(run.window().widget_of(control(name, index).get()));
        };
        const struct {
            QPushButton* b;
            bool on;
        } buttons[] = {{button("optTool", 0), false},
                       {button("optTool", 1), true},
                       {button("chkGrid"), true},
                       {button("chkSnap"), false}};
        for (const auto& [b, on] : buttons) {
            ASSERT_NE(b, nullptr);
            EXPECT_TRUE(b->isCheckable());
            EXPECT_EQ(b->isChecked(), on) << b->objectName().toStdString();
        }
        run.control("chkGrid")->set("Value", 0.0);
        control("optTool", 0)->set("Value", true);
        qt::QtHost::installed().sync();
        EXPECT_FALSE(button("chkGrid")->isChecked());
        EXPECT_TRUE(button("optTool", 0)->isChecked());
        EXPECT_FALSE(button("optTool", 1)->isChecked());
    }
}

// A Designer form's spin box and slider are themselves in a live form, with the .ui's values
// (a value the file gives before its range included).
TEST(QtHost, DesignerWidgetsWithoutAFormsClassAreThemselves) {
    test::ScratchDir dir;
    const std::string ui = (dir.path() / "spin.ui").string();
    spit(ui, R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>Spin</class><widget class="QWidget" name="Spin">
 <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>100</height></rect></property>
 <widget class="QSpinBox" name="spnCount">
  <property name="geometry"><rect><x>10</x><y>10</y><width>100</width><height>24</height></rect></property>
  <property name="value"><number>420</number></property>
  <property name="maximum"><number>500</number></property>
 </widget>
 <widget class="QSlider" name="sldLevel">
  <property name="geometry"><rect><x>10</x><y>50</y><width>200</width><height>22</height></rect></property>
  <property name="orientation"><enum>Qt::Horizontal</enum></property>
  <property name="value"><number>30</number></property>
 </widget>
 <widget class="QMdiArea" name="mdiArea">
  <property name="geometry"><rect><x>220</x><y>10</y><width>70</width><height>80</height></rect></property>
 </widget>
</widget></ui>
)");
    app::FormFile file(ui, "");
    auto session = make_session(true, "");
    session->load(file);
    session->show();
    auto& window = *qt::QtHost::installed().find_window(&session->form());
    auto* spin =
        qobject_cast<QSpinBox*>(window.widget_of(session->form().control("spnCount").get()));
    auto* slider =
        qobject_cast<QSlider*>(window.widget_of(session->form().control("sldLevel").get()));
    ASSERT_TRUE(spin && slider);
    EXPECT_EQ(std::tuple(spin->maximum(), spin->value()), std::tuple(500, 420));
    EXPECT_EQ(std::tuple(slider->orientation(), slider->value()), std::tuple(Qt::Horizontal, 30));
    // An exported MDI parent's client area is a workspace again.
    EXPECT_TRUE(
        qobject_cast<QMdiArea*>(window.widget_of(session->form().control("mdiArea").get())));
}

// Shapes and lines draw as their styles ask: a dotted grey border, an opaque back, a line's
// colour, and nothing for a transparent border.
TEST(QtHost, ShapesAndLinesDrawTheirStyles) {
    LiveForm run(std::string(KV_TEST_DATA) + "/preview.frm");
    const auto drawn = [&](const char* name) {
        QWidget* w = run.window().widget_of(run.control(name).get());
        return w ? w->grab().toImage() : QImage();
    };
    // Along the dotted border's top edge, grey dots with gaps between them.
    const QImage margin = drawn("shpMargin");
    ASSERT_FALSE(margin.isNull());
    int dots = 0;
    for (int x = 0; x < margin.width(); ++x) dots += margin.pixel(x, 0) == qRgb(0x80, 0x80, 0x80);
    EXPECT_GT(dots, margin.width() / 4);
    EXPECT_LT(dots, margin.width() * 3 / 4);
    const QImage highlight = drawn("shpHighlight");
    ASSERT_FALSE(highlight.isNull());
    EXPECT_EQ(highlight.pixel(highlight.width() / 2, highlight.height() / 2),
              qRgb(0xff, 0xff, 0xc0));

    run.control("shpHighlight")->set("BorderStyle", 0.0);
    run.control("shpHighlight")->set("BackStyle", 0.0);
    qt::QtHost::installed().sync();
    const QImage gone = drawn("shpHighlight");
    EXPECT_NE(gone.pixel(0, 0), qRgb(0, 0, 0)) << "no border";
    EXPECT_NE(gone.pixel(gone.width() / 2, gone.height() / 2), qRgb(0xff, 0xff, 0xc0)) << "no back";
}

// A back colour that is a system colour other than the class's own is the style's colour for it:
// preview.frm's page, a picture box in the window's colour, is white where picture boxes are
// grey. The class's own leaves the style's look alone, and going back to it, from a system
// colour or a colour of its own, gives the style's back.
TEST(QtHost, SystemBackColoursAreTheStyles) {
    LiveForm run(std::string(KV_TEST_DATA) + "/preview.frm");
    auto widget = [&](const char* name) { return run.window().widget_of(run.control(name).get()); };
    QWidget* page = widget("picPage");
    const QPalette standard = QApplication::palette(page);
    ASSERT_NE(standard.color(QPalette::Base), standard.color(QPalette::Window));
    EXPECT_EQ(page->palette().color(QPalette::Window), standard.color(QPalette::Base));
    EXPECT_FALSE(widget("txtZoom")->testAttribute(Qt::WA_SetPalette));
    constexpr double kButtonFace = -2147483633.0;  // &H8000000F, a picture box's own
    for (const double back : {kButtonFace, double(0x0000ff), kButtonFace}) {
        run.control("picPage")->set("BackColor", back);
        qt::QtHost::installed().sync();
        EXPECT_EQ(page->palette().color(QPalette::Window),
                  back == kButtonFace ? standard.color(QPalette::Window) : QColor(255, 0, 0))
            << back;
    }
}

// Labels, check boxes, option buttons and frames paint their back colour over a band of another
// colour (colours.frm), the class's own as the style's colour for it, where Qt's widgets would
// show the band; a transparent label shows it, whatever its BackColor, until it is made opaque.
// The band back in its class's colour, they leave the style's look alone.
TEST(QtHost, ControlsPaintTheirBackOverTheirContainer) {
    LiveForm run(std::string(KV_TEST_DATA) + "/colours.frm");
    QWidget* client = run.window().widget_of(&run.form());
    ASSERT_NE(client, nullptr);
    // The window as drawn, at a control's right end, clear of its text (a frame's above its
    // border, inside which the style shades its panel).
    const auto back = [&](const char* name) {
        QWidget* w = run.window().widget_of(run.control(name).get());
        const QImage shot = client->grab().toImage();
        const int y = std::string(name) == "fraPlain" ? 2 : w->height() / 2;
        return shot.pixelColor(w->mapTo(client, QPoint(w->width() - 4, y)));
    };
    const QColor band(0, 0, 0x80);
    const QColor face = QApplication::palette().color(QPalette::Button);
    ASSERT_NE(band, face);
    for (const char* name : {"lblPlain", "chkPlain", "optPlain", "fraPlain"})
        EXPECT_EQ(back(name), face) << name;
    EXPECT_EQ(back("lblClear"), band);
    run.control("lblClear")->set("BackStyle", 1.0);
    qt::QtHost::installed().sync();
    EXPECT_EQ(back("lblClear"), QColor(255, 0, 0));
    run.control("lblClear")->set("BackStyle", 0.0);
    qt::QtHost::installed().sync();
    EXPECT_EQ(back("lblClear"), band);
    // On a container in its class's colour they leave the style's look alone (a frame's shaded
    // panel stays even); made coloured again, they fill again.
    QWidget* plain = run.window().widget_of(run.control("lblPlain").get());
    constexpr double kButtonFace = -2147483633.0;  // &H8000000F, a picture box's own
    for (const double colour : {kButtonFace, double(0x800000)}) {
        run.control("picBand")->set("BackColor", colour);
        qt::QtHost::installed().sync();
        EXPECT_EQ(plain->autoFillBackground(), colour != kButtonFace) << colour;
    }
    EXPECT_EQ(back("lblPlain"), face);
    // A container's colour is its own background only: a text box in the frame stays the
    // style's white, and a standard command button is in the style's face, its BackColor
    // notwithstanding (a graphical one would show it).
    const auto palette_of = [&](const char* name) {
        return run.window().widget_of(run.control(name).get())->palette();
    };
    const QPalette standard = QApplication::palette();
    EXPECT_EQ(palette_of("txtInFrame").color(QPalette::Base), standard.color(QPalette::Base));
    EXPECT_EQ(palette_of("cmdInFrame").color(QPalette::Button), standard.color(QPalette::Button));
}

// A frame's ForeColor is its caption's alone: the controls in it keep the style's text.
TEST(QtHost, AFramesCaptionInItsOwnColour) {
    test::ScratchDir dir;
    const std::string caption = "         Caption         =   \"Frame\"\r\n";
    LiveForm run(dir.copy_sample_with("colours.frm", caption,
                                      caption + "         ForeColor       =   &H00FF0000&\r\n"));
    auto* frame =
        dynamic_cast<qt::QtCaptionFrame*>(run.window().widget_of(run.control("fraPlain").get()));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->caption_colour(), QColor(0, 0, 255));
    QWidget* text = run.window().widget_of(run.control("txtInFrame").get());
    EXPECT_EQ(text->palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));
    run.control("fraPlain")->set("ForeColor", -2147483630.0);  // &H80000012, the style's
    qt::QtHost::installed().sync();
    EXPECT_FALSE(frame->caption_colour().has_value());
}

// A simple combo box (Style 1): its text box, its list always shown below it, as high as the
// form file makes it.
TEST(QtHost, ASimpleComboBoxShowsItsList) {
    test::ScratchDir dir;
    LiveForm run(dir.copy_sample_with("colours.frm",
                                      "      Height          =   315\r\n      Left            =   "
                                      "2520\r\n",
                                      "      Height          =   1215\r\n      Left            =   "
                                      "2520\r\n      Style           =   1  'Simple Combo\r\n"));
    auto* simple =
        dynamic_cast<qt::QtSimpleCombo*>(run.window().widget_of(run.control("cboTyped").get()));
    ASSERT_NE(simple, nullptr);
    EXPECT_EQ(simple->height(), 1215 / 15);
    EXPECT_EQ(simple->text(), "typed");
    EXPECT_TRUE(simple->list().isVisible());
    EXPECT_EQ(simple->list().geometry().top(), 21);
}

// A control's own text colour (ForeColor) is its text's, and grey still while it is disabled; a
// system one leaves the style's text alone, and so does the form's, which its controls do not take.
TEST(QtHost, TextInAColourOfItsOwn) {
    LiveForm run(std::string(KV_TEST_DATA) + "/cp1252.frm");
    QWidget* hint = run.window().widget_of(run.control("lblHint").get());
    ASSERT_NE(hint, nullptr);
    const QPalette standard = QApplication::palette(hint);
    EXPECT_EQ(hint->palette().color(QPalette::Active, QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_EQ(hint->palette().color(QPalette::Disabled, QPalette::WindowText),
              standard.color(QPalette::Disabled, QPalette::WindowText));
    run.control("lblHint")->set("ForeColor", -2147483630.0);  // &H80000012, the buttons' text
    qt::QtHost::installed().sync();
    EXPECT_FALSE(hint->testAttribute(Qt::WA_SetPalette));
    run.form().set("ForeColor", 255.0);
    qt::QtHost::installed().sync();
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), standard.color(QPalette::WindowText));
}

// A control the form file disables opens disabled (the others enabled), and follows Enabled when
// the program sets it. The default button is Qt's default.
TEST(QtHost, EnabledAndTheDefaultButton) {
    test::ScratchDir dir;
    const std::string caption = "      Caption         =   \"&Export\"\r\n";
    LiveForm run(dir.copy_sample_with(
        "orders.frm", caption,
        caption +
            "      Default         =   -1  'True\r\n      Enabled         =   0   'False\r\n"));
    const auto widget = [&](const char* name) {
        return run.window().widget_of(run.control(name).get());
    };
    ASSERT_TRUE(widget("cmdExport") && widget("txtCustomer"));
    EXPECT_TRUE(qobject_cast<QPushButton*>(widget("cmdExport"))->isDefault());
    EXPECT_FALSE(widget("cmdExport")->isEnabled());
    EXPECT_TRUE(widget("txtCustomer")->isEnabled());
    run.control("cmdExport")->set("Enabled", true);
    run.control("txtCustomer")->set("Enabled", false);
    qt::QtHost::installed().sync();
    EXPECT_TRUE(widget("cmdExport")->isEnabled());
    EXPECT_FALSE(widget("txtCustomer")->isEnabled());
}

// A combo box the user may type into (any style but the drop-down list) shows its Text, an entry
// or not.
TEST(QtHost, AComboBoxToTypeIntoShowsItsText) {
    test::ScratchDir dir;
    LiveForm run(dir.copy_sample_with("files.frm",
                                      "      Style           =   2  'Dropdown List\r\n",
                                      "      Text            =   \"Elsewhere\"\r\n"));
    auto* where =
        qobject_cast<QComboBox*>(run.window().widget_of(run.form().control("cboWhere").get()));
    ASSERT_NE(where, nullptr);
    EXPECT_TRUE(where->isEditable());
    EXPECT_EQ(where->count(), 4);
    EXPECT_EQ(where->currentText(), "Elsewhere");
}

// A file list shows the files of the process's folder that match its Pattern, a folder list the
// folders down to it (the last one current) and then the folders inside it.
TEST(QtHost, FileAndFolderListsShowTheProcesssFolder) {
    test::ScratchDir dir;
    for (const char* f : {"b.frm", "A.frm", "notes.txt", "README"}) test::spit(dir.path() / f, "x");
    std::filesystem::create_directory(dir.path() / "sub");
    const QString was = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(dir.path().string())));
    {
        LiveForm run(std::string(KV_TEST_DATA) + "/files.frm");
        const auto entries = [&](const char* name) {
            auto* l =
                qobject_cast<QListWidget*>(run.window().widget_of(run.form().control(name).get()));
            QStringList out;
            for (int i = 0; l && i < l->count(); ++i) out << l->item(i)->text().trimmed();
            return std::pair(out, l ? l->currentRow() : -2);
        };
        EXPECT_EQ(entries("filMatches").first, QStringList({"A.frm", "b.frm"}));
        const auto [folders, current] = entries("dirFolders");
        ASSERT_GE(folders.size(), 3);
        EXPECT_EQ(folders.front(), "/");
        EXPECT_EQ(folders.back(), "sub");
        EXPECT_EQ(folders[current], QString::fromStdString(dir.path().filename().string()));
        EXPECT_EQ(current, folders.size() - 2);
    }
    QDir::setCurrent(was);
}

// A drive list offers the machine's drives, the one of the process's folder chosen. The record
// navigator is drawn with its caption, and stays on the window's bottom edge, across its width.
TEST(QtHost, DriveListAndRecordNavigator) {
    LiveForm run(std::string(KV_TEST_DATA) + "/orders.frm");
    auto& w = run.window();
    auto* drives = qobject_cast<QComboBox*>(w.widget_of(run.control("drvExport").get()));
    ASSERT_TRUE(drives);
    EXPECT_FALSE(drives->isEditable());
    QStringList shown, machine;
    for (int i = 0; i < drives->count(); ++i) shown << drives->itemText(i);
    for (const QFileInfo& d : QDir::drives()) machine << QDir::toNativeSeparators(d.absolutePath());
    EXPECT_EQ(shown, machine);
    ASSERT_GE(drives->currentIndex(), 0);
    EXPECT_TRUE(QDir::current().absolutePath().startsWith(
        QDir::fromNativeSeparators(drives->currentText())));

    auto nav = run.control("datOrders");
    QWidget* bar = w.widget_of(nav.get());
    ASSERT_TRUE(bar);
    const auto dark_in = [&](int x0, int x1) {
        const QImage image = bar->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = x0; x < x1 && x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 90) return true;
        return false;
    };
    const int side = bar->height(), mid = bar->width() / 2;
    EXPECT_TRUE(dark_in(side / 4, side * 3 / 4)) << "the first record's button";
    EXPECT_TRUE(dark_in(bar->width() - side * 3 / 4, bar->width() - side / 4)) << "the last's";
    EXPECT_TRUE(dark_in(2 * side + 2, mid)) << "the caption";
    nav->set(Prop::Caption, std::string());
    qt::QtHost::installed().sync();
    EXPECT_FALSE(dark_in(2 * side + 2, mid));

    w.resize_as_user({700, 420});
    qt::QtHost::installed().settle();
    QWidget* client = w.client();
    EXPECT_EQ(bar->geometry(), QRect(0, client->height() - 23, client->width(), 23));
    expect_widgets_follow(run.form());
}

// A multi-line text box has the scroll bars it asks for, always, and no others; with one across,
// its lines do not wrap.
TEST(QtHost, AMultiLineTextBoxHasTheScrollBarsItAsksFor) {
    test::ScratchDir dir;
    const auto on = [](bool yes) { return yes ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; };
    for (int bars = 0; bars < 4; ++bars) {
        SCOPED_TRACE(bars);
        LiveForm run(dir.copy_sample_with("orders.frm", "ScrollBars      =   2  'Vertical",
                                          "ScrollBars      =   " + std::to_string(bars)));
        auto* notes =
            qobject_cast<QPlainTextEdit*>(run.window().widget_of(run.control("txtNotes").get()));
        ASSERT_TRUE(notes);
        EXPECT_EQ(notes->verticalScrollBarPolicy(), on(bars & 2));
        EXPECT_EQ(notes->horizontalScrollBarPolicy(), on(bars & 1));
        EXPECT_EQ(notes->lineWrapMode(),
                  bars & 1 ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    }
}

TEST(QtHost, EachClassGetsItsWidget) {
    LiveForm run(std::string(KV_TEST_DATA) + "/nested.frm");
    auto& w = run.window();
    auto widget = [&](const char* name, std::optional<int> index = std::nullopt) {
        return w.widget_of(run.form().control(name, index).get());
    };
    EXPECT_NE(qobject_cast<QGroupBox*>(widget("fraOuter")), nullptr);
    EXPECT_NE(qobject_cast<QFrame*>(widget("picInner")), nullptr);
    EXPECT_NE(qobject_cast<QCheckBox*>(widget("chkVip")), nullptr);
    EXPECT_NE(qobject_cast<QLineEdit*>(widget("txtField", 0)), nullptr);
    EXPECT_NE(qobject_cast<QListWidget*>(widget("lstOrders")), nullptr);
    EXPECT_NE(qobject_cast<QPushButton*>(widget("cmdSave")), nullptr);
    EXPECT_EQ(widget("tmrRefresh"), nullptr);
    EXPECT_EQ(widget("zokKelvane1"), nullptr);
    // Controls inside a picture box sit inside its border; the frame's child in the frame.
    EXPECT_EQ(widget("fraDeep")->parentWidget(), widget("picInner"));
    // The top-level menu is on a menu bar above the client area.
    auto* bar = w.frame()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(w.client()->y(), 19);
    expect_widgets_follow(run.form());
}

// Every shortcut of the designer's notation is the same key sequence on the window's menus,
// and the menus nest as the file nests them.
TEST(QtHost, MenuShortcutsAreTheSameKeySequences) {
    LiveForm run(std::string(KV_TEST_DATA) + "/oldmenus.frm");
    auto* bar = run.window().frame()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 2);
    EXPECT_EQ(bar->actions()[0]->text(), "&File");
    const struct {
        const char* menu;
        const char* keys;  // as Qt writes the sequence
    } cases[] = {
        {"mnuFileNew", "Ctrl+N"},
        {"mnuFileSaveAs", "Ctrl+F12"},
        {"mnuFileExit", "Alt+Backspace"},
        {"mnuEditUndo", "Ctrl+Z"},
        {"mnuEditCut", "Shift+Del"},
        {"mnuEditCopy", "Ctrl+Ins"},
        {"mnuEditPaste", "Shift+Ins"},
        {"mnuEditDelete", "Del"},
        {"mnuEditFind", "F3"},
        {"mnuEditRename", "Shift+F2"},
        {"mnuEditSelectAll", "Ctrl+Shift+A"},
        {"mnuEditInsertFile", "Ins"},
        {"mnuEditSpell", "Ctrl+Shift+F7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.menu);
        auto* action = bar->findChild<QAction*>(c.menu);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->shortcut(), QKeySequence(c.keys));
        EXPECT_EQ(action->shortcut().toString(QKeySequence::PortableText), c.keys);
    }
    // The nested menu holds its items; the separator is one.
    auto* more = bar->findChild<QAction*>("mnuEditMore");
    ASSERT_NE(more, nullptr);
    ASSERT_NE(more->menu(), nullptr);
    EXPECT_EQ(more->menu()->actions().size(), 3);
    auto* file = bar->actions()[0]->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions()[2]->isSeparator());
}

// Each key the designer's notation names is Qt's key of that name (an exported form writes the
// same text).
TEST(QtHost, NamedShortcutKeysAreQtsKeys) {
    const std::pair<const char*, QKeyCombination> cases[] = {
        {"{BKSP}", Qt::Key_Backspace},
        {"{DEL}", Qt::Key_Delete},
        {"{INS}", Qt::Key_Insert},
        {"^{HOME}", Qt::CTRL | Qt::Key_Home},
        {"{END}", Qt::Key_End},
        {"{PGUP}", Qt::Key_PageUp},
        {"+{PGDN}", Qt::SHIFT | Qt::Key_PageDown},
        {"{UP}", Qt::Key_Up},
        {"{DOWN}", Qt::Key_Down},
        {"{LEFT}", Qt::Key_Left},
        {"{RIGHT}", Qt::Key_Right},
        {"{ENTER}", Qt::Key_Return},
        {"{ESCAPE}", Qt::Key_Escape},
        {"^{TAB}", Qt::CTRL | Qt::Key_Tab},
        {"{BREAK}", Qt::Key_Pause},
        {"{HELP}", Qt::Key_Help},
        {"{PRTSC}", Qt::Key_Print},
        {"{CAPSLOCK}", Qt::Key_CapsLock},
        {"{NUMLOCK}", Qt::Key_NumLock},
        {"{SCROLLLOCK}", Qt::Key_ScrollLock},
        {"%^{F16}", Qt::CTRL | Qt::ALT | Qt::Key_F16},
        {"^7", Qt::CTRL | Qt::Key_7},
    };
    for (const auto& [text, keys] : cases) {
        const auto s = host::MenuShortcut::parse(text);
        ASSERT_TRUE(s) << text;
        EXPECT_EQ(qt::key_sequence(*s), QKeySequence(keys)) << text;
    }
}

namespace {

// A left click at a point of a widget, as real mouse events.
void click(QWidget& w, QPoint at) {
    const QPointF local(at), global(w.mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&w, &press);
    QApplication::sendEvent(&w, &release);
}

}  // namespace

// A tab control is a real tab widget: a click on a tab shows that tab's controls and hides the
// others', and whichever tab is on view, a resize lays every tab's controls out in place.
TEST(QtHost, TabsSwitchWithAClickAndKeepTheirControlsInPlace) {
    LiveForm run(std::string(KV_TEST_DATA) + "/profile.frm");
    auto& w = run.window();
    auto* tabs = dynamic_cast<QTabWidget*>(w.widget_of(run.control("tabProfile").get()));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->count(), 3);
    EXPECT_EQ(tabs->tabText(1), "Contact");
    EXPECT_FALSE(tabs->tabIcon(1).isNull());
    auto widget = [&](const char* name) { return w.widget_of(run.control(name).get()); };
    auto px = [](double twips) { return static_cast<int>(std::lround(twips / 15)); };
    EXPECT_TRUE(widget("txtName")->isVisible());
    EXPECT_FALSE(widget("txtEmail")->isVisible());
    // The parked e-mail box stands 75 000 twips right of its Left on the tab control.
    EXPECT_EQ(widget("txtEmail")->x(), px(-73680 + 75000));

    click(*tabs->tabBar(), tabs->tabBar()->tabRect(1).center());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_TRUE(widget("txtEmail")->isVisible());
    EXPECT_TRUE(widget("imgMap")->isVisible());
    EXPECT_FALSE(widget("txtName")->isVisible());
    EXPECT_EQ(to_double(run.control("tabProfile")->get("Tab")), 1);

    // The user makes the form wider: the tab control and the e-mail box on the tab on view
    // grow by as much, the name box on the other tab too, each still where it belongs.
    const double name_width = num(*run.control("txtName"), Prop::Width);
    qt::QtUserInput input(qt::QtHost::installed());
    input.resize(run.form(), num(run.form(), Prop::Width) + 1500, num(run.form(), Prop::Height));
    EXPECT_EQ(widget("txtEmail")->x(), px(-73680 + 75000));
    EXPECT_EQ(widget("txtEmail")->width(), px(4095 + 1500));
    EXPECT_EQ(num(*run.control("txtName"), Prop::Width), name_width + 1500);
    click(*tabs->tabBar(), tabs->tabBar()->tabRect(0).center());
    EXPECT_TRUE(widget("txtName")->isVisible());
    EXPECT_EQ(widget("txtName")->geometry(), QRect(px(1320), px(570), px(4095 + 1500), px(315)));
    EXPECT_FALSE(widget("txtEmail")->isVisible());
    expect_widgets_follow(run.form());
}

// Controls in proportion (RRRRK) on a tab not on view: their parked left scales with the form,
// and their way back onto the tab with it, so a parked box comes back beside its tab's label
// however the form was sized meanwhile.
TEST(QtHost, ParkedControlsInProportionComeBackOntoTheirTab) {
    LiveForm run(std::string(KV_TEST_DATA) + "/tabs.frm");
    auto& w = run.window();
    auto* tabs = dynamic_cast<QTabWidget*>(w.widget_of(run.control("tabMain").get()));
    ASSERT_NE(tabs, nullptr);
    auto widget = [&](const char* name) { return w.widget_of(run.control(name).get()); };
    qt::QtUserInput input(qt::QtHost::installed());
    for (const double factor : {1.5, 0.75}) {
        input.resize(run.form(), 6120 * factor, 4905 * factor);
        click(*tabs->tabBar(), tabs->tabBar()->tabRect(1).center());
        ASSERT_TRUE(widget("txtProxy")->isVisible()) << factor;
        // Both were 240 twips from the tab control's left in the design.
        EXPECT_NEAR(widget("txtProxy")->x(), widget("lblUser")->x(), 1) << factor;
        click(*tabs->tabBar(), tabs->tabBar()->tabRect(0).center());
    }
}

// A tabbed dialog's tabs (Style 0) share its length, a row of TabsPerRow at a time, on whichever
// side they stand, and follow it when the resizer makes the dialog larger; a dialog of Style 1
// has tabs as wide as their captions.
TEST(QtHost, ATabbedDialogsTabsShareItsLength) {
    const struct {
        const char* more;
        bool even;
        bool upright;
    } cases[] = {{"", true, false},
                 {"      TabOrientation = 2\r\n", true, true},
                 {"      Style = 1\r\n", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.more);
        ScratchDir dir;
        const std::string frm = dir.copy_sample_with("profile.frm", "      TabsPerRow ",
                                                     std::string(c.more) + "      TabsPerRow ");
        LiveForm run(frm);
        auto* tabs =
            dynamic_cast<QTabWidget*>(run.window().widget_of(run.control("tabProfile").get()));
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(tabs->count(), 3);
        int caption_sized = 0;  // Style 1: the tabs' length, which no resize changes
        for (const int grow : {0, 1500}) {
            if (grow) {
                qt::QtUserInput input(qt::QtHost::installed());
                input.resize(run.form(), num(run.form(), Prop::Width) + grow,
                             num(run.form(), Prop::Height) + grow);
            }
            const QTabBar& bar = *tabs->tabBar();
            const int length = c.upright ? tabs->height() : tabs->width();
            int sum = 0;
            for (int i = 0; i < 3; ++i) {
                const QRect r = bar.tabRect(i);
                const int along = c.upright ? r.height() : r.width();
                sum += along;
                // As high as the form's (TabHeight 520 HiMetric: 20 pixels), as wide upright.
                EXPECT_EQ(c.upright ? r.width() : r.height(), 20) << i;
                if (c.even) {
                    EXPECT_NEAR(along, length / 3.0, 1) << i << " grown " << grow;
                }
            }
            if (c.even) {
                EXPECT_EQ(sum, length) << "grown " << grow;
            } else {
                EXPECT_LT(sum, length) << "grown " << grow;
                if (grow) {
                    EXPECT_EQ(sum, caption_sized);
                }
                caption_sized = sum;
            }
        }
    }
}

// A custom pointer (MousePointer 99) is the control's MouseIcon, its hot spot an icon's middle;
// without a MouseIcon it is the arrow.
TEST(QtHost, ACustomPointerIsTheMouseIcon) {
    test::ScratchDir dir;
    const std::string path = dir.copy_sample("profile.frm");
    std::string text = test::slurp(path);
    const std::string custom = "      MousePointer    =   99  'Custom\r\n";
    const std::string save = "      Picture         =   \"profile.frx\":7056\r\n";
    text.replace(text.find(save), save.size(),
                 save + "      MouseIcon       =   \"profile.frx\":7056\r\n" + custom);
    const std::string close = "Begin VB.CommandButton cmdClose \r\n";
    text.replace(text.find(close), close.size(), close + custom);
    test::spit(path, text);
    LiveForm run(path);
    auto& w = run.window();
    const QCursor icon = w.widget_of(run.control("cmdSave").get())->cursor();
    EXPECT_EQ(icon.shape(), Qt::BitmapCursor);
    EXPECT_EQ(icon.pixmap().size(), QSize(16, 16));
    EXPECT_EQ(icon.hotSpot(), QPoint(8, 8));
    EXPECT_EQ(w.widget_of(run.control("cmdClose").get())->cursor().shape(), Qt::ArrowCursor);
}

// The form's icon is the window's, its picture the client area's background; an image and a
// picture box show theirs, a metafile drawn over its box.
TEST(QtHost, PicturesOnTheWindow) {
    LiveForm run(std::string(KV_TEST_DATA) + "/profile.frm");
    auto& w = run.window();
    EXPECT_FALSE(w.frame()->windowIcon().isNull());
    const QImage client = w.client()->grab().toImage();
    // The background picture: a strip of blue shades at the top left corner.
    EXPECT_GT(qBlue(client.pixel(5, 5)), qRed(client.pixel(5, 5)));
    auto* photo = dynamic_cast<qt::QtPictureView*>(w.widget_of(run.control("imgPhoto").get()));
    ASSERT_NE(photo, nullptr);
    const QImage shown = photo->grab().toImage();
    // The face in the middle of the portrait.
    const QRgb face = shown.pixel(1 + 32, 1 + 26);
    EXPECT_GT(qRed(face), 200);
    EXPECT_GT(qGreen(face), 170);
    auto* map = dynamic_cast<qt::QtPictureView*>(w.widget_of(run.control("imgMap").get()));
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->stand_in(), "");
    // The sea along the map's bottom edge.
    const QImage drawn = map->grab().toImage();
    EXPECT_EQ(drawn.pixel(drawn.width() / 2, drawn.height() - 3), qRgb(170, 210, 240));
    auto* logo = dynamic_cast<qt::QtPictureView*>(w.widget_of(run.control("picLogo").get()));
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->stand_in(), "");
}
}  // namespace kv::test
