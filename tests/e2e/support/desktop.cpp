// SPDX-FileCopyrightText: 2026 The Tavrino authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop.h"

#include "tools.h"

#include <atspi/atspi.h>

#include <QDir>
#include <QFile>

namespace {

constexpr int kStartMs = 20000;

// Reads the first line a freshly started helper writes on its standard output.
QString firstLine(QProcess &process)
{
    QByteArray line;
    while (!line.contains('\n')) {
        if (!process.waitForReadyRead(kStartMs))
            return {};
        line += process.readAllStandardOutput();
    }
    return QString::fromUtf8(line.left(line.indexOf('\n'))).trimmed();
}

QString logTail(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll().right(2000));
}

} // namespace

Desktop::Desktop() = default;

Desktop::~Desktop()
{
    stop();
}

QString Desktop::runtimeDir() const
{
    return m_dir.filePath(QStringLiteral("runtime"));
}

QString Desktop::dataDir() const
{
    return m_dir.filePath(QStringLiteral("data"));
}

QString Desktop::start(QSize screen)
{
    if (!m_dir.isValid())
        return QStringLiteral("no temporary folder");
    m_screen = screen;
    // A runtime folder must belong to the user alone, or Qt complains about it.
    QDir().mkpath(runtimeDir());
    QFile::setPermissions(runtimeDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // -displayfd lets the server take the first free display itself and tell
    // its number once it accepts clients, so parallel suites never collide.
    m_xserver = std::make_unique<QProcess>();
    endWithThisProcess(*m_xserver);
    m_xserver->setStandardErrorFile(m_dir.filePath(QStringLiteral("xvfb.log")));
    m_xserver->start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                      QStringLiteral("0"),
                      QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                      QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                      // An X server that resets when its last client leaves
                      // turns away whoever connects meanwhile: the game
                      // starting just as a helper tool disconnects.
                      QStringLiteral("-noreset")});
    const QString number = firstLine(*m_xserver);
    if (number.isEmpty()) {
        return QStringLiteral("Xvfb did not start: %1")
            .arg(logTail(m_dir.filePath(QStringLiteral("xvfb.log"))));
    }
    m_display = QLatin1Char(':') + number;

    // The session bus activates the accessibility bus launcher on demand; it
    // learns the display and the runtime folder from the bus's environment.
    QProcessEnvironment busEnv = QProcessEnvironment::systemEnvironment();
    busEnv.insert(QStringLiteral("DISPLAY"), m_display);
    busEnv.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
    busEnv.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    busEnv.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
    m_bus = std::make_unique<QProcess>();
    endWithThisProcess(*m_bus);
    m_bus->setProcessEnvironment(busEnv);
    m_bus->setStandardErrorFile(m_dir.filePath(QStringLiteral("dbus.log")));
    m_bus->start(QStringLiteral("dbus-daemon"),
                 {QStringLiteral("--session"), QStringLiteral("--nofork"),
                  QStringLiteral("--print-address=1"),
                  QStringLiteral("--address=unix:dir=") + m_dir.path()});
    m_busAddress = firstLine(*m_bus);
    if (m_busAddress.isEmpty()) {
        return QStringLiteral("the session bus did not start: %1")
            .arg(logTail(m_dir.filePath(QStringLiteral("dbus.log"))));
    }

    // What a screen reader does when it starts: it tells the session that
    // assistive technology is listening, and toolkits then expose their widgets.
    QProcess enable;
    enable.setProcessEnvironment(environment());
    enable.setProcessChannelMode(QProcess::MergedChannels);
    enable.start(QStringLiteral("dbus-send"),
                 {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                  QStringLiteral("--dest=org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                  QStringLiteral("org.freedesktop.DBus.Properties.Set"),
                  QStringLiteral("string:org.a11y.Status"), QStringLiteral("string:IsEnabled"),
                  QStringLiteral("variant:boolean:true")});
    if (!enable.waitForFinished(kStartMs) || enable.exitStatus() != QProcess::NormalExit ||
        enable.exitCode() != 0) {
        return QStringLiteral("the accessibility bus could not be switched on: %1")
            .arg(QString::fromUtf8(enable.readAll()));
    }

    qputenv("DISPLAY", m_display.toUtf8());
    qputenv("DBUS_SESSION_BUS_ADDRESS", m_busAddress.toUtf8());
    qunsetenv("AT_SPI_BUS_ADDRESS");
    if (atspi_init() < 0)
        return QStringLiteral("this process could not join the accessibility bus");
    m_joined = true;
    return {};
}

QProcessEnvironment Desktop::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Whatever the caller's own session is, the game runs on this one.
    for (const char *name :
         {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "AT_SPI_BUS_ADDRESS",
          "QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "QT_ACCESSIBILITY", "SESSION_MANAGER"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    // The game speaks the system's language: here the design's, whatever the
    // tester's own.
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QLatin1String(name));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("DISPLAY"), m_display);
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_busAddress);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir());
    // What the game keeps of its own (the class log's outbox) stays here.
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataDir());
    return env;
}

void Desktop::stop()
{
    if (m_joined) {
        atspi_exit();
        m_joined = false;
    }
    // The accessibility bus and its registry leave with the session bus.
    for (QProcess *p : {m_bus.get(), m_xserver.get()}) {
        if (!p || p->state() == QProcess::NotRunning)
            continue;
        p->terminate();
        if (!p->waitForFinished(5000)) {
            p->kill();
            p->waitForFinished(5000);
        }
    }
    m_bus.reset();
    m_xserver.reset();
}
