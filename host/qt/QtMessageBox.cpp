#include "host/qt/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "engine/Host.h"

namespace kv::qt {

namespace {

std::vector<std::pair<int, QMessageBox::StandardButton>> buttons_of(int style) {
    using B = QMessageBox;
    switch (style & 7) {
        case kOKCancel:
            return {{kOK, B::Ok}, {kCancel, B::Cancel}};
        case kAbortRetryIgnore:
            return {{kAbort, B::Abort}, {kRetry, B::Retry}, {kIgnore, B::Ignore}};
        case kYesNoCancel:
            return {{kYes, B::Yes}, {kNo, B::No}, {kCancel, B::Cancel}};
        case kYesNo:
            return {{kYes, B::Yes}, {kNo, B::No}};
        case kRetryCancel:
            return {{kRetry, B::Retry}, {kCancel, B::Cancel}};
        default:
            return {{kOK, B::Ok}};
    }
}

QMessageBox::Icon icon_of(int style) {
    switch (style & 0x70) {
        case kCritical:
            return QMessageBox::Critical;
        case kQuestion:
            return QMessageBox::Question;
        case kExclamation:
            return QMessageBox::Warning;
        case kInformation:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int show_message_box(const std::string& text, int style, const std::string& title) {
    QMessageBox box(icon_of(style), QString::fromStdString(title), QString::fromStdString(text));
    const auto buttons = buttons_of(style);
    QMessageBox::StandardButtons set;
    for (const auto& [answer, button] : buttons) set |= button;
    box.setStandardButtons(set);
    box.setDefaultButton(buttons.front().second);
    const int pressed = box.exec();
    for (const auto& [answer, button] : buttons)
        if (pressed == button) return answer;
    return buttons.size() == 1 ? kOK : kCancel;
}

}  // namespace kv::qt
