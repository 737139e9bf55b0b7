#pragma once
// The mail window of MailWindow.ui, made in Qt Designer: a tree, a list and a text in three
// panes, a row of tool buttons and OK/Cancel in the corner. The kelvane::ResizerWidget placed on
// the form lays it out when it is shown; the window has no layout code of its own.
#include <QWidget>

#include "ui_MailWindow.h"

class MailWindow : public QWidget {
  public:
    explicit MailWindow(QWidget* parent = nullptr);
    const Ui::MailWindow& ui() const { return ui_; }

  private:
    Ui::MailWindow ui_;
};
