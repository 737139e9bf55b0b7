#include "NotesWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

NotesWindow::NotesWindow() {
    setObjectName("frmNotes");
    setWindowTitle("Notes");
    resize(kDesignSize);
    // The widgets where they stand at the design size.
    search_ = new QLineEdit(this);
    search_->setObjectName("txtSearch");
    search_->setPlaceholderText("Search notes");
    search_->setGeometry(12, 12, 616, 26);
    notes_ = new QListWidget(this);
    notes_->setObjectName("lstNotes");
    notes_->addItems({"Shopping", "Ideas", "Meeting, Monday", "Books to read", "Garden"});
    notes_->setGeometry(12, 48, 200, 316);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("txtNote");
    text_->setPlainText("Milk\nBread\nApples\nCoffee");
    text_->setGeometry(220, 48, 408, 316);
    status_ = new QLabel("5 notes", this);
    status_->setObjectName("lblStatus");
    status_->setGeometry(12, 380, 200, 26);
    add_ = new QPushButton("New", this);
    add_->setObjectName("cmdNew");
    add_->setGeometry(436, 378, 92, 30);
    remove_ = new QPushButton("Delete", this);
    remove_->setObjectName("cmdDelete");
    remove_->setGeometry(536, 378, 92, 30);

    // How each follows the window: left, top, right, bottom, font.
    resizer_ = std::make_unique<kelvane::Resizer>(*this);
    resizer_
        ->anchor(*search_, "KKKAK")  // stretches along the top
        .anchor(*notes_, "KKAKK")    // grows downwards
        .anchor(*text_, "KKKKK")     // takes the rest
        .anchor(*status_, "KAAKK")   // stays on the bottom line
        .anchor(*add_, "AAKKK")      // the buttons keep to the lower right corner
        .anchor(*remove_, "AAKKK")
        .split({notes_, text_})  // a divider between the list and the text
        .minimum_size(kMinimumSize)
        .remember("NotesExample");
}

NotesWindow::~NotesWindow() = default;
