#include "host/qt/designer/ResizerWidgetPlugin.h"

#include <QPointer>
#include <QTimer>
#include <QUuid>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerFormWindowInterface>
#include <QtDesigner/QDesignerFormWindowManagerInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QDesignerTaskMenuExtension>
#include <QtDesigner/QExtensionManager>

#include "host/qt/designer/ResizerTaskMenuFactory.h"
#include "kelvane/ResizerWidget.h"

namespace kv::designer {

ResizerWidgetPlugin::ResizerWidgetPlugin(QObject* parent) : QObject(parent) {}

QString ResizerWidgetPlugin::name() const {
    return "kelvane::ResizerWidget";
}

QString ResizerWidgetPlugin::group() const {
    return "Kelvane";
}

QString ResizerWidgetPlugin::toolTip() const {
    return "Kelvane: the form's widgets follow its size";
}

QString ResizerWidgetPlugin::whatsThis() const {
    return "Place one on a form and set it up with Edit Resizing... (double-click): each widget's "
           "edges follow the form, widgets share their space with dividers, the form keeps "
           "within its size limits and opens where the user left it.";
}

QString ResizerWidgetPlugin::includeFile() const {
    return "kelvane/ResizerWidget.h";
}

QIcon ResizerWidgetPlugin::icon() const {
    return QIcon(kelvane::ResizerWidget::icon(32));
}

bool ResizerWidgetPlugin::isContainer() const {
    return false;
}

QWidget* ResizerWidgetPlugin::createWidget(QWidget* parent) {
    auto* widget = new kelvane::ResizerWidget(parent);
    // On a form being edited it is at design time; Designer's preview and QUiLoader make it for
    // a form that runs.
    if (core_ && parent && QDesignerFormWindowInterface::findFormWindow(parent))
        widget->set_design_time(true);
    return widget;
}

bool ResizerWidgetPlugin::isInitialized() const {
    return initialized_;
}

void ResizerWidgetPlugin::initialize(QDesignerFormEditorInterface* core) {
    if (initialized_) return;
    initialized_ = true;
    core_ = core;
    if (!core) return;
    QExtensionManager* manager = core->extensionManager();
    manager->registerExtensions(new ResizerTaskMenuFactory(manager),
                                Q_TYPEID(QDesignerTaskMenuExtension));
    QDesignerFormWindowManagerInterface* forms = core->formWindowManager();
    for (int i = 0; i < forms->formWindowCount(); ++i) watch(forms->formWindow(i));
    connect(forms, &QDesignerFormWindowManagerInterface::formWindowAdded, this,
            &ResizerWidgetPlugin::watch);
}

void ResizerWidgetPlugin::watch(QDesignerFormWindowInterface* form_window) {
    connect(form_window, &QDesignerFormWindowInterface::widgetManaged, this,
            [this, form_window](QWidget* w) { managed(form_window, w); });
}

// A resizer managed by a form window is at design time, whether placed now or loaded with the
// form (a form loading makes its widgets before they belong to the form window). One placed now
// gets the form's new GUID, once the form has given it its properties.
void ResizerWidgetPlugin::managed(QDesignerFormWindowInterface* form_window, QWidget* w) {
    auto* widget = qobject_cast<kelvane::ResizerWidget*>(w);
    if (!widget) return;
    widget->set_design_time(true);
    QPointer<kelvane::ResizerWidget> guarded = widget;
    QPointer<QDesignerFormWindowInterface> form = form_window;
    QTimer::singleShot(0, this, [this, guarded, form] {
        if (!guarded || !form || !guarded->FormGUID().isEmpty()) return;
        auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(core_->extensionManager(),
                                                                     guarded.data());
        const QString guid = QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
        const int index = sheet ? sheet->indexOf("FormGUID") : -1;
        if (index < 0) {
            guarded->setFormGUID(guid);
            return;
        }
        sheet->setProperty(index, guid);
        sheet->setChanged(index, true);
    });
}

QString ResizerWidgetPlugin::domXml() const {
    return R"(<ui language="c++">
 <widget class="kelvane::ResizerWidget" name="zokKelvane1">
  <property name="geometry">
   <rect><x>0</x><y>0</y><width>32</width><height>32</height></rect>
  </property>
 </widget>
 <customwidgets>
  <customwidget>
   <class>kelvane::ResizerWidget</class>
   <extends>QWidget</extends>
   <header>kelvane/ResizerWidget.h</header>
   <propertyspecifications>
    <stringpropertyspecification name="ControlSettings" notr="true" type="multiline"/>
    <stringpropertyspecification name="PaneSettings" notr="true" type="multiline"/>
    <stringpropertyspecification name="FormGUID" notr="true" type="singleline"/>
    <stringpropertyspecification name="SubKey" notr="true" type="singleline"/>
   </propertyspecifications>
  </customwidget>
 </customwidgets>
</ui>
)";
}

}  // namespace kv::designer
