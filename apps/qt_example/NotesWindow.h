#pragma once
// The example of Kelvane in a Qt application: a notes window built in code (a search field, a
// list of notes beside the note's text with a divider between them, a status line and two
// buttons) whose widgets follow the window's size, with a minimum size and its placement and
// split remembered for the next run.
#include <QWidget>
#include <memory>

#include "kelvane/Resizer.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class NotesWindow : public QWidget {
  public:
    // The size the window is designed at, and the smallest it may be made.
    static constexpr QSize kDesignSize{640, 420};
    static constexpr QSize kMinimumSize{480, 320};

    NotesWindow();
    ~NotesWindow() override;

    kelvane::Resizer& resizer() { return *resizer_; }
    QLineEdit* search() const { return search_; }
    QListWidget* notes() const { return notes_; }
    QPlainTextEdit* text() const { return text_; }
    QLabel* status() const { return status_; }
    QPushButton* add() const { return add_; }
    QPushButton* remove() const { return remove_; }

  private:
    QLineEdit* search_;
    QListWidget* notes_;
    QPlainTextEdit* text_;
    QLabel* status_;
    QPushButton* add_;
    QPushButton* remove_;
    std::unique_ptr<kelvane::Resizer> resizer_;
};
