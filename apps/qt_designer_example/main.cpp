// qt_designer_example: the mail window made in Qt Designer (MailWindow.ui), laid out by the
// resizer widget placed on it.
//   qt_designer_example [--store FILE] [--size WIDTHxHEIGHT] [--shot FILE.png]
// --store keeps placement and splits in FILE (default: the user's Kelvane store); --size resizes
// the window after it opened, as a user would; --shot saves a picture of the window and exits.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "MailWindow.h"
#include "kelvane/Resizer.h"

int main(int argc, char** argv) {
    kelvane::prepare_application();
    QApplication app(argc, argv);
    app.setApplicationName("Kelvane Designer Example");
    std::string store, shot;
    QSize size;
    for (int i = 1; i < argc; ++i) {
        const bool has_value = i + 1 < argc;
        if (!std::strcmp(argv[i], "--store") && has_value) {
            store = argv[++i];
        } else if (!std::strcmp(argv[i], "--shot") && has_value) {
            shot = argv[++i];
        } else if (!std::strcmp(argv[i], "--size") && has_value) {
            int w = 0, h = 0;
            if (std::sscanf(argv[++i], "%dx%d", &w, &h) != 2 || w <= 0 || h <= 0) {
                std::fprintf(stderr,
                             "qt_designer_example: --size: expected WIDTHxHEIGHT, found '%s'\n",
                             argv[i]);
                return 2;
            }
            size = QSize(w, h);
        } else {
            std::fprintf(stderr,
                         "usage: qt_designer_example [--store FILE] [--size WxH] [--shot FILE]\n");
            return 2;
        }
    }
    if (!store.empty()) kelvane::Resizer::use_store(kelvane::file_store(store));
    MailWindow window;
    window.show();
    if (size.isValid()) window.resize(size);
    if (shot.empty()) return app.exec();
    QTimer::singleShot(50, [&] {
        const bool saved = window.grab().save(QString::fromStdString(shot));
        window.close();
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
