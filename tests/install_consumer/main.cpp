// Anchors a button to the lower right corner of a window through the installed API, resizes the
// window and prints where the button went: "moved" when it followed the corner.
#include <kelvane/Resizer.h>
#include <QApplication>
#include <QPushButton>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvane::Resizer::use_store(kelvane::memory_store());
    QWidget window;
    window.resize(300, 200);
    auto* ok = new QPushButton("OK", &window);
    ok->setGeometry(200, 160, 90, 30);
    kelvane::Resizer resizer(window);
    resizer.anchor(*ok, "AAKKK").minimum_size({200, 150});
    resizer.show();
    window.resize(400, 260);
    app.processEvents();
    std::printf("button at %d,%d\n", ok->x(), ok->y());
    const bool moved = ok->pos() == QPoint(300, 220);
    std::printf("%s\n", moved ? "moved" : "stayed");
    return moved ? 0 : 1;
}
