#pragma once
// The resizer as a widget placed on a form in Qt Designer. It carries the resizer's set-up as
// properties saved in the .ui file, and when the window it sits on is first shown (a form
// compiled with uic, or loaded with QUiLoader) it attaches a kelvane::Resizer to that window with
// that set-up: the window's widgets follow its size as ControlSettings says (keys are the
// widgets' object names), PaneSettings' widgets share their space with dividers, the window keeps
// within the size limits, and its placement and splits are saved under the form's GUID.
//
// At run time the widget is hidden; at design time (set_design_time, which the Designer plugin
// calls) it shows the resizer's icon. It belongs on the form itself (the window, or a main
// window's central widget), one per form: anywhere else it does nothing and says so on stderr.
// The window's widgets are taken as standing for the size the window had when this widget was
// put on it (uic and QUiLoader size the window first, as designed): the application may size
// the window as it likes before showing it.
//
// Sizes are pixels: MinWidth, MinHeight, MaxWidth and MaxHeight limit the window's size as
// QWidget::setMinimumSize counts it, -1 meaning no limit. SplitBarsColor is the colour of a
// divider while it is dragged, the palette's highlight colour unless set.
//
// A widget of the form with a FontSize property of its own (an exported form file's exact size,
// 8.25, beside Designer's whole points) gets that size while its font still has the whole size
// it refines.
#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace kv::qt {
class ResizerEditor;
}

namespace kelvane {

class Resizer;

class ResizerWidget : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString ControlSettings READ ControlSettings WRITE setControlSettings)
    Q_PROPERTY(QString PaneSettings READ PaneSettings WRITE setPaneSettings)
    Q_PROPERTY(bool AddAllControls READ AddAllControls WRITE setAddAllControls)
    Q_PROPERTY(bool AddAllFontsButtons READ AddAllFontsButtons WRITE setAddAllFontsButtons)
    Q_PROPERTY(bool LockWindowOnResize READ LockWindowOnResize WRITE setLockWindowOnResize)
    Q_PROPERTY(bool UseSplitBars READ UseSplitBars WRITE setUseSplitBars)
    Q_PROPERTY(
        QColor SplitBarsColor READ SplitBarsColor WRITE setSplitBarsColor RESET resetSplitBarsColor)
    Q_PROPERTY(QString FormGUID READ FormGUID WRITE setFormGUID)
    Q_PROPERTY(QString SubKey READ SubKey WRITE setSubKey)
    Q_PROPERTY(bool SavePos READ SavePos WRITE setSavePos)
    Q_PROPERTY(bool SaveSizes READ SaveSizes WRITE setSaveSizes)
    Q_PROPERTY(bool SavePaneSplit READ SavePaneSplit WRITE setSavePaneSplit)
    Q_PROPERTY(bool SaveWindowState READ SaveWindowState WRITE setSaveWindowState)
    Q_PROPERTY(bool AllowMinWindowState READ AllowMinWindowState WRITE setAllowMinWindowState)
    Q_PROPERTY(int MinWidth READ MinWidth WRITE setMinWidth)
    Q_PROPERTY(int MinHeight READ MinHeight WRITE setMinHeight)
    Q_PROPERTY(int MaxWidth READ MaxWidth WRITE setMaxWidth)
    Q_PROPERTY(int MaxHeight READ MaxHeight WRITE setMaxHeight)

  public:
    explicit ResizerWidget(QWidget* parent = nullptr);
    ~ResizerWidget() override;

    // Lines of a widget name, a blank, a tab and five mode letters (as kelvane::Resizer::anchor
    // takes them). Lines end in LF, as a .ui file keeps them; CR LF is read as well.
    QString ControlSettings() const { return control_settings_; }
    void setControlSettings(const QString& text) { control_settings_ = text; }
    // Lines of two to four widget names separated by single blanks, one split pane each.
    QString PaneSettings() const { return pane_settings_; }
    void setPaneSettings(const QString& text) { pane_settings_ = text; }
    // Lay out every widget no line names, with font and button sizing (AddAllFontsButtons).
    bool AddAllControls() const { return add_all_; }
    void setAddAllControls(bool on) { add_all_ = on; }
    bool AddAllFontsButtons() const { return add_all_fonts_; }
    void setAddAllFontsButtons(bool on) { add_all_fonts_ = on; }
    // Hold the window's painting while its widgets move.
    bool LockWindowOnResize() const { return lock_window_; }
    void setLockWindowOnResize(bool on) { lock_window_ = on; }
    // A divider is dragged as a bar and the panes follow when it is dropped (else live).
    bool UseSplitBars() const { return split_bars_; }
    void setUseSplitBars(bool on) { split_bars_ = on; }
    QColor SplitBarsColor() const;
    void setSplitBarsColor(const QColor& colour) { split_bars_colour_ = colour; }
    void resetSplitBarsColor() { split_bars_colour_.reset(); }
    // The form's key in the store ("{...}"); the Designer plugin gives a new form one.
    QString FormGUID() const { return form_guid_; }
    void setFormGUID(const QString& guid) { form_guid_ = guid; }
    // An extra level of the store's path ("" none).
    QString SubKey() const { return sub_key_; }
    void setSubKey(const QString& key) { sub_key_ = key; }
    // What is saved when the window closes and restored when it opens.
    bool SavePos() const { return save_pos_.value_or(true); }
    void setSavePos(bool on) { save_pos_ = on; }
    bool SaveSizes() const { return save_sizes_.value_or(true); }
    void setSaveSizes(bool on) { save_sizes_ = on; }
    bool SavePaneSplit() const { return save_splits_; }
    void setSavePaneSplit(bool on) { save_splits_ = on; }
    bool SaveWindowState() const { return save_state_; }
    void setSaveWindowState(bool on) { save_state_ = on; }
    // A minimised window is saved and restored as minimised only when true.
    bool AllowMinWindowState() const { return allow_min_; }
    void setAllowMinWindowState(bool on) { allow_min_ = on; }
    // The window's size limits in pixels, -1 none. At run time a change applies at once.
    int MinWidth() const { return min_.width(); }
    void setMinWidth(int pixels);
    int MinHeight() const { return min_.height(); }
    void setMinHeight(int pixels);
    int MaxWidth() const { return max_.width(); }
    void setMaxWidth(int pixels);
    int MaxHeight() const { return max_.height(); }
    void setMaxHeight(int pixels);

    // Design time: the widget shows the resizer's icon and attaches nothing. Run time (the
    // default): hidden, and the resizer attached when its window is first shown.
    void set_design_time(bool on);
    bool design_time() const { return design_time_; }

    // The resizer at work on the window (nullptr before the window was shown, at design time,
    // and when the widget was refused).
    Resizer* resizer() const { return resizer_.get(); }
    // Why the widget does nothing on its window: one line naming where it is; "" when it works
    // or has not tried yet.
    QString refusal() const { return refusal_; }
    // Where the widget stands: "" on the form itself (`form`, by default its window, or a main
    // window's central widget) and the first resizer there, else the line refusal() gives.
    QString placement_problem(const QWidget* form = nullptr) const;

    // The resizer's icon, as the widget draws it at design time.
    static QPixmap icon(int size = 32);

    QSize sizeHint() const override { return {32, 32}; }

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    friend class kv::qt::ResizerEditor;
    using Property =
        std::pair<std::string, std::variant<std::monostate, bool, double, std::string>>;
    // The resizer control's persisted properties as set here (those never set left out, so
    // that the control gives them its own defaults; the size limits, in pixels, too), and the
    // name the control goes by: the object name where that is a plain identifier.
    std::vector<Property> persisted_properties() const;
    std::string control_name() const;

    void watch_window();
    void attach();
    void apply_limits();
    // What makes the size limits impossible (a maximum below its minimum), "" when nothing.
    QString limits_problem() const;

    QString control_settings_, pane_settings_, form_guid_, sub_key_;
    bool add_all_ = false, add_all_fonts_ = true, lock_window_ = true, split_bars_ = true;
    std::optional<QColor> split_bars_colour_;
    std::optional<bool> save_pos_, save_sizes_;  // unset: the window's own defaults
    bool save_splits_ = true, save_state_ = false, allow_min_ = false;
    QSize min_{-1, -1}, max_{-1, -1};
    bool design_time_ = false;
    QPointer<QWidget> watched_;
    QSize design_size_;  // the window's when this widget was put on it
    QString refusal_;
    std::unique_ptr<Resizer> resizer_;
};

}  // namespace kelvane
