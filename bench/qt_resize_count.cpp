// One side of the Qt resize comparison, for counting instructions under callgrind: the window is
// built, resized a few times to settle, then resized RESIZES times through `kv_counted_resize`,
// the one function bench/count-resize-instructions.sh asks callgrind to count. Instructions do
// not vary with what else the machine is doing, as CPU time does.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/PanelWindows.h"
#include "host/qt/QtProcessSetup.h"

namespace {

using Resize = void (*)(QWidget&, bool);

[[gnu::noinline]] void kv_counted_resize(Resize resize, QWidget& window, bool large) {
    resize(window, large);
}

int usage() {
    std::fprintf(stderr,
                 "usage: qt_resize_count kelvane|grid N RESIZES\n"
                 "  N panels in a window, resized RESIZES times between %dx%d and %dx%d, each\n"
                 "  resize run up to the window painted. Run under\n"
                 "  valgrind --tool=callgrind --toggle-collect=kv_counted_resize*\n",
                 kv::bench::kSmall.width(), kv::bench::kSmall.height(), kv::bench::kLarge.width(),
                 kv::bench::kLarge.height());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    const std::string side = argv[1];
    const int n = std::atoi(argv[2]), resizes = std::atoi(argv[3]);
    if ((side != "kelvane" && side != "grid") || n <= 0 || resizes <= 0) return usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    kv::qt::prepare_qt_process();
    QApplication app(argc, argv);
    kv::bench::KelvaneWindow k;
    std::unique_ptr<QWidget> grid;
    QWidget* window = nullptr;
    Resize resize = nullptr;
    if (side == "kelvane") {
        k = kv::bench::kelvane_window(n);
        window = k.window.get();
        resize = kv::bench::resize_kelvane;
    } else {
        grid = kv::bench::layout_window(n);
        window = grid.get();
        resize = kv::bench::resize_grid;
    }
    // The first resizes build what later ones reuse (caches, the backing store's new size).
    bool large = false;
    for (int i = 0; i < 4; ++i) resize(*window, large = !large);
    for (int i = 0; i < resizes; ++i) kv_counted_resize(resize, *window, large = !large);
    if (window->size() != (large ? kv::bench::kLarge : kv::bench::kSmall)) {
        std::fprintf(stderr, "qt_resize_count: the window did not take the size asked for\n");
        return 1;
    }
    std::printf("%s %d panels: %d resizes\n", side.c_str(), n, resizes);
    return 0;
}
