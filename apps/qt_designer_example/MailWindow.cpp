#include "MailWindow.h"

MailWindow::MailWindow(QWidget* parent) : QWidget(parent) {
    ui_.setupUi(this);
}
