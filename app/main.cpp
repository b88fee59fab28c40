#include "app/singleinstance.h"
#include "app/startwindow.h"
#include "core/systemclock.h"
#include "ui/fonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The clock digits, the answer box and the mark are drawn at 80 to 300
    // pixels. Qt draws glyphs above 64 pixels as paths on every repaint, which
    // costs a large share of a core at 7 ms ticks; caching them as images
    // makes a repaint a copy.
    if (!qEnvironmentVariableIsSet("QT_MAX_CACHED_GLYPH_SIZE"))
        qputenv("QT_MAX_CACHED_GLYPH_SIZE", "512");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavrino"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavrino"));

    // A second copy ends at once and silently, before any window shows.
    SingleInstance instance;
    if (!instance.acquire())
        return 0;

    Fonts::installSubstitutions();
    SystemClock clock;
    StartWindow window(clock);
    window.show();
    return QApplication::exec();
}
